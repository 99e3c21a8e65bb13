// Keeping the package's session ready between fuzz inputs.
#include "op_session.h"

#include "mdx00200/platform.h"

namespace mdx::fuzz {

void ConnectSerial(Mdx00200::LibraryHandle library) {
  using namespace Mdx00200;
  SwedaAbrePorta = reinterpret_cast<TSwedaAbrePorta>(platform::FindSymbol(library, "AbrePorta"));
  SwedaEnviaComando =
      reinterpret_cast<TSwedaEnviaComando>(platform::FindSymbol(library, "EnviaComando"));
  SwedaFechaPorta = reinterpret_cast<TSwedaFechaPorta>(platform::FindSymbol(library, "FechaPorta"));
  IdPortaImpFis = SwedaAbrePorta ? SwedaAbrePorta(1, 0) : 0;
  boImpFiscalOK = IdPortaImpFis == 1;
}

void ResetPackageGlobals() {
  using namespace Mdx00200;
  boNUtilTaa = true;
  stMensagemTaa.clear();
  SwedaRet.clear();
  boComando = false;
}

}  // namespace mdx::fuzz
