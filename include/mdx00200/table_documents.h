// Restaurant documents: table and tab conference, table opening, opening
// report, open tables and tabs, transferred products.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// Each prints a management report ("13" + "S", one "08" + "0" + text per
// line, "12"), with the texts of the catalogue and the maker's contact line.
// The caller's data replaces the content of the data module's dataset named
// below on every call. Refused lines are not examined: every line is sent
// and the report is closed. Data the report cannot use (no data, a missing
// field) raises EDatabaseError before anything is sent; an error while the
// report prints (a value that does not convert) closes the report and then
// reaches the caller.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// The bill of a table or tab before payment. `items` is a data packet of
// order items (CDARVPROD, NMPRODUTO, QTPRODCOMVEN, VRPRECCOMVEN; into
// cdsParcProdutos). Titled "Conferencia de Mesa" when `tab` is empty or
// starts with "RES", else "Conferencia de Comanda". Each item prints its
// quantity, unit price and the line total truncated to two decimals; a
// discount, surcharge or service charge of 0 or less prints no line.
// Returns true. The 2nd to 4th parameters and the doubles marked unused are
// not read.
MDX_API bool Conferencia(const AnsiString& scheme, const AnsiString& unused2,
                         const AnsiString& unused3, AnsiString& unused4, const AnsiString& tab,
                         const AnsiString& table, const AnsiString& waiter,
                         const AnsiString& issued, const OleVariant& items, double discount,
                         double unused11, double unused12, double serviceCharge, double unused14,
                         double total, double surcharge);

// The table-opening document: as Conferencia without the waiter line,
// titled "Abertura de Mesa", with a pause (Delay 1) after the open and after
// the close. Returns true.
MDX_API bool Abertura_Mesa(const AnsiString& scheme, const AnsiString& tab,
                           const AnsiString& table, const AnsiString& unused4,
                           const AnsiString& issued, const OleVariant& items, double discount,
                           double unused8, double unused9, double serviceCharge, double unused11,
                           double total, double surcharge);

// The opening report of table or tab `number` (a table when it has exactly
// four characters) with its registered items (CDPROD, NMPROD, STQTDE,
// STVALOR; copied into cdsItemsReg); line totals are rounded to two
// decimals. Returns true. The first two texts are not read.
MDX_API bool RegistroVenda(const AnsiString& unused1, const AnsiString& unused2,
                           const AnsiString& scheme, TClientDataSet* items,
                           const AnsiString& number);

// The open tables and tabs (DSCOMANDA, NRMESA, DTHRABERMESA; into
// cdsMesaAberMdx), in the caller's order, with a section header wherever the
// kind changes: tables (DSCOMANDA starting "RES" or "PKR"), delivery tabs
// ("DLV") and tabs (anything else). Returns true. The dataset reference and
// the 2nd and 3rd texts are not read.
MDX_API bool ImprimeMesasAbertas(TClientDataSet*& unused1, const AnsiString& unused2,
                                 const AnsiString& unused3, const AnsiString& scheme,
                                 const OleVariant& tables);

// The products transferred between tables (NRMESA, NRMESADSCOMORIT,
// CDPRODUTO, NMPRODUTO, QTPRODCOMVEN, VRPRECCOMVEN; into cdsProdutoTransf),
// with a heading wherever the destination and origin change. The first two
// texts are not read.
MDX_API void imprimeProdutosTransf(const AnsiString& unused1, const AnsiString& unused2,
                                   const AnsiString& scheme, const OleVariant& products);

}  // namespace Mdx00200
