#include "coupon/footer_texts.h"

#include "mdx00200/format_settings.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/number_format.h"
#include "mdx00200/string_list.h"

namespace Mdx00200::coupon {

using mdx::AnsiString;

namespace {

constexpr int kLineWidth = 40;

// Removes the first `count` characters (all of them when fewer).
void DropFront(AnsiString& text, int count) {
  text.erase(0, count < 0 ? 0 : static_cast<size_t>(count));
}

}  // namespace

AnsiString TableLine(const AnsiString& number, const AnsiString& tabWord,
                     const AnsiString& tableWord) {
  if (number.empty()) return "";
  if (number.size() > 4) return tabWord + " : " + number + "   - ";
  return tableWord + "  : " + number + "           - ";
}

std::array<AnsiString, 4> CutFreeText(const AnsiString& text) {
  std::array<AnsiString, 4> lines;
  AnsiString rest = text;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int lineFeed = mdx::Pos("\n", mdx::Copy(rest, 1, kLineWidth));
    if (lineFeed > 0) {
      lines[i] = mdx::Copy(rest, 1, lineFeed - 2);
      DropFront(rest, lineFeed);
    } else {
      lines[i] = mdx::Copy(rest, 1, kLineWidth);
      DropFront(rest, kLineWidth);
    }
    if (i < 3 && mdx::Pos("\n", mdx::Copy(rest, 1, kLineWidth)) == 2) DropFront(rest, 2);
  }
  return lines;
}

std::vector<AnsiString> TefReceiptLines(const mdx::TStringList* host) {
  std::vector<AnsiString> lines;
  if (!host) return lines;
  for (const AnsiString& hostLine : host->Lines()) {
    size_t start = 0;
    for (size_t end = hostLine.find('\n'); end != AnsiString::npos;
         end = hostLine.find('\n', start)) {
      lines.push_back(hostLine.substr(start, end - start));
      start = end + 1;
    }
  }
  return lines;
}

AnsiString TaxText(double federal, double state) {
  return "Trib aprox R$: " + mdx::FormatFloat("#,##0.00", federal) + " Federal e " +
         mdx::FormatFloat("#,##0.00", state) + " Estadual" + "\n\r" + "Fonte: IBPT";
}

AnsiString NetValueText(double payments, double voucher, const AnsiString& lastPaymentAmount) {
  const AnsiString text = mdx::FormatFloat(".00", payments - voucher);
  const AnsiString zero = AnsiString(1, mdx::FormatSettings().DecimalSeparator) + "00";
  return text == zero ? lastPaymentAmount : text;
}

AnsiString ParaibaLegalText(const AnsiString& storeCnpj, mdx::TDateTime today,
                            const AnsiString& netValue, const AnsiString& consumerTaxId) {
  // The value without its separator: the digits before it and the two after.
  const int separator = mdx::Pos(AnsiString(1, mdx::FormatSettings().DecimalSeparator), netValue);
  const AnsiString value = mdx::Copy(netValue, 1, separator - 1) + mdx::Copy(netValue, separator + 1, 2);
  return "PARAIBA LEGAL - RECEITA CIDADA\n\rTORPEDO PREMIADO: " +
         mdx::Copy(FormataCNPJ(storeCnpj), 1, 14) + " " + mdx::FormatDateTime("ddmmyyyy", today) +
         " " + value + " " + mdx::Copy(consumerTaxId, 1, 11);
}

}  // namespace Mdx00200::coupon
