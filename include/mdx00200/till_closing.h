// The till closing: withdrawal receipt, closing reports and the Z capture.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// The till-closing routine. What it prints goes into management reports
// ("13" + "S" ... "12"); it prints nothing fiscal and makes no Z reduction.
//
// With `printReceipt`: an X reading first when `xReadingFirst` is "S"; then
// the withdrawal receipt in two copies (supervisor's and operator's), one
// line per row of `closingAmounts` (NRENVELOPE, NMTIPORECE and VRFECHADIG
// when `typedAmounts`, else VRFECHAINF), with `reason` and `observation`
// when given and the envelope column when `envelopeColumn` is "S". With
// `typedAmounts` the routine ends there. Otherwise the product report
// (Relatorio_Produto with `key`, `productText4`, `productText5`, `products`,
// `productConfirmMode`, `productGrouped`) and closing report A (sales of
// `products`, the credit purchases, the movements of `movements`, the total
// withdrawn and the surplus or shortage) follow.
//
// Then, unless `reprint`, the question "Deseja abrir o caixa?": yes ends the
// routine with true (the host reopens the till). Unless `zAllowed` and
// `zConfirm` are both true the routine ends there; otherwise it asks
// "Confirma impressão da redução z?" (no ends it). Then "Confirma impressão
// dos relatórios de fechamento?": yes prints the product report and closing
// report B (sales of `salesTotals`, movements of `movementTotals`). Last,
// unless `reprint`, the data of the coming Z reduction (ExportRedZ with
// `ecfNumber` and `receiptTypes`) goes into `zReduction`, `zPayments`,
// `zTaxes` and `zTotalizers`, and `zCaptured` becomes true; when the capture
// fails they are left as they were and `zCaptured` stays false.
//
// In reprint mode `closingAmounts`, `withdrawals`, `operatorSupervisor`,
// `movements` and `receiptTypes` are not read: what the last call loaded is
// printed again. `documentNumber` gets the coupon number after the X reading
// when one is made; otherwise, when it is empty, that of the first report
// printed. `credit` gives the credit purchases (VRCARGACREDITO of its current
// row). `withdrawals` is loaded and not read.
//
// Every dataset the flags lead to must be there with the fields read
// (operatorSupervisor: CDSUPERVISOR, NMSUPERVISOR, NMOPERADOR; movements and
// movementTotals: IDTIPOREG, NMTIPORECE, VRSAIDA; products and salesTotals:
// VRTOTAL; the four Z datasets): otherwise mdx::EDatabaseError, before
// anything is sent. Refused commands end the report they belong to; the
// questions still follow.
//
// The result is true only when the operator chose to reopen the till. The
// 1st, 16th and 19th parameters are not read.
MDX_API bool GeraReciboSangria(
    const AnsiString& unused1, const AnsiString& key, const AnsiString& productText4,
    const AnsiString& productText5, const AnsiString& ecfNumber, int zInteger,
    AnsiString& documentNumber, TClientDataSet* closingAmounts, TClientDataSet* withdrawals,
    TClientDataSet* products, TClientDataSet* operatorSupervisor, TClientDataSet* movementTotals,
    TClientDataSet* movements, TClientDataSet* salesTotals, TClientDataSet* credit,
    TDateTime unused16, bool printReceipt, bool zAllowed, bool unused19,
    TClientDataSet*& zReduction, TClientDataSet*& zPayments, TClientDataSet*& zTaxes,
    TClientDataSet*& zTotalizers, bool& zCaptured, TClientDataSet* receiptTypes,
    const AnsiString& productConfirmMode, const AnsiString& productGrouped,
    const AnsiString& xReadingFirst, const AnsiString& envelopeColumn, const AnsiString& scheme,
    bool typedAmounts, bool reprint, bool zConfirm, const AnsiString& reason,
    const AnsiString& observation);

}  // namespace Mdx00200
