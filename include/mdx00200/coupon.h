// The sale: coupon opening, item registration, closing with payments, footer
// and change voucher.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// Every command of a sale carries fixed-width fields that the printer reads
// by position. A value that does not fit its field (a quantity of 10,000 or
// more, a price or amount past its digits, a negative amount, a code of the
// wrong width) is refused before anything is sent: the operation returns
// false, the printer sees nothing, and the reason (catalogue "ParamInvalido"
// + what did not fit) is logged, gathered in stMensagemTaa and, where dialogs
// may be shown (boNUtilTaa), shown with kind 3. A record or list that cannot
// be read is refused the same way, with the text "Erro no recebimento dos
// parâmetros da função: <operation> - Mdx_00200.bpl", CR and the reason.
//
// "The printer-not-responding question" below is the dialog "Impressora não
// responde. Imprimir novamente?" (kind 3, options "N" and "S"); it is asked
// only on a till with dialogs (boNUtilTaa) that uses TEF for the sale
// (IDUTILTEF or the TEF mode "S" or "T", and UTILTEF true).
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Opens a fiscal coupon: sends "17" with INCLUICPF unchanged (empty opens the
// coupon without a consumer). Reads ESQUEMACOR, INTTEFERRO, INCLUICPF,
// INCLUINOME, INCLUIENDERECO, CUPNR, CONTCUPOM, IDUTILTEF, UTILTEF (TIPOTICKET,
// IVACOMP, IVAPROP, TIPODOC, NRDOC and MESA may be given and are ignored).
// A refusal on a TEF till asks the printer-not-responding question: yes sets
// INTTEFERRO to 1 and sends again; no returns false leaving the record as it
// was. Otherwise the record is replaced by seven pairs INTTEFERRO, INCLUICPF,
// INCLUINOME, INCLUIENDERECO, CUPNR, CONTCUPOM, MENSAGEMTAA; after an
// accepted "17" CUPNR and CONTCUPOM hold the printer's coupon number and
// fiscal-coupon counter. boClieUtil becomes false when the printer accepted
// or on a self-service terminal. Returns whether "17" was accepted.
MDX_API bool AbreCupom(Variant& record);

// Registers one item on the open coupon: "01" with code (13, zero-filled),
// quantity (4 + 3 implied decimals, truncated), unit price (9, 2 implied
// decimals, truncated), line total (12, truncated), description (24: "?" +
// UNIDADE + NMPROD when a unit is given) and tax-rate code (3); then "02"
// when DESCONT > 0 and "60" when ACRESCIMO > 0 ("0000" + 12 digits,
// truncated). Reads ESQUEMACOR, INTTEFERRO, CDARVPROD, NMPROD, CDALIQ, QTDE,
// VALOR, DESCONT, UNIDADE, IDUTILTEF, UTILTEF, ACRESCIMO (MESA, FLAG, IDALIQ,
// TIPOTICKET and VRPERCALIQ may be given and are ignored). A refused "01"
// asks the printer-not-responding question on a TEF till (yes: INTTEFERRO
// := 1) and otherwise the item question "Erro ao imprimir o item: ", code
// " - " name, "Deseja imprimir novamente?"; a refused "02"/"60" asks the item
// question. Yes sends the command again. On success the record is replaced
// by the pairs INTTEFERRO, MENSAGEMTAA and the result is true; every failure
// returns false with the record as the host sent it, and boClieUtil false
// (except after a no to the printer-not-responding question). An item
// already registered when its "02"/"60" fails stays on the printer.
MDX_API bool VendaItem(Variant& record);

// Closes the open coupon. `params` is params[0..highIndex], at least 61
// elements; `tefLines` the host's TEF receipt (may be null); `result` the
// host's array with cells 0 to 3. Elements (others are ignored):
//   0 change-voucher totalizer (2 digits)  1 first footer line   2 scheme
//   4 print a change voucher   6 subtotal discount   7 voucher amount
//   8 subtotal surcharge       9 TEF mode ("S", "T")  10 free text (4 x 40)
//   11 TEF in use   13 movements (data packet)   14 payment methods (packet)
//   15, 16 client code, name   17, 18 consumer code, name   19 consumer
//   CPF/CNPJ   20 name for the "NOME" line   21 table or tab   22, 23
//   operator code, name   27 balance kind   31 order password   32, 33, 34
//   credit balances, family spending, loans (packets or null)   35 "2" =
//   family footer   36 credit kind   37 balance before the sale   38
//   subsidised price   40 "S" = TEF receipt in the footer   43 state ("PB")
//   44 store CNPJ   51, 58 federal and state taxes   52, 54 points earned
//   60 print the consumer line (null = true)
// A value that does not convert ends the reading; later elements keep their
// defaults. In order:
// - paid movements ("E", and "T" with TEF) become payments, one per method
//   when TEF is in use; every field is checked (see the top of this file);
// - the coupon number is read; a till in TEF mode "T" checks the status;
// - "03" (discount) or "1151" (surcharge); one "10" per payment (the
//   method's CDFPIMPFIS, else characters 2-3 of its code, + 12 digits);
// - after a payment, "12N" with the footer: the first line, the tax text,
//   the Paraíba Legal text, then the lines of one of seven variants (the
//   TEF variant is not sent when tefLines is null and prints missing TEF
//   lines as blanks; missing family or loan data adjusts nothing);
// - with element 4, the change voucher "19", "07", "10" (when boTotalCV),
//   "12N".
// A refused command asks the printer-not-responding question on a TEF till;
// a no, any other refusal, or a voucher without its totalizer returns false
// at once, leaving `result` untouched. Otherwise `result` gets 0, the coupon
// number, "" and stMensagemTaa, and boClieUtil becomes true exactly when
// stMensagemTaa is empty; the result is false when an error was raised after
// the first command that changes the coupon. The coupon stays open whenever
// its closing command was not accepted.
MDX_API bool FechaCupom(const Variant* params, int highIndex, TStringList* tefLines,
                        OleVariant& result);

}  // namespace Mdx00200
