// Footer texts composed from the host's values: the table line, the free
// text cut into lines, the TEF receipt lines, the tax text and the Paraíba
// Legal text. Pure functions; catalogue texts come in as arguments.
#pragma once

#include <array>
#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"
#include "mdx00200/export.h"

namespace mdx {
class TStringList;
}

namespace Mdx00200::coupon {

// "" for no table. A number longer than 4 characters is a tab:
// tabWord + " : " + number + "   - "; otherwise tableWord + "  : " + number
// + "           - ".
MDX_API mdx::AnsiString TableLine(const mdx::AnsiString& number, const mdx::AnsiString& tabWord,
                                  const mdx::AnsiString& tableWord);

// Four lines cut from the front of the free text: a line ends at a line feed
// within its first 40 characters (the CR LF pair is dropped) or after 40
// characters; an empty line (CR LF) right after one of the first three lines
// is skipped.
MDX_API std::array<mdx::AnsiString, 4> CutFreeText(const mdx::AnsiString& text);

// The lines of the host's TEF receipt: every host line split at line feeds;
// each piece that ends with a line feed is a line (without it), and the text
// after a host line's last line feed is dropped. A null list gives none.
MDX_API std::vector<mdx::AnsiString> TefReceiptLines(const mdx::TStringList* host);

// "Trib aprox R$: " federal " Federal e " state " Estadual" LF CR "Fonte: IBPT",
// amounts as "#,##0.00".
MDX_API mdx::AnsiString TaxText(double federal, double state);

// The net value of the sale as ".00" (payments less the change voucher);
// `lastPaymentAmount` (12 digits) when that reads ",00".
MDX_API mdx::AnsiString NetValueText(double payments, double voucher,
                                     const mdx::AnsiString& lastPaymentAmount);

// "PARAIBA LEGAL - RECEITA CIDADA" LF CR "TORPEDO PREMIADO: " + the store's
// CNPJ as bare digits (14) + " " + today "ddmmyyyy" + " " + the net value
// without its separator + " " + the consumer's CPF/CNPJ (11).
MDX_API mdx::AnsiString ParaibaLegalText(const mdx::AnsiString& storeCnpj, mdx::TDateTime today,
                                         const mdx::AnsiString& netValue,
                                         const mdx::AnsiString& consumerTaxId);

}  // namespace Mdx00200::coupon
