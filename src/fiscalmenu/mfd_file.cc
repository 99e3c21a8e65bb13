// Gera_ArquivoMFD: the maker's library writes the electronic file of the
// detail-tape memory of a date or counter range.
#include "fiscalmenu/file_paths.h"
#include "fiscalmenu/maker_flow.h"
#include "fiscalmenu/staged_file.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

namespace {

namespace ff = fiscalfiles;

constexpr int kCounterWidth = 6;

bool FileEntriesResolved() {
  return Sweda_DetectarECF && Sweda_CapturarDispositivo && Sweda_ArquivoEletronicoCOTEPE;
}

// A range value as the library takes it: a short-format date as "ddmmyyyy",
// a counter right-aligned in 6 characters.
AnsiString RangeValue(bool byDate, const AnsiString& value) {
  if (byDate) return mdx::FormatDateTime("ddmmyyyy", mdx::StrToDate(value));
  return Consiste::Ajusta(value, kCounterWidth);
}

}  // namespace

bool Gera_ArquivoMFD(const Variant* params, int highIndex, OleVariant& /*result*/) {
  AnsiString rangeKind, first, last, fileKind;
  ff::SessionValues session;
  ff::ReadElementsGuarded(params, highIndex,
                          {&rangeKind, &first, &last, &fileKind, &session.serial, &session.scheme,
                           &session.port, &session.printerDate, &session.ecf, &session.reduction,
                           &session.branch, &session.till});
  session.printerDay = session.printerDate;

  // The comparison is exact: "d" is a counter range.
  const bool byDate = rangeKind == "D";
  const AnsiString from = RangeValue(byDate, first);
  const AnsiString to = RangeValue(byDate, last);
  const AnsiString name =
      fileKind == "MF" ? AnsiString("Ato_Cotepe.txt") : session.serial + "_" + from + "_" + to + ".Txt";
  if (!IsSafeNamePart(name) || !FileEntriesResolved()) return false;
  const AnsiString output = PlatformPath(ff::MenuFiscalFolder() + name);
  if (!ff::StagingNameFits(output)) {
    ff::Show(session.scheme, "Nome de arquivo longo demais para ser assinado: " + output, mdx::tmErro);
    return false;
  }

  if (!ff::ClosePort()) return false;
  if (!ff::DetectOnPortZero(1)) {
    ff::ShowKey(session.scheme, "Erro_Detectar", mdx::tmErro);
    ff::ReopenSession(session);
    return false;
  }
  ff::Captures captures;
  captures.Capture(1);
  captures.Capture(2);
  // Written and signed under the staging name, then given its final name:
  // "Ato_Cotepe.txt" is the newest file of its kind and replaces the last;
  // a range's file never replaces an earlier one.
  ff::ClearStaging(output);
  const AnsiString staging = ff::StagingName(output);
  const short code = Sweda_ArquivoEletronicoCOTEPE(captures.Second(), captures.First(),
                                                   staging.c_str(), from.c_str(), to.c_str(), 4);
  if (code == 0) {
    geraEad(staging);
    bool published = true;
    try {
      if (fileKind == "MF") {
        ff::PublishReplacing(staging, output);
      } else {
        ff::PublishAsNew(staging, {output});
      }
    } catch (const std::exception& e) {
      ff::Show(session.scheme, e.what(), mdx::tmErro);
      published = false;
    }
    const bool reopened = ff::ReopenSession(session);
    return published && reopened;
  }
  mdx::platform::RemoveFile(staging);
  ff::ShowKey(session.scheme, ff::ReproductionMessageKey(code, false), mdx::tmInformacao);
  ff::ReopenSession(session);
  return false;
}

}  // namespace Mdx00200
