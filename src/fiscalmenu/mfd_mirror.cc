// geraEspelhoMfd: the maker's library writes the detail-tape mirror of a
// range into "\Dados\MenuFiscal\Espelho_MFD_<ddmmyyyyhhnnss>.txt".
#include "fiscalmenu/file_paths.h"
#include "fiscalmenu/maker_flow.h"
#include "fiscalmenu/staged_file.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

namespace {

namespace ff = fiscalfiles;

const char kFailure[] = "ERRO AO REALIZAR GERA\xC7\xC3O DO ESPELHO MFD.";
const char kSuccess[] =
    "ARQUIVO ESPELHO DE MEMORIA DE FITA DETALHE GERADO COM SUCESSO NO DIRET\xD3RIO: ";

bool MirrorEntriesResolved() {
  return Sweda_DetectarECF && Sweda_CapturarDispositivo && SWEDA_ReproduzirFitaDetalhe;
}

}  // namespace

bool geraEspelhoMfd(const Variant* params, int highIndex, OleVariant& /*result*/) {
  ff::SessionValues session;
  // True from the moment the port is handed to the library until the
  // session is reopened: an error in between must not leave the host
  // without its port.
  bool portHandedOver = false;
  try {
    session.scheme = ff::ElementText(params, highIndex, 0);
    session.port = ff::ElementText(params, highIndex, 1);
    session.printerDate = ff::ElementText(params, highIndex, 2);
    session.printerDay = session.printerDate;
    session.ecf = ff::ElementText(params, highIndex, 3);
    session.reduction = ff::ElementText(params, highIndex, 4);
    session.serial = ff::ElementText(params, highIndex, 5);
    const AnsiString first = ff::ElementText(params, highIndex, 6);
    const AnsiString last = ff::ElementText(params, highIndex, 7);
    session.branch = ff::ElementText(params, highIndex, 9);
    session.till = ff::ElementText(params, highIndex, 10);

    if (!MirrorEntriesResolved()) return false;
    if (!ff::EnsureWorkFolders().empty()) return false;
    const AnsiString output = PlatformPath(
        ff::MenuFiscalFolder() + "Espelho_MFD_" + mdx::FormatDateTime("ddmmyyyyhhnnss", mdx::Now()) +
        ".txt");
    // Written and signed under the staging name, then given its final name
    // without replacing a mirror made in the same second.
    const AnsiString staging = ff::StagingName(output);

    portHandedOver = true;
    short outcome = -1;
    if (ff::ClosePort()) {
      if (!ff::DetectOnPortZero(1)) {
        ff::ShowKey(session.scheme, "Erro_Detectar", mdx::tmErro);
        portHandedOver = false;
        ff::ReopenSession(session);
        return false;
      }
      ff::Captures captures;
      captures.Capture(1);
      captures.Capture(2);
      ff::ClearStaging(output);
      outcome = SWEDA_ReproduzirFitaDetalhe(captures.First(), staging.c_str(), first.c_str(),
                                            last.c_str(), 0, 0, 0);
    }
    portHandedOver = false;
    const bool reopened = ff::ReopenSession(session);

    if (outcome != 0) {
      mdx::platform::RemoveFile(staging);
      ff::Show(session.scheme, kFailure, mdx::tmErro);
      return false;
    }
    geraEad(staging);
    const AnsiString given = ff::PublishAsNew(staging, {output});
    ff::Show(session.scheme, kSuccess + (given.empty() ? output : given), mdx::tmInformacao);
    return reopened;
  } catch (...) {
    if (portHandedOver) {
      try {
        ff::ReopenSession(session);
      } catch (...) {
        // The host starts the session again itself.
      }
    }
    return false;
  }
}

}  // namespace Mdx00200
