// Management reports and non-fiscal receipts, cancellations, card-payment (TEF)
// receipts and the exchange coupon.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// Report text: a line ends with LF CR. A management report is "13" + "S"
// (open), "08" + "0" + text (text, many lines per command) and "12" (close).
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// ---- Management report and non-fiscal receipts ------------------------------

// Sends "12" (closes the open report or receipt) with the given flags and
// returns the channel's verdict.
MDX_API bool FechRelatGerenc(const AnsiString& scheme, bool ownErrorHandling,
                             bool repeatWhileBusy);

// Opens a management report ("13" + "S", the channel's own error handling).
// When it opened and `d` is not empty, records GravaCER(a, b, the printer's
// fiscal date) with the host; `c` is not read. Returns the verdict of the
// open; the report stays open for the host's lines and FechRelatGerenc.
MDX_API bool Relatorio_Gerencial_Imp(const AnsiString& scheme, const AnsiString& a,
                                     const AnsiString& b, const AnsiString& c,
                                     const AnsiString& d);

// The text-block buffer stAuxTextoMdx200. send false: appends text + LF CR,
// sends nothing. send true: appends text, sends the whole buffer as "08" +
// "0" + buffer and empties the buffer (also when the send fails). The
// verdict is not returned; an error is shown in the plain message box.
// Exported under its C++ name only.
MDX_API void imprimeBlocoSweda(const AnsiString& scheme, const AnsiString& text, bool send);

// The generic free-text reports: open "13" + "S" (outcome not examined), the
// text in blocks of 500 characters or more cut after an LF (a text without
// LF CR goes whole), each as "08" + "0" + block (refusals not examined),
// then FechRelatGerenc(scheme, true, false), whose verdict is the result.
//
// Relatorio_Generico: the 4th text is printed; on success the hook
// GravaDocumentosNaoFiscais(key, scheme, "RG", ""). The 2nd, 3rd and 6th
// are not read.
MDX_API bool Relatorio_Generico(const AnsiString& scheme, const AnsiString& unused2,
                                const AnsiString& unused3, const AnsiString& text,
                                const AnsiString& key, const AnsiString& unused6);
// Conferencia_Formatada: prints the last text; `couponNumber` gets the
// printer's coupon number read right after the open ("" when refused). No
// hook. The 2nd to 6th are not read.
MDX_API bool Conferencia_Formatada(const AnsiString& scheme, const AnsiString& unused2,
                                   const AnsiString& unused3, const AnsiString& unused4,
                                   const AnsiString& unused5, const AnsiString& unused6,
                                   AnsiString& couponNumber, const AnsiString& text);
// imprimeTipoRece: the scheme is the 3rd parameter, the key the 4th, the
// text the 5th; the hook on success as Relatorio_Generico. The 1st and 2nd
// are not read.
MDX_API bool imprimeTipoRece(const AnsiString& unused1, const AnsiString& unused2,
                             const AnsiString& scheme, const AnsiString& key,
                             const AnsiString& text);

// Non-fiscal receipt not linked to a coupon: "19" + a + b + c (in the
// printer's notation; `d` is not read), own error handling when boNUtilTaa.
// Returns the verdict.
MDX_API bool Cupom_NFiscNVinc(const AnsiString& scheme, const AnsiString& a, const AnsiString& b,
                              const AnsiString& c, const AnsiString& d);

// Reversal of the last non-fiscal receipt: "12", "53", "12", each with own
// error handling. Returns the verdict of "53". The texts are not read.
MDX_API bool EstornoNaoFiscal(const AnsiString& scheme, const AnsiString& unused2,
                              const AnsiString& unused3, const AnsiString& unused4);

// The document hook (key, scheme, document code "LX", "RZ", "RG", "CN" or
// "MF", empty text). Does nothing.
MDX_API void GravaDocumentosNaoFiscais(const AnsiString& key, const AnsiString& scheme,
                                       const AnsiString& code, const AnsiString& extra);

// Does nothing; its arguments stay as they are.
MDX_API void CarregaRelatorioGer(AnsiString& a, AnsiString& b, AnsiString& c, AnsiString& d,
                                 AnsiString& e, AnsiString& f, const AnsiString& g, int h);

// ---- Cancellations ----------------------------------------------------------

// Cancels the last item: "04" without parameters, own error handling.
MDX_API bool Cancela_UltimoItem(const AnsiString& scheme);

// Cancels item `item` (already in the printer's format, sent unchanged):
// "04" + item, own error handling. The wide texts and reals are not used.
MDX_API bool Cancela_ItGenerico(const AnsiString& scheme, const AnsiString& item,
                                const WideString& w1, const WideString& w2, const WideString& w3,
                                const WideString& w4, const WideString& w5, const WideString& w6,
                                const WideString& w7, double r1, double r2);

// Cancels the coupon. params[0..highIndex] (at least 7 elements): 0 scheme,
// 1 own error handling and 2 busy repeat for "05", 3 ignored, 4 CDFILIAL,
// 5 CDCAIXA, 6 NRSERIEIMP. `result` must be an array with a cell 0, which
// gets the printer's coupon number. An empty number (the printer did not
// answer) gives false with nothing else sent. Otherwise "05", then, whatever
// its outcome, Atu_TotGeral in update mode for the branch, till and serial
// number. Returns whether "05" was accepted. A list too short, a null
// pointer or a value that does not convert is refused before anything is
// sent ("Erro no recebimento dos parâmetros da função: Cancela_Cupom_Imp -
// Mdx_00200.bpl" logged, gathered and shown where dialogs may be shown).
MDX_API bool Cancela_Cupom_Imp(const Variant* params, int highIndex, OleVariant& result);

// ---- Card-payment (TEF) receipts and the exchange coupon --------------------

// Prints the card receipts. After "23" (refused: the printer-not-responding
// question on a till with dialogs, yes asks again), opens the document:
// mode 2 a management report ("12", then "13" + "S"); else kind "N" the
// receipt linked to the coupon ("19" + "00" + "0000" + paymentCode); else a
// management report. For each receipt i: its text when kind is "N", then
// copies[i] when terminal is neither "APC" nor "TAA" and copies has it; the
// last is followed by "12". Texts go in groups of four LF-ended lines ("08"
// + "0" + group without its last LF, busy repeat, sent twice at most); a
// remainder without LF is the last group. A failure asks the question on a
// till with dialogs: yes prints everything again from the first receipt in
// a management report. Own error handling follows boNUtilTaa. True when all
// receipts were printed and the document closed; false for an empty or null
// receipt list (after "23"), a no, or a failure on a self-service terminal.
// text1-3, list3, list4, text5, text7, amount and real2 are not read.
MDX_API bool ImprimeTef(const AnsiString& text1, const AnsiString& text2,
                        const AnsiString& text3, const AnsiString& scheme,
                        TStringList* receipts, TStringList* copies, TStringList* list3,
                        TStringList* list4, const AnsiString& text5,
                        const AnsiString& paymentCode, const AnsiString& text7, double amount,
                        double real2, int mode, const AnsiString& kind,
                        const AnsiString& terminal);

// The exchange coupon: the 4th text printed as a generic free-text report
// (see Relatorio_Generico), without hook. The 2nd and 3rd are not read.
MDX_API bool Cupom_Troca(const AnsiString& scheme, const AnsiString& unused2,
                         const AnsiString& unused3, const AnsiString& text);

}  // namespace Mdx00200
