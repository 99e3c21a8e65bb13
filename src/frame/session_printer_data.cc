// Carrega_Dados_Impressora: the printer's identity from registers 1 and 3
// and the detailed status.
#include "channel/reply_fields.h"
#include "channel/status_command.h"
#include "frame/session_params.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

using channel::SendCommand;

namespace {

constexpr int kRegisterAttempts = 10;

// Register 3 between two probes "99"; the reply of the "27".
AnsiString ReadRegister3(const AnsiString& scheme) {
  SendCommand(scheme, "99", true, true);
  SendCommand(scheme, "27", "3", false, true);
  const AnsiString reply = SwedaRet;
  SendCommand(scheme, "99", true, true);
  return reply;
}

}  // namespace

bool Carrega_Dados_Impressora(Variant& params) {
  AnsiString scheme, updated, ecf, reduction, serial, movement;
  try {
    scheme = ParamText(params, "ESQUEMA");
    updated = ParamText(params, "DATAATUIMP");
    ecf = ParamText(params, "ECFIMP");
    reduction = ParamText(params, "REDIMP");
    serial = ParamText(params, "SERIEIMP");
    movement = ParamText(params, "DATAIMP");
  } catch (const std::exception& e) {
    ShowParameterError("Carrega_Dados_Impressora", e);
  }

  bool result = true;
  AnsiString reply;
  for (int attempt = 0; attempt < kRegisterAttempts; ++attempt) {
    if (attempt > 0) Consiste::Delay(1);
    SendCommand(scheme, "27", "1", true, true);
    reply = RetornoImpFiscal(scheme, "", false);
    if (replies::EndsRegisterWait(reply)) break;
  }
  movement = replies::MovementDate(reply);

  if (Consiste::EmptyString(movement)) {
    result = false;
  } else {
    SendCommand(scheme, "28", false, true);
    updated = replies::PrinterDateTime(SwedaRet);
    reduction = replies::ReductionFlag(SwedaRet);

    for (int attempt = 0; attempt < kRegisterAttempts; ++attempt) {
      if (attempt > 0) Consiste::Delay(1);
      reply = ReadRegister3(scheme);
      if (replies::Echo(reply) == "3" || replies::IsRefused(reply)) break;
    }
    ecf = replies::EcfNumber(reply);
    if (!ecf.empty()) serial = replies::SerialNumber(ReadRegister3(scheme));
  }

  params = mdx::VarArrayOf({
      mdx::VarArrayOf({"DATAATUIMP", updated}),
      mdx::VarArrayOf({"ECFIMP", ecf}),
      mdx::VarArrayOf({"REDIMP", reduction}),
      mdx::VarArrayOf({"SERIEIMP", serial}),
      mdx::VarArrayOf({"DATAIMP", movement}),
  });
  return result;
}

}  // namespace Mdx00200
