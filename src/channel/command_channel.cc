// EnviaComando_Sweda and ImpressoraOk: every command of the package goes
// through here, and every refusal is reported here.
#include "channel/frame.h"
#include "channel/serial_exchange.h"
#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

namespace {

// A printer that answers busy for ever must not hang the till: at most this
// many resends, each after one delay unit.
constexpr int kMaxBusyResends = 30;

void ShowReplyDialog(const AnsiString& scheme, const AnsiString& text) {
  Mensagemxop::Mensagem(text, "", "N", "N", mdx::tmInformacao, "", scheme, 0, nullptr);
}

// A frame longer than the printer takes is not sent: the call fails with a
// message that says so, shown (or gathered on a self-service terminal) and
// logged with the frame's start.
bool RefuseLongFrame(const AnsiString& scheme, const AnsiString& frame) {
  const AnsiString text = "Texto longo demais para um comando da impressora: " +
                          mdx::IntToStr(static_cast<long long>(frame.size())) +
                          " caracteres (o m\xE1ximo \xE9 " +
                          mdx::IntToStr(static_cast<long long>(channel::kLongestFrame)) + ").";
  ImpFisDebug("ERRO!!! " + text + " Comando : " + frame.substr(0, 60));
  SwedaRet.clear();
  stMensagemTaa += " " + text;
  if (boNUtilTaa) ShowReplyDialog(scheme, text);
  return false;
}

// Clears boComando whatever way the exchange ends.
struct CommandFlag {
  CommandFlag() { boComando = true; }
  ~CommandFlag() { boComando = false; }
};

}  // namespace

bool EnviaComando_Sweda(const AnsiString& scheme, const AnsiString& code, const AnsiString* params,
                        int lastIndex, bool ownErrorHandling, bool repeatWhileBusy) {
  CommandFlag flag;
  const AnsiString frame = channel::BuildFrame(code, params, lastIndex);
  if (frame.size() > channel::kLongestFrame) return RefuseLongFrame(scheme, frame);

  int resends = 0;
  for (;;) {
    ImpFisDebug("Comando : " + frame);
    SwedaRet = channel::Exchange(frame);
    if (!repeatWhileBusy || !channel::IsBusy(SwedaRet) || resends == kMaxBusyResends) break;
    ++resends;
    Consiste::Delay(1);
  }

  const bool accepted = channel::IsAccepted(SwedaRet);
  if (frame.compare(2, 2, "23") == 0) ImpFisDebug("Retorno da Impressora " + SwedaRet);
  if (!accepted && ownErrorHandling && !channel::IsBusy(SwedaRet)) {
    ImpFisDebug("ERRO!!! Comando : " + frame);
    return false;
  }
  return ImpressoraOk(scheme, ownErrorHandling, false, false);
}

bool ImpressoraOk(const AnsiString& scheme, bool show, bool /*b3*/, bool /*b4*/) {
  const Kor_msg::TMessages& messages = DataModule().msgPadrao;
  if (!channel::IsAccepted(SwedaRet)) {
    ImpFisDebug("ERRO!!! " + SwedaRet);
    stMensagemTaa += " " + messages.Msg("Ope_Imp_Pap");
    if (boNUtilTaa) {
      if (channel::IsPaperCode(SwedaRet)) {
        ShowReplyDialog(scheme, messages.Msg("Ope_Imp_Pap"));
        return true;
      }
      if (channel::IsOperationLeftOpen(SwedaRet)) {
        // Cancel the open operation straight away; its reply is not kept.
        channel::Exchange("\x1B.05}");
      }
    }
    stMensagemTaa += " " + messages.Msg("ComandoNExec");
    if (show) ShowReplyDialog(scheme, messages.Msg("ComandoNExec") + "\r\n" + SwedaRet);
    return false;
  }
  if (channel::IsPaperCode(SwedaRet)) {
    stMensagemTaa += " " + messages.Msg("PoucoPapel");
    if (boNUtilTaa) ShowReplyDialog(scheme, messages.Msg("PoucoPapel"));
  }
  return true;
}

}  // namespace Mdx00200
