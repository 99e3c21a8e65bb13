// The printer's tables as the package reads them: where each piece sits in
// the reply to "29" + sub-code, and the layout of the entries of each table.
// Positions are 1-based, as in the reply.
#pragma once

#include <vector>

#include "mdx00200/ansi_string.h"

namespace Mdx00200::tables {

using mdx::AnsiString;

// One piece of a table: the reply to "29" + subCode carries it at
// positions start .. start + length - 1.
struct TablePiece {
  char subCode;
  int start;
  int length;
};

inline constexpr TablePiece kTaxRatePieces[] = {{'3', 49, 28}, {'4', 8, 49}, {'5', 8, 28}};
inline constexpr TablePiece kPaymentMethodPieces[] = {
    {'5', 36, 48}, {'6', 8, 112}, {'Q', 8, 96}, {'R', 8, 64}};
inline constexpr TablePiece kTotalizerPieces[] = {{'7', 38, 90}, {'8', 8, 120}, {'9', 8, 120},
                                                  {'A', 8, 120}, {'B', 8, 120}, {'C', 8, 120},
                                                  {'D', 8, 60}};

inline constexpr int kTaxRateEntryWidth = 7;
inline constexpr int kPaymentEntryWidth = 16;
inline constexpr int kPaymentNameWidth = 15;
inline constexpr int kTotalizerEntryWidth = 15;
inline constexpr int kTotalizerNameWidth = 14;

// A table position as the package writes it: two digits, "01" onward.
AnsiString Position(int number);

// True when the reply is the printer's answer to the read of subCode:
// accepted, with the sub-code at position 7.
bool AnswersPiece(const AnsiString& reply, char subCode);
// True when the reply ends the attempts at a piece: it answers it, or the
// printer refused (position 2 "-").
bool EndsAttempts(const AnsiString& reply, char subCode);
// The piece's characters of a reply that answers it, blank-filled to the
// piece's length when the reply is short, so the pieces after it keep their
// positions.
AnsiString CutPiece(const AnsiString& reply, const TablePiece& piece);

// A tax-rate entry (7 characters): code 1-3, whole percent 4-5, hundredths
// 6-7. The last entry of a text may be shorter; its fields are then cut. A
// free entry (all blanks) is no rate and is left out.
struct TaxRateEntry {
  AnsiString code;
  AnsiString whole;
  AnsiString hundredths;
};
std::vector<TaxRateEntry> SplitTaxRates(const AnsiString& text);

// A payment-method entry (16 characters). A flag "S", "#" or "N" comes
// first, then the name in 15 characters; without such a flag the name is all
// 16. A "#" right before the name marks a method whose change is given in
// another method; the name then has 14 characters.
struct PaymentEntry {
  int width = 0;    // characters of the name: 14, 15 or 16
  AnsiString name;  // upper-cased and trimmed; "" for a free entry
};
std::vector<PaymentEntry> SplitPaymentMethods(const AnsiString& text);
// True when the entry is the printer's name of a host method whose
// DSIMPFISCAL is `hostName`: the host name upper-cased, cut to the entry's
// width and trimmed is the entry's name. A free entry names nothing.
bool NamesMethod(const PaymentEntry& entry, const AnsiString& hostName);

// A totalizer entry (15 characters): a marker ("&" group header, "+" adds,
// "-" takes) and a 14-character name.
struct TotalizerEntry {
  char marker = ' ';
  AnsiString name;  // as the printer holds it, 14 characters
};
// The entries up to the last one that is not blank.
std::vector<TotalizerEntry> SplitTotalizers(const AnsiString& text);

}  // namespace Mdx00200::tables
