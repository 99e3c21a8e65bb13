// AbrePorta: opens the port and brings the printer to a known state.
#include "channel/reply_fields.h"
#include "channel/status_command.h"
#include "day/pending_total.h"
#include "frame/data_module.h"
#include "frame/session_params.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

using channel::SendCommand;

namespace {

// The serial library's number of a port name: its index in Portas (exact
// comparison), 14 when the name is none of them.
int PortNumber(const AnsiString& portName) {
  for (int i = 0; i < 14; ++i) {
    if (Portas[i] == portName) return i;
  }
  return 14;
}

// The open entry succeeds when its result is not zero in the low seven bits.
bool OpenPort(int portNumber) {
  if (!SwedaAbrePorta) return false;
  return (SwedaAbrePorta(portNumber, 5) & 0x7F) != 0;
}

bool UnfinishedSaleFiles() {
  const AnsiString directory = mdx::Host().HostDirectory();
  return mdx::platform::FileExists(directory + "cdsVenda.cds") ||
         mdx::platform::FileExists(directory + "cdsItensCancelados.cds");
}

}  // namespace

bool AbrePorta(const Variant& params) {
  DataModule();
  const AnsiString branch = ParamText(params, "CDFILIAL");
  const AnsiString till = ParamText(params, "CDCAIXA");
  const AnsiString serial = ParamText(params, "NRSERIEIMP");
  const AnsiString scheme = ParamText(params, "ESQUEMA");
  const AnsiString portName = ParamText(params, "CDPORTAIMPFIS");

  ImpFisDebug(AnsiString(59, '-'));
  ImpFisDebug("Inicializando sistema, abrindo porta de comunica\xE7\xE3o" + portName);
  IdPortaImpFis = 1;
  Consiste::Delay(1);

  if (!OpenPort(PortNumber(portName))) {
    ImpFisDebug("ERRO!!! Abrindo porta " + portName);
    Mensagemxop::Mensagem("Erro na abertura da porta de comunica\xE7\xE3o: " + portName, "", "N", "N",
                          mdx::tmErro, "", scheme, 0, nullptr);
    return false;
  }

  if (!SendCommand(scheme, "23", true, false)) return false;
  const bool result = ImpressoraOk(scheme, true, false, false);

  SendCommand(scheme, "28", false, true);
  const Variant update = mdx::VarArrayOf({
      mdx::VarArrayOf({"CDFILIAL", branch}),
      mdx::VarArrayOf({"CDCAIXA", till}),
      mdx::VarArrayOf({"NRSERIEIMP", serial}),
      mdx::VarArrayOf({"ESQUEMACOR", scheme}),
      mdx::VarArrayOf({"IDVALIDA", "N"}),
  });
  if (replies::SaleUnderWay(SwedaRet) || UnfinishedSaleFiles()) {
    grandtotal::RecordPending();
    SendCommand(scheme, "05", false, false);
    Atu_TotGeral(update);
  } else if (grandtotal::Pending()) {
    // A cancellation whose file update the end of the process cut off.
    Atu_TotGeral(update);
  }
  SendCommand(scheme, "12", false, false);
  return result;
}

}  // namespace Mdx00200
