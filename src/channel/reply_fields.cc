#include "channel/reply_fields.h"

namespace Mdx00200::replies {

using mdx::Copy;

bool IsRefused(const AnsiString& reply) { return Copy(reply, 2, 1) == "-"; }

bool IsCompleteBlock(const AnsiString& reply) { return Copy(reply, 2, 2) == "+C"; }

bool EndsRegisterWait(const AnsiString& reply) { return IsCompleteBlock(reply) || IsRefused(reply); }

AnsiString Echo(const AnsiString& reply) { return Copy(reply, 7, 1); }

bool SaleUnderWay(const AnsiString& reply) {
  const AnsiString state = Copy(reply, 10, 8);
  return state == "P VENDAS" || state == "E VENDAS";
}

AnsiString ReductionFlag(const AnsiString& reply) { return Copy(reply, 21, 1); }

AnsiString PrinterDateTime(const AnsiString& reply) { return Copy(reply, 47, 10); }

AnsiString PrinterDate(const AnsiString& reply) { return Copy(reply, 47, 6); }

bool SummerTime(const AnsiString& reply) { return Copy(reply, 57, 1) == "S"; }

AnsiString MovementDate(const AnsiString& reply) { return Copy(reply, 8, 6); }

AnsiString GrandTotal(const AnsiString& reply) { return Copy(mdx::Trim(reply), 20, 17); }

AnsiString DayDiscounts(const AnsiString& reply) { return Copy(reply, 93, 12); }

char PaymentRegister(int k) {
  if (k >= 1 && k <= 7) return '6';
  if (k >= 8 && k <= 10) return '7';
  if (k >= 11 && k <= 20) return 'L';
  return 0;
}

AnsiString PaymentSlot(const AnsiString& reply, int k) {
  switch (PaymentRegister(k)) {
    case '6': return Copy(reply, 8 + 16 * (k - 1), 16);
    case '7': return Copy(reply, 8 + 16 * (k - 8), 16);
    case 'L': return Copy(reply, 8 + 12 * (k - 11), 12);
    default: return "";
  }
}

AnsiString EcfNumber(const AnsiString& reply) { return Copy(reply, 4, 3); }

AnsiString SerialNumber(const AnsiString& reply) { return mdx::Trim(Copy(reply, 13, 9)); }

AnsiString CouponNumber(const AnsiString& reply) { return Copy(reply, 73, 6); }

AnsiString CouponCounter(const AnsiString& reply) { return Copy(reply, 61, 6); }

bool DrawerClosed(const AnsiString& reply) { return Copy(reply, 6, 1) == "0"; }

}  // namespace Mdx00200::replies
