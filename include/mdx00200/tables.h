// The printer's tables: tax rates, payment methods, non-fiscal totalizers.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// The loaders read a table with command "29" and one sub-code per piece;
// each piece is asked for up to 10 times, with one-unit Delay pauses between
// attempts, until the printer answers that piece or refuses. A piece left
// unanswered or refused is unread: it gives no tax rates, and a
// payment-method or totalizer table with an unread piece is not used at all
// (its positions could not be told), so nothing is programmed from it.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// ---- Tax rates --------------------------------------------------------------

// Reads the printer's tax-rate table into the data module's cdsAliqImpFis
// (created anew: CDALIQIMPFIS the 3-character code, VRALIQIMPFIS the rate in
// percent, IDALIQIMPFIS the code's first character), adds the rows "N", "I"
// and "F" at rate 0, and copies the data into *hostDataSet.
// Raises mdx::EDatabaseError, before anything is sent, when hostDataSet is
// null; a rate that is not a number raises mdx::EConvertError.
MDX_API void CarregaAliquota(const AnsiString& scheme, TClientDataSet*& hostDataSet);

// ---- Payment methods --------------------------------------------------------

// Matches the host's payment methods (records of *hostDataSet with
// IDTPBUTTON "5", fields of cdsReceb) with the printer's payment-method table
// by their printer name (DSIMPFISCAL upper-cased, cut to 15):
// - methods shown (IDMOSTRARECE "S" or blank) that the printer lacks are
//   programmed with "39" (flag "S", a "#" before the name when their change
//   method has kind "7") and removed from *hostDataSet for this load;
// - "Rel Gerencial" (the management-report method) is programmed when missing;
//   "39" is sent even when nothing is missing;
// - every method found on the printer gets its two-digit position in
//   CDFPIMPFIS. A method whose record came in with a CDFPIMPFIS keeps it; the
//   other entries are numbered in table order from firstPosition, never
//   below a code kept before them plus one. A method left without a position
//   takes the code of a coded record with the same DSIMPFISCAL. IDEMIVALE is
//   "S" when this load programmed something; kind "B" methods are hidden
//   (IDMOSTRARECE "N").
// Sets stRelGer (the management-report method's position) and the
// CdFormPag.../IdFormPag.../DsFormPag... globals (code, position, first 16
// characters of DSIMPFISCAL) of the methods of kind "9" and "A"; each is
// empty when the printer does not hold that method. Leaves
// *hostDataSet unfiltered on its first record, and copies its data into
// cdsTipoRece. `ignored` is not used. When the table cannot be read nothing is
// programmed and *hostDataSet keeps its records and codes.
// Raises mdx::EDatabaseError, before anything is sent, when hostDataSet is
// null; dataset errors (a missing field) reach the caller.
MDX_API void CarregaRecebimento(const AnsiString& ignored, const AnsiString& scheme,
                                int firstPosition, TClientDataSet*& hostDataSet);

// Sends "39" with `methods` (entries of 16 characters: a flag and a 15-character
// name) as its only parameter, with the caller's flags; the verdict of the
// command channel. A list whose length is not a multiple of 16 is refused
// before anything is sent: false, logged, and (unless ownErrorHandling)
// shown and gathered in stMensagemTaa.
MDX_API bool Config_Forma_Pg(const AnsiString& scheme, const AnsiString& methods,
                             bool ownErrorHandling, bool repeatWhileBusy);

// ---- Non-fiscal totalizers --------------------------------------------------

// Reads the printer's totalizer table (50 entries of 15 characters: marker
// "&" header, "+" or "-", and a 14-character name) into stLegendasNFiscal,
// finds the package's six totalizers by their catalogue names, programs the
// missing ones with "38" and, when it did, reads the table once more.
// Results are two-digit positions, empty when not found: IdTotParcSup,
// IdTotParcSang and their header IdTotParcES; the consumer-card, personal
// credit and credit-cancel totalizers in consumerCardIndex,
// creditPurchaseIndex and creditCancelIndex, their header in IdTotParcOutr;
// the change-voucher totalizer in cvIndex, with boTotalCV true when it adds
// ("+"). spare is cleared. An unread table leaves every result empty and
// programs nothing. The int and the dataset are not used (hostDataSet may be
// null).
MDX_API void CarregaTotalizador(AnsiString& cvIndex, AnsiString& consumerCardIndex,
                                AnsiString& creditPurchaseIndex, AnsiString& creditCancelIndex,
                                AnsiString& spare, const AnsiString& scheme, int unused,
                                TClientDataSet*& hostDataSet);

// Sends "10" with the payment-method position (2 digits) and the amount (12
// digits, 2 implied decimals), ownErrorHandling on, no busy repeat. Any other
// shape is refused before anything is sent (false, logged): the printer would
// read a misaligned frame with other values.
MDX_API bool Totaliza_NFiscal_Imp(const AnsiString& scheme, const AnsiString& position,
                                  const AnsiString& amount);

// Sends "38" with p1..p4 in order and the caller's flags (names totalizers:
// p1 is the mode, "N"; p2..p4 hold entries of 15 characters, a marker and a
// 14-character name). When p2..p4 together are not whole entries the command
// is refused before anything is sent, as Config_Forma_Pg does.
MDX_API bool Nomeia_TotParcial_Imp(const AnsiString& scheme, const AnsiString& p1,
                                   const AnsiString& p2, const AnsiString& p3, const AnsiString& p4,
                                   bool ownErrorHandling, bool repeatWhileBusy);

// Sends "08" with "0" and `text` (a line for the open report or receipt), no
// flags.
MDX_API bool Usa_CompNFis(const AnsiString& scheme, const AnsiString& text);

}  // namespace Mdx00200
