// The grand-total upkeep of the printer configuration file.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Keeps the printer's grand total in the configuration file "Vendora.cds" of
// the host directory (or, when that does not load, "kor" + CDCAIXA + CDFILIAL
// + ".cds", its active record). Record: CDFILIAL, CDCAIXA, NRSERIEIMP (clear
// text), ESQUEMACOR, IDVALIDA. Works on the record of that branch, till and
// serial number, and only when its CAMPO01 is "S".
// - Update mode (IDVALIDA not "S"): writes the printer's grand total, encrypted,
//   into CAMPO02 and saves the whole file as "Vendora.cds", replacing it in one
//   step. True.
// - Validation mode ("S"): false when the recorded total is blank or differs
//   from the printer's (the "ArqConfig_Inv4" dialog when boNUtilTaa and not
//   boClieUtil; boClieUtil false); a recorded "10,10" is updated as above.
// Failures (no file, unreadable values, the printer's total not read, a save
// that fails) are caught: their message is shown when boNUtilTaa and not
// boClieUtil, boClieUtil becomes false, nothing is written, and the result is
// true in update mode and false in validation mode.
MDX_API bool Atu_TotGeral(const Variant& params);

}  // namespace Mdx00200
