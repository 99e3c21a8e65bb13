// The session's start and end: StartImpFiscal, FechaPorta, StopImpFiscal.
#include "frame/data_module.h"
#include "frame/maker_libraries.h"
#include "frame/session_params.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

bool StartImpFiscal(Variant& params) {
  DataModule();
  // The flag tells about this start; a failed start must not keep the
  // verdict of an earlier one.
  boImpFiscalOK = false;
  bool selfService = false;
  // AbrePorta reads the first five again; reading them here reports an
  // unreadable record once, under this operation's name.
  try {
    ParamText(params, "CDFILIAL");
    ParamText(params, "CDCAIXA");
    ParamText(params, "NRSERIEIMP");
    ParamText(params, "ESQUEMA");
    ParamText(params, "CDPORTAIMPFIS");
    selfService = Xop_korvana::RecebeParams(params, "BOUTILTAA").AsBoolean();
  } catch (const std::exception& e) {
    ShowParameterError("StartImpFiscal", e);
  }
  boNUtilTaa = !selfService;

  LoadMakerLibraries();
  if (!ImpFisDLLHandle) return false;
  if (!ResolveSerialEntries()) {
    StopImpFiscal();
    return true;
  }
  if (!AbrePorta(params)) return false;
  if (SwMfdDLLHandle && !ResolveFiscalFileEntries()) {
    StopImpFiscal();
    return true;
  }
  boImpFiscalOK = true;
  return true;
}

int FechaPorta() {
  if (!SwedaFechaPorta) return 0;
  return SwedaFechaPorta(IdPortaImpFis);
}

void StopImpFiscal() { ForgetEntryPoints(); }

}  // namespace Mdx00200
