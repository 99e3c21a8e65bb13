#include "tables/table_replies.h"

#include "mdx00200/hostlib.h"

namespace Mdx00200::tables {

using mdx::Copy;

AnsiString Position(int number) { return Consiste::AjustaZero(mdx::IntToStr(number), 2); }

bool AnswersPiece(const AnsiString& reply, char subCode) {
  return reply.size() >= 7 && reply[0] == '.' && reply[1] == '+' && reply[6] == subCode;
}

bool EndsAttempts(const AnsiString& reply, char subCode) {
  return AnswersPiece(reply, subCode) || (reply.size() >= 2 && reply[1] == '-');
}

AnsiString CutPiece(const AnsiString& reply, const TablePiece& piece) {
  if (!AnswersPiece(reply, piece.subCode)) return AnsiString(piece.length, ' ');
  return Consiste::TamFixo(Copy(reply, piece.start, piece.length), piece.length);
}

std::vector<TaxRateEntry> SplitTaxRates(const AnsiString& text) {
  std::vector<TaxRateEntry> entries;
  for (size_t at = 0; at < text.size(); at += kTaxRateEntryWidth) {
    const AnsiString entry = text.substr(at, kTaxRateEntryWidth);
    if (Consiste::EmptyString(entry)) continue;  // a free entry
    entries.push_back({Copy(entry, 1, 3), Copy(entry, 4, 2), Copy(entry, 6, 2)});
  }
  return entries;
}

std::vector<PaymentEntry> SplitPaymentMethods(const AnsiString& text) {
  std::vector<PaymentEntry> entries;
  for (size_t at = 0; at < text.size(); at += kPaymentEntryWidth) {
    AnsiString rest = text.substr(at, kPaymentEntryWidth);
    int width = kPaymentEntryWidth;
    if (!rest.empty() && (rest[0] == 'S' || rest[0] == '#' || rest[0] == 'N')) {
      rest.erase(0, 1);
      width = kPaymentNameWidth;
    }
    if (!rest.empty() && rest[0] == '#') {
      rest.erase(0, 1);
      width = kPaymentNameWidth - 1;
    }
    entries.push_back({width, mdx::Trim(mdx::UpperCase(rest.substr(0, width)))});
  }
  return entries;
}

bool NamesMethod(const PaymentEntry& entry, const AnsiString& hostName) {
  if (entry.name.empty()) return false;
  return mdx::Trim(Copy(mdx::UpperCase(hostName), 1, entry.width)) == entry.name;
}

std::vector<TotalizerEntry> SplitTotalizers(const AnsiString& text) {
  std::vector<TotalizerEntry> entries;
  for (size_t at = 0; at < text.size() && !Consiste::EmptyString(text.substr(at));
       at += kTotalizerEntryWidth) {
    const AnsiString entry =
        Consiste::TamFixo(text.substr(at, kTotalizerEntryWidth), kTotalizerEntryWidth);
    entries.push_back({entry[0], entry.substr(1)});
  }
  return entries;
}

}  // namespace Mdx00200::tables
