// ImprimeTef: the card-payment receipts, printed in the receipt linked to the
// coupon's payment or in a management report, with the operator's
// print-again; and Cupom_Troca, the exchange coupon.
#include "cash/report_text.h"
#include "channel/status_command.h"
#include "coupon/sale_dialogs.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/string_list.h"

namespace Mdx00200 {

using namespace coupon;

namespace {

constexpr size_t kLinesPerGroup = 4;

struct TefPrinting {
  AnsiString scheme;
  TStringList* receipts;
  TStringList* copies;
  AnsiString paymentCode;
  bool printReceipts;  // kind "N"
  bool printCopies;    // not a self-service terminal ("APC", "TAA")
  bool documentOpen = false;
};

bool Send(const TefPrinting& t, const AnsiString& code) {
  return channel::SendCommand(t.scheme, code, boNUtilTaa, false);
}

bool OpenReport(TefPrinting& t, bool ownErrorHandling) {
  t.documentOpen = channel::SendCommand(t.scheme, "13", "S", ownErrorHandling, false);
  return t.documentOpen;
}

// One group: "08" + "0" + group, busy repeat on, sent a second time when
// refused.
bool SendGroup(const TefPrinting& t, const AnsiString& group) {
  const AnsiString params[] = {"0", group};
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (EnviaComando_Sweda(t.scheme, "08", params, 1, boNUtilTaa, true)) return true;
  }
  return false;
}

// The text in groups of up to four lines, each line up to and including its
// LF; the group goes without its last LF. A rest without LF is the last
// group, so every text is used up.
bool PrintText(const TefPrinting& t, const AnsiString& text) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = pos;
    for (size_t line = 0; line < kLinesPerGroup && pos < text.size(); ++line) {
      const size_t lf = text.find('\n', pos);
      pos = lf == AnsiString::npos ? text.size() : lf + 1;
    }
    size_t length = pos - start;
    if (text[pos - 1] == '\n') --length;
    if (!SendGroup(t, text.substr(start, length))) return false;
  }
  return true;
}

// Every receipt (and its copy) from the first; the last is followed by the
// close. False at the first failure, the document left open.
bool PrintAll(TefPrinting& t) {
  const int count = t.receipts->Count();
  for (int i = 0; i < count; ++i) {
    if (t.printReceipts && !PrintText(t, (*t.receipts)[i])) return false;
    if (t.printCopies && t.copies != nullptr && t.copies->Count() > i) {
      Consiste::Delay(1);
      if (!PrintText(t, (*t.copies)[i])) return false;
    }
  }
  if (!Send(t, "12")) return false;
  t.documentOpen = false;
  return true;
}

// Opens the linked receipt or a management report; a refusal asks the
// operator, and a yes tries again as a management report.
bool OpenDocument(TefPrinting& t, int mode) {
  bool report = mode == 2;
  for (;;) {
    if (report) {
      Send(t, "12");
      OpenReport(t, boNUtilTaa);
    } else if (t.printReceipts) {
      const AnsiString params[] = {"00", "0000", t.paymentCode};
      t.documentOpen = EnviaComando_Sweda(t.scheme, "19", params, 2, boNUtilTaa, false);
    } else {
      OpenReport(t, false);
    }
    if (t.documentOpen) return true;
    if (!boNUtilTaa || !AskPrintAgain(t.scheme)) return false;
    report = true;
  }
}

}  // namespace

bool ImprimeTef(const AnsiString& /*text1*/, const AnsiString& /*text2*/,
                const AnsiString& /*text3*/, const AnsiString& scheme, TStringList* receipts,
                TStringList* copies, TStringList* /*list3*/, TStringList* /*list4*/,
                const AnsiString& /*text5*/, const AnsiString& paymentCode,
                const AnsiString& /*text7*/, double /*amount*/, double /*real2*/, int mode,
                const AnsiString& kind, const AnsiString& terminal) {
  TefPrinting t{scheme, receipts, copies, paymentCode, kind == "N",
                terminal != "APC" && terminal != "TAA"};

  while (!Send(t, "23")) {
    if (!boNUtilTaa || !AskPrintAgain(scheme)) return false;
  }
  if (receipts == nullptr || receipts->Count() == 0) return false;
  if (!OpenDocument(t, mode)) return false;

  bool printed = PrintAll(t);
  while (!printed && boNUtilTaa && AskPrintAgain(scheme)) {
    // Again from the first receipt, in a fresh management report.
    if (t.documentOpen) {
      if (Send(t, "12")) {
        t.documentOpen = false;
        OpenReport(t, boNUtilTaa);
      }
    } else {
      OpenReport(t, boNUtilTaa);
    }
    printed = PrintAll(t);
  }
  if (t.documentOpen) Send(t, "12");
  return printed;
}

bool Cupom_Troca(const AnsiString& scheme, const AnsiString& /*unused2*/,
                 const AnsiString& /*unused3*/, const AnsiString& text) {
  cash::OpenManagementReport(scheme);
  return cash::PrintBlocksAndClose(scheme, text);
}

}  // namespace Mdx00200
