// Consumer credit and debit: sale receipts, personal-credit purchase and
// cancellation, balances and statements.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// Receipt and report lines are "08" + "0" + text; a spacing line is "08" +
// "9" + "1". Amounts on paper are the settings' currency ("R$ 12,50") or
// fixed with two decimals ("12,50"); an amount column is never cut, so a
// value wider than its column widens its line instead of losing digits.
//
// The personal-credit purchase and cancellation register their amounts on a
// non-fiscal receipt ("19" six blanks, "07" totalizer + 12-digit amount + 40
// blanks, "10" payment position + amount, "12N"). A totalizer or payment
// position that is not two digits, or an amount that is negative or past
// 9999999999,99, is refused before anything is sent: false, "ERRO!!!
// Parâmetro inválido. ..." in the debug log and the text in the host's
// dialog (kind 3) or, on a self-service terminal, in stMensagemTaa.
//
// A report these operations opened is closed even when one of its lines was
// refused (the result is then false), so the next document is not refused;
// only Cabecalho leaves its report open, for the host's lines.
// Datasets are read before the first command: a null dataset or a missing
// field raises mdx::EDatabaseError with nothing sent.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// ---- Consumer debit sale receipts -------------------------------------------

// The personal-credit receipt linked to the coupon just closed (48 columns).
// Nothing is printed and the result is true when saleAmount rounded to 2
// decimals is not above 0. Otherwise "27" + "1" (false when refused), "19" +
// "00" + "0000" + IdFormPagCPess (false when refused; nothing else sent),
// then the consumer block, one "08" per product of the data module's
// cdsProdCred (CDPRODIMPFIS or, when blank, CDARVPROD; NMPRODUTO,
// QTPRODCOMVEN, VRPRECCOMVEN) and the total block, whose balance lines
// follow balanceMode: "0" the final balance (previousBalance + subsidy +
// complement - saleAmount + the VRSALDCONFAM of cdsSaldCred), "1" one line
// per family of cdsSaldCred with a balance other than 0 (less its spending
// in cdsFamiliaSaldo, less its loan "D" or plus its credit "C" in
// cdsEmprestimo), any other value none. Subsidy and complement lines appear
// when above 0. The result is the verdict of the closing "12".
// unused2, unused3 and unused10 are not read.
MDX_API bool Imp_CompVenCred(const AnsiString& scheme, const OleVariant& unused2,
                             const OleVariant& unused3, double saleAmount,
                             const AnsiString& registration, const AnsiString& consumerName,
                             const AnsiString& clientCode, const AnsiString& clientLine,
                             const AnsiString& password, const AnsiString& unused10,
                             double previousBalance, double subsidy, double complement,
                             const AnsiString& balanceMode);

// The consumer-card receipt linked to the coupon just closed (40 columns,
// lines ending LF CR), on IdFormPagVCons, with the products of cdsProdDeb.
// As Imp_CompVenCred, in one "08": layoutMode "2" prints the total and the
// order password only; any other mode adds the final balance
// (previousBalance + subsidy + complement - saleAmount) and, above 0, the
// subsidised price. A non-empty extraText follows as "08" + LF + text + LF +
// 40 blanks. The client line and the total line are wider than 40 columns;
// the printer folds them. The result is the verdict of the closing "12".
MDX_API bool Comp_DebitoCons(const AnsiString& scheme, const OleVariant& unused2,
                             double saleAmount, const AnsiString& unused4,
                             const AnsiString& registration, const AnsiString& consumerName,
                             const AnsiString& clientCode, const AnsiString& clientText,
                             const AnsiString& password, double previousBalance, double subsidy,
                             double complement, const AnsiString& layoutMode,
                             const AnsiString& extraText, const AnsiString& unused15,
                             const AnsiString& unused16, const AnsiString& unused17,
                             const OleVariant& unused18);

// ---- Personal credit purchase and cancellation ------------------------------

