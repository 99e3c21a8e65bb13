// The status and query operations under their plain names. Each forwards to
// the operation of namespace Mdx00200; ContadorCupomFiscalMFD keeps its C++
// name only.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API AnsiString RetornoImpFiscal(const AnsiString& scheme, const AnsiString& code, bool flag) {
  return Mdx00200::RetornoImpFiscal(scheme, code, flag);
}

MDX_API bool Estado_Imp(const AnsiString& scheme, bool ownErrorHandling, bool repeatWhileBusy) {
  return Mdx00200::Estado_Imp(scheme, ownErrorHandling, repeatWhileBusy);
}

MDX_API AnsiString Nr_Cupom(const AnsiString& ignored, const AnsiString& scheme) {
  return Mdx00200::Nr_Cupom(ignored, scheme);
}

MDX_API bool Data_Imp(const AnsiString& scheme, AnsiString& dateTime) {
  return Mdx00200::Data_Imp(scheme, dateTime);
}

MDX_API bool BuscaTotGer(const AnsiString& scheme, AnsiString& total) {
  return Mdx00200::BuscaTotGer(scheme, total);
}

MDX_API bool Modelo_Impressora(const AnsiString& scheme, AnsiString& maker, AnsiString& model,
                               AnsiString& kind) {
  return Mdx00200::Modelo_Impressora(scheme, maker, model, kind);
}

MDX_API TDateTime DataMov(const AnsiString& scheme) { return Mdx00200::DataMov(scheme); }

MDX_API bool VerificaData(const AnsiString& scheme, TDateTime& date,
                          const AnsiString& printerDateTime, const AnsiString& movementDate,
                          bool readPrinter) {
  return Mdx00200::VerificaData(scheme, date, printerDateTime, movementDate, readPrinter);
}

MDX_API bool DataHoraGravacaoUsuarioSWBasicoMFAdicional(const AnsiString& scheme,
                                                        AnsiString& date, AnsiString& time,
                                                        AnsiString& user) {
  return Mdx00200::DataHoraGravacaoUsuarioSWBasicoMFAdicional(scheme, date, time, user);
}

MDX_API bool Versao_Software_Basico(const AnsiString& scheme, AnsiString& version) {
  return Mdx00200::Versao_Software_Basico(scheme, version);
}

MDX_API bool NumeroOperacoesNaoFiscais(const AnsiString& scheme, AnsiString& count) {
  return Mdx00200::NumeroOperacoesNaoFiscais(scheme, count);
}

MDX_API AnsiString Codigo_Nacional_ECF(int model, const AnsiString& version) {
  return Mdx00200::Codigo_Nacional_ECF(model, version);
}

MDX_API TDateTime DataMoviFiscal(const AnsiString& scheme) {
  return Mdx00200::DataMoviFiscal(scheme);
}

}  // extern "C"
