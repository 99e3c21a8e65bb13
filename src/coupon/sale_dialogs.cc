#include "coupon/sale_dialogs.h"

#include "frame/data_module.h"
#include "mdx00200/hostlib.h"

namespace Mdx00200::coupon {

bool SendSaleCommand(const AnsiString& scheme, const AnsiString& code,
                     const std::vector<AnsiString>& params, bool ownErrorHandling) {
  return EnviaComando_Sweda(scheme, code, params.data(), static_cast<int>(params.size()) - 1,
                            ownErrorHandling, false);
}

bool AskPrintAgain(const AnsiString& scheme) {
  return AskYesNo(scheme, DataModule().msgPadrao.Msg("Imp_N_Resp"));
}

bool AskYesNo(const AnsiString& scheme, const AnsiString& text) {
  return Mensagemxop::Mensagem(text, "", "N", "S", mdx::tmErro, "", scheme, 0, nullptr);
}

void Notify(const AnsiString& scheme, const AnsiString& text) {
  if (boNUtilTaa) {
    Mensagemxop::Mensagem(text, "", "N", "N", mdx::tmErro, "", scheme, 0, nullptr);
  } else {
    stMensagemTaa += " " + text;
  }
}

bool RefuseBeforeSending(const AnsiString& scheme, const AnsiString& text) {
  ImpFisDebug("ERRO!!! " + text);
  boClieUtil = false;
  stMensagemTaa += " " + text;
  if (boNUtilTaa) Mensagemxop::Mensagem(text, "", "N", "N", mdx::tmErro, "", scheme, 0, nullptr);
  return false;
}

AnsiString MisfitText(const AnsiString& detail) {
  return DataModule().msgPadrao.Msg("ParamInvalido") + " " + detail;
}

}  // namespace Mdx00200::coupon
