// The grand-total update a coupon cancellation owes the configuration file.
// The printer's grand total moves with the cancel command ("05") and the file
// is rewritten afterwards; a process that dies between the two would leave a
// file that the host's check then takes for invalid. So the update is
// recorded before the command goes out and cleared once the file holds the
// printer's total; a start that finds the record completes the update.
#pragma once

#include "mdx00200/ansi_string.h"

namespace Mdx00200::grandtotal {

// directory + "TotGeralPendente.txt".
mdx::AnsiString PendingFile(const mdx::AnsiString& directory);

// Records, durably, that the file of the host's directory owes an update.
// False, with the reason in the debug log, when the record cannot be
// written (the cancel then goes on as it would without it).
bool RecordPending();
// True when an update is owed.
bool Pending();
// Forgets the owed update (the file holds the printer's total, or keeps none).
void ClearPending();

}  // namespace Mdx00200::grandtotal
