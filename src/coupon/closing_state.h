// What one FechaCupom call works with: its parameters, the payment lines
// planned from the sale's movements, the checked command fields and the
// sums the footer needs.
#pragma once

#include <array>
#include <vector>

#include "coupon/closing_params.h"

namespace Mdx00200::coupon {

// One payment command "10".
struct PaymentLine {
  AnsiString method;  // the host's method code (CDTIPORECE, or CDTIPORECEORIG for a card)
  AnsiString code;    // the printer's two-digit method position
  double amount = 0;
  AnsiString kind;    // the method's IDTIPORECE ("" when the method is unknown)
  std::vector<AnsiString> params;  // code + 12 digits, once checked
};

struct ClosingState {
  ClosingParams p;
  bool tefInUse = false;  // TEF mode "S" or "T" and TEF in use for the sale

  double paymentsTotal = 0;  // paid movements
  std::vector<PaymentLine> payments;
  double creditTotal = 0;      // payments of consumer-credit methods ("9", "A")
  bool agreementPaid = false;  // a payment of an agreement method ("8")

  // Checked fields of "03"/"11" (adjustmentCode empty when there is none)
  // and of the change voucher.
  AnsiString adjustmentCode;
  std::vector<AnsiString> adjustmentParams;
  AnsiString voucherCode;  // CDFPIMPFIS of the method cdsRecebAux was left on
  std::vector<AnsiString> voucherAmountParams, voucherPaymentParams;

  AnsiString tableLine;
  std::array<AnsiString, 4> freeLines;
};

// Sends the command until the printer takes it. A refusal on a TEF till with
// dialogs asks the printer-not-responding question (yes sends again, no
// gives false); elsewhere it clears boClieUtil and gives false.
bool SendWithPrintAgain(const ClosingState& s, const AnsiString& code,
                        const std::vector<AnsiString>& params);

// The closing command with the footer (true: go on with the change voucher).
bool CloseWithFooter(const ClosingState& s, const TStringList* tefLines);

// The change-voucher receipt (true: printed).
bool PrintChangeVoucher(const ClosingState& s);

}  // namespace Mdx00200::coupon
