// The change voucher: a non-fiscal receipt that registers the voucher amount
// on its totalizer after the coupon.
#include "coupon/closing_state.h"
#include "coupon/sale_dialogs.h"
#include "frame/data_module.h"

namespace Mdx00200::coupon {

bool PrintChangeVoucher(const ClosingState& s) {
  const AnsiString& scheme = s.p.scheme;
  if (s.p.voucherTotalizer.empty()) {
    Notify(scheme, DataModule().msgPadrao.Msg("OPE_N_CV"));
    return false;
  }
  if (!SendSaleCommand(scheme, "19", {"", AnsiString(6, ' ')}, true)) return false;
  if (!SendSaleCommand(scheme, "07", s.voucherAmountParams, true)) return false;
  if (boTotalCV && !SendSaleCommand(scheme, "10", s.voucherPaymentParams, true)) return false;
  return SendSaleCommand(scheme, "12SN", {}, true);
}

}  // namespace Mdx00200::coupon