// A purchase of personal credit paid with the records of `movements`
// (VRMOVIVEND amount, CDFPIMPFIS payment position, IDTIPORECE kind). Prints
// the purchase receipt twice in a management report (deposit, consumer,
// family, the total of VRMOVIVEND and previousBalance + that total as the
// final balance), closes it, then registers each record on its own
// non-fiscal receipt on `totalizer`; a record whose kind is neither "1" nor
// "2" then calls GravaDocumentosNaoFiscais(documentKey, scheme, "CN", "").
// When the report does not open, or the last line of the second copy is
// refused, nothing is registered and the result is false. True when every
// registration was accepted; false without records. Lines, "07" and "12N"
// are sent with own error handling when boNUtilTaa.
// Parameters named unused are not read.
MDX_API bool Compr_CredPessoal(
    const AnsiString& unused1, const AnsiString& totalizer, const AnsiString& documentKey,
    const AnsiString& unused4, const AnsiString& unused5, const AnsiString& scheme,
    AnsiString& unused7, AnsiString& unused8, TClientDataSet* movements, double previousBalance,
    const AnsiString& consumerName, const AnsiString& depositNumber, const AnsiString& unused13,
    const AnsiString& unused14, const AnsiString& unused15, const AnsiString& unused16,
    const AnsiString& unused17, const AnsiString& unused18, const AnsiString& unused19,
    const AnsiString& unused20, const AnsiString& unused21, const AnsiString& unused22,
    const AnsiString& unused23, const AnsiString& unused24, bool unused25,
    const AnsiString& familyName, const AnsiString& unused27, const AnsiString& unused28);

// The cancellation of a credit purchase: its receipt in a management report
// (couponNumber gets the printer's coupon number once the report opened),
// then, whether or not the report printed, `amount` registered on a
// non-fiscal receipt on `totalizer`, paid with `paymentPosition`. Every
// command with own error handling. True when the report was printed and
// closed and the registration accepted. unused2-4 and unused11 are not read.
MDX_API bool Cancela_Cred_Pessoal(const AnsiString& totalizer, const AnsiString& unused2,
                                  const AnsiString& unused3, const AnsiString& unused4,
                                  const AnsiString& scheme, AnsiString& couponNumber,
                                  const AnsiString& depositNumber, const AnsiString& clientCode,
                                  const AnsiString& consumerName,
                                  const AnsiString& paymentPosition, const AnsiString& unused11,
                                  double amount, double finalBalance,
                                  const AnsiString& familyName);

// Opens a management report ("13" + "S", outcome not examined) and prints a
// header: spacing, the title centred in 40, a rule, "Caixa: " + till + 11
// blanks + the date and time "dd/mm/yyyy hh:nn" (cut to 40), a rule; each
// line only while the one before was accepted. Returns the verdict of the
// last line. The report stays open. extraA and extraB are not read.
MDX_API bool Cabecalho(const AnsiString& scheme, const AnsiString& title, const AnsiString& till,
                       const AnsiString& extraA, const AnsiString& extraB);

// ---- Balances and statements ------------------------------------------------

// Family balances in a management report: a header with textA + " - " +
// textB, one line per record of `balances` from its current record
// (NMFAMILISALD, SALDOFAM) and their total. The family lines are sent even
// when the header was refused. True when the total line and the close were
// accepted.
MDX_API bool ImpSaldo(const AnsiString& scheme, TClientDataSet* balances, const AnsiString& textA,
                      const AnsiString& textB);

// A balance enquiry in the management report the host opened (48 columns):
// reads the coupon number, prints the header (textA + " - " + textB) and
// VRSALDOCONS of the current record of `consumer` as "Saldo Total", and
// closes the report. Always true.
MDX_API bool ImpSaldoDeb(const AnsiString& scheme, TClientDataSet* consumer,
                         const AnsiString& textA, const AnsiString& textB);

// Negative balances grouped by consumer type: for each record of `types`
// from its current one (CDTIPOCONS, NMTIPOCONS), the consumers of that type
// (CDTIPOCONS, NMCONSUMIDOR, SALDONEGATIVO) and their total. The first group
// is preceded by Cabecalho(scheme, text7, text6, text4, text5) and a title.
// Types without consumers print nothing; with no consumer at all nothing is
// sent and the result is false. True when the last total line and the close
// were accepted. The consumers' filter is restored afterwards.
MDX_API bool SaldoNegativo(const AnsiString& scheme, TClientDataSet* types,
                           TClientDataSet* consumers, const AnsiString& text4,
                           const AnsiString& text5, const AnsiString& text6,
                           const AnsiString& text7);

// Prints `statement` in the open report or receipt with Usa_CompNFis, in
// chunks of whole LF-ended lines of 500 characters or more (the last chunk
// may be shorter; a last line without LF goes unchanged). The report is
// neither opened nor closed. True when every chunk was accepted (an empty
// statement sends nothing and gives true).
MDX_API bool Extrato(const AnsiString& statement, const AnsiString& scheme);

// Family credit balances in a management report: the title, a column
// heading, one line per record of `balances` from its first record
// (NMFAMILISALD, VRSALDCONFAM) and their total; each line only while the
// one before was accepted. True when every line before the total and the
// close were accepted.
MDX_API bool Saldo_CredPessoal(const AnsiString& scheme, const AnsiString& title,
                               TClientDataSet* balances);

}  // namespace Mdx00200
