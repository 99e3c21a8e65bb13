// Fixed facts about the printer model, and the queries this model does not
// answer (they succeed and fill nothing).
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

bool Modelo_Impressora(const AnsiString& /*scheme*/, AnsiString& maker, AnsiString& model,
                       AnsiString& kind) {
  maker = "SWEDA";
  model = "ST200";
  kind = "ECF-IF";
  return true;
}

AnsiString Codigo_Nacional_ECF(int model, const AnsiString& version) {
  if (model == 17) {
    if (version == "010003") return "381701";
    if (version == "010004") return "381702";
    return "381703";
  }
  if (model == 25) return "382001";
  return "000000";
}

bool DataHoraGravacaoUsuarioSWBasicoMFAdicional(const AnsiString& /*scheme*/, AnsiString& /*date*/,
                                                AnsiString& /*time*/, AnsiString& /*user*/) {
  return true;
}

bool Versao_Software_Basico(const AnsiString& /*scheme*/, AnsiString& /*version*/) { return true; }

bool NumeroOperacoesNaoFiscais(const AnsiString& /*scheme*/, AnsiString& /*count*/) { return true; }

}  // namespace Mdx00200
