// The sale's movements and payment methods: loading the closing's data
// packets and turning the paid movements into payment lines.
#pragma once

#include "coupon/closing_state.h"

namespace Mdx00200::coupon {

// Loads element 13 into cdsMovCaixa and cdsMovCaixaTef (which is then
// emptied), 14 into cdsRecebAux, 32-34 into cdsSaldCred, cdsFamiliaSaldo and
// cdsEmprestimo. A null balance element leaves its dataset closed. The
// movements are ordered by NRORDTROCO, DTHRINCMOV (cdsMovCaixaTef by
// IDTIPORECE). Raises mdx::EDatabaseError when 13 or 14 is no data packet,
// a packet is damaged, or the movements lack those fields.
void LoadClosingData(const ClosingParams& p);

// Copies the paid movements of cdsMovCaixa into cdsMovCaixaTef, adding each
// one to s.paymentsTotal. With TEF in use, movements "E" and "T" of a method
// that already has an "E" row are added to that row; otherwise each row is
// copied (and only "E" rows count). Raises what the datasets raise.
void CollectPaidMovements(ClosingState& s);

// The payment lines of cdsMovCaixaTef in method-kind order (rows "E" and
// "T"), with their method's printer code (CDFPIMPFIS of cdsRecebAux, or
// characters 2-3 of the method code when it has none), the consumer-credit
// total and the agreement flag; and the voucher's payment code. Leaves
// cdsMovCaixaTef in the order of NRORDTROCO, DTHRINCMOV.
void PlanPayments(ClosingState& s);

}  // namespace Mdx00200::coupon
