// Printer status and queries.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// Every query goes through EnviaComando_Sweda, so refusals are reported (and
// gathered in stMensagemTaa) by the channel as its flags say; the fields are
// cut from the reply by position.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Code "27": the coupon number (6 characters from position 73 of register
// "H", asked up to 3 times until a complete block or a refusal; "" when it
// was refused). Code "98": the same with the counter at 61. Code "22": "00"
// when position 6 of the last reply is "0", else "01". Any other code: the
// last reply, SwedaRet. The result is logged. `flag` has no effect.
MDX_API AnsiString RetornoImpFiscal(const AnsiString& scheme, const AnsiString& code, bool flag);

// Clears stMensagemTaa, sends "23" with the caller's flags and sets
// boClieUtil to the outcome, which it returns.
MDX_API bool Estado_Imp(const AnsiString& scheme, bool ownErrorHandling, bool repeatWhileBusy);

// The coupon number (RetornoImpFiscal code "27") after an accepted "27"/"1";
// "" when that is refused. The first argument is ignored.
MDX_API AnsiString Nr_Cupom(const AnsiString& ignored, const AnsiString& scheme);

// The printer's fiscal-coupon counter (RetornoImpFiscal code "98") after an
// accepted "98"/"1". True when the counter is not blank. Exported under its
// C++ name only.
MDX_API bool ContadorCupomFiscalMFD(const AnsiString& scheme, AnsiString& counter);

// The printer's date and time, DDMMYYhhnn, from "28" (positions 47-56 of the
// last reply, whatever the outcome). The refusal is only logged when
// boNUtilTaa or not boClieUtil. True when "28" was accepted.
MDX_API bool Data_Imp(const AnsiString& scheme, AnsiString& dateTime);

// The printer's grand total from register 1 (17 digits with two implied
// decimals), written as a number with the current decimal separator
// ("12345,67"). False, leaving `total` as it was, when "27"/"1" is refused.
// Raises mdx::EConvertError when the field holds no number.
MDX_API bool BuscaTotGer(const AnsiString& scheme, AnsiString& total);

// "SWEDA", "ST200", "ECF-IF"; sends nothing; true.
MDX_API bool Modelo_Impressora(const AnsiString& scheme, AnsiString& maker, AnsiString& model,
                               AnsiString& kind);

// The movement date of register 1 (asked twice at most, "23" in between):
// today when it reads "000000" or is no valid DDMMYY date.
MDX_API TDateTime DataMov(const AnsiString& scheme);

// Compares the printer's clock (read with Data_Imp when readPrinter, else the
// given DDMMYYhhnn text) with the host's clock. More than 15 minutes apart:
// the "Datadif" dialog (when boNUtilTaa or not boClieUtil), boClieUtil false,
// result false. `date` := movementDate (DDMMYY) or today, and today when a
// text does not convert. A failed Data_Imp gives false and leaves `date`.
MDX_API bool VerificaData(const AnsiString& scheme, TDateTime& date,
                          const AnsiString& printerDateTime, const AnsiString& movementDate,
                          bool readPrinter);

// Always true; the outputs are left as they are.
MDX_API bool DataHoraGravacaoUsuarioSWBasicoMFAdicional(const AnsiString& scheme,
                                                        AnsiString& date, AnsiString& time,
                                                        AnsiString& user);
MDX_API bool Versao_Software_Basico(const AnsiString& scheme, AnsiString& version);
MDX_API bool NumeroOperacoesNaoFiscais(const AnsiString& scheme, AnsiString& count);

// The national ECF code of a model and firmware version: 17 with "010003"
// "381701", with "010004" "381702", with any other "381703"; 25 "382001";
// any other model "000000".
MDX_API AnsiString Codigo_Nacional_ECF(int model, const AnsiString& version);

// The fiscal movement date: register 1's date (asked up to 10 times), or the
// printer's date of "28" when the movement date is earlier and position 21
// is "S" or "N". Today when the result is no valid date.
MDX_API TDateTime DataMoviFiscal(const AnsiString& scheme);

}  // namespace Mdx00200
