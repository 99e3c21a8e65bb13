#include "day/pending_total.h"

#include <exception>

#include "mdx00200/host_services.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200::grandtotal {

using mdx::AnsiString;

AnsiString PendingFile(const AnsiString& directory) { return directory + "TotGeralPendente.txt"; }

bool RecordPending() {
  const AnsiString file = PendingFile(mdx::Host().HostDirectory());
  try {
    mdx::platform::WriteFileAtomically(
        file, "Cancelamento enviado; o totalizador geral de Vendora.cds deve ser atualizado.\r\n");
    return true;
  } catch (const std::exception& e) {
    ImpFisDebug("ERRO!!! " + AnsiString(e.what()));
    return false;
  }
}

bool Pending() { return mdx::platform::FileExists(PendingFile(mdx::Host().HostDirectory())); }

void ClearPending() { mdx::platform::RemoveFile(PendingFile(mdx::Host().HostDirectory())); }

}  // namespace Mdx00200::grandtotal
