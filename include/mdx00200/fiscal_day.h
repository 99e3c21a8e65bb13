// The fiscal day and cash: X reading, Z reduction, fiscal-memory reports,
// supply and withdrawal.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// ---- Day readings -----------------------------------------------------------
// Each sends one command with the channel's own error handling and no busy
// repeat, and returns the channel's verdict. A refusal is only logged; the
// host reports it.

// The X reading: "13" + "N", then Delay(1) whatever the outcome; on success
// the hook GravaDocumentosNaoFiscais(key, scheme, "LX", ""). The 2nd and 4th
// texts are not read.
MDX_API bool Leitura_X_Imp(const AnsiString& key, const AnsiString& unused2,
                           const AnsiString& scheme, const AnsiString& unused4);
// The Z reduction: "14" + "N" + the host's date (not the printer's) as
// "ddmmyy", then Delay(40) whatever the outcome; on success the hook with
// "RZ". The 2nd and 4th texts are not read.
MDX_API bool Reducao_Z_Imp(const AnsiString& key, const AnsiString& unused2,
                           const AnsiString& scheme, const AnsiString& unused4);
// Fiscal-memory report by date range: "16" + first + last, the bounds sent
// as the host gives them (in the printer's notation, neither checked nor
// padded).
MDX_API bool Memoria_Fiscal_Data_Sweda(const AnsiString& scheme, const AnsiString& first,
                                       const AnsiString& last);
// Fiscal-memory report by reduction-number range: "15" + first + last, as
// above.
MDX_API bool Memoria_Fiscal_RedZ_Sweda(const AnsiString& scheme, const AnsiString& first,
                                       const AnsiString& last);
// The totals register: "27" + "1" with the caller's flags. The reply stays
// in SwedaRet for the host to read.
MDX_API bool Leitura_Totais_Imp(const AnsiString& scheme, bool ownErrorHandling,
                                bool repeatWhileBusy);

// ---- Supply and withdrawal --------------------------------------------------
// A non-fiscal receipt on the entry/exit totalizer: "19" + IdTotParcES + 6
// blanks (busy repeat), "07" + the supply or withdrawal totalizer + amount +
// 40 blanks, for a supply "10" + "01" + amount (paid in method 01), and "12".
// The amount goes in 12 digits with two implied decimals; 0 goes as 0.01.
// A negative amount, or one past 9999999999.99, is refused before anything is
// sent: false, "ERRO!!! Parâmetro inválido. ..." in the debug log, the text
// shown (kind 3) where dialogs may be shown, else gathered in stMensagemTaa.
// The first refused command stops the operation: "ErroComando" is shown
// (kind 0 for the open of a supply, kind 3 otherwise) and the result is
// false; a receipt already open stays open. The first text is not read.

// Supply: IdTotParcSup, with Delay(1) after the open.
MDX_API bool Suprimento(const AnsiString& unused1, const AnsiString& scheme, double amount);
// Withdrawal: IdTotParcSang, no payment.
MDX_API bool Sangria(const AnsiString& unused1, const AnsiString& scheme, double amount);

// ---- Z-reduction data capture ----------------------------------------------

// Reads the coupon number and the 21 information registers ("27" + "1".."9",
// "A".."L") and fills the data of the coming Z reduction: one summary row
// (its counters those of the coming reduction), one row per payment method
// and non-fiscal totalizer with movement, one row per tax rate of the
// printer's table; every row carries `ecfNumber` and the printer's movement
// date.
//
// `receiptTypes` maps the printer's payment positions (CDFPIMPFIS "01".."20")
// to the host's receipt types; a position without one gives no row. The tax
// rates must have been loaded with CarregaAliquota before each capture: the
// capture closes cdsAliqImpFis after use. Totalizer rows are named from
// stLegendasNFiscal (CarregaTotalizador).
//
// The four datasets are copied in first; on return each holds the rows
// captured, in the data module's layout. True when the capture ran to the
// end. False when it failed (the reason goes to the debug log; nothing is
// shown): a missing dataset, no coupon number or a register the printer did
// not answer leave the four datasets as they were; a failure while the rows
// are built (an amount that does not convert, a tax table that cannot be
// opened) gives back the rows captured up to it, and the datasets not reached
// keep what they held. The first and the integer parameters are not read.
MDX_API bool ExportRedZ(const AnsiString& unused1, const AnsiString& scheme,
                        const AnsiString& ecfNumber, int unused4, TClientDataSet* receiptTypes,
                        TClientDataSet*& reduction, TClientDataSet*& payments,
                        TClientDataSet*& taxes, TClientDataSet*& totalizers);

// Positional-parameter operation that reads nothing, changes nothing and
// returns true.
MDX_API bool DadosUltimaRedZ(const Variant* params, int highIndex, OleVariant& result,
                             TClientDataSet*& dataSet);

}  // namespace Mdx00200
