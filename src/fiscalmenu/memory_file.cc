// EmiteLeituraMemoriaFiscalSerial: the fiscal-memory reading as a file,
// either converted by CONVECF ("MF" file, renamed after the printer's
// fabrication number) or the simplified reading ("LMFS_" file).
#include "fiscalmenu/file_paths.h"
#include "fiscalmenu/maker_flow.h"
#include "fiscalmenu/staged_file.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"
#include "mdx00200/string_list.h"

namespace Mdx00200 {

namespace {

namespace ff = fiscalfiles;

const char kSuccess[] = "Leitura de mem\xF3ria fiscal gerada com sucesso no diret\xF3rio: ";

bool EntriesResolved(bool converted) {
  if (!Sweda_DetectarECF || !Sweda_CapturarDispositivo) return false;
  return converted ? SWEDA_ReproduzirMemoriaFiscalMFD != nullptr
                   : SWEDA_ReproduzirLeituraMemoriaFiscal != nullptr;
}

// The first line of a file; "" when it has none.
AnsiString FirstLine(const AnsiString& path) {
  mdx::TStringList lines;
  lines.LoadFromFile(path);
  return lines.Count() > 0 ? lines[0] : AnsiString();
}

// The name the converted file takes after the printer's fabrication number
// (20 characters from position 4 of its first line) in place of the serial
// number: "MF" + fabrication number + the suffix's date and time. "" when the
// file cannot be read or the fabrication number would not make a plain name.
AnsiString FabricationName(const AnsiString& file, const AnsiString& suffix) {
  try {
    const AnsiString fabrication = mdx::Copy(FirstLine(file), 4, 20);
    const AnsiString name = "MF" + fabrication + mdx::Copy(suffix, 9, 16) + ".txt";
    if (!IsSafeNamePart(name)) return "";
    return PlatformPath(ff::MenuFiscalFolder() + name);
  } catch (const std::exception&) {
    return "";
  }
}

// Gives the signed staging file its final name, never replacing a file: the
// converted file takes the fabrication number's name when no file has it,
// else its first name. Returns the name given ("" when the library wrote no
// file) and, in `note`, why the fabrication number's name was not taken.
AnsiString Publish(const AnsiString& staging, const AnsiString& output, bool converted,
                   const AnsiString& suffix, AnsiString& note) {
  std::vector<AnsiString> names;
  const AnsiString fabrication = converted ? FabricationName(staging, suffix) : AnsiString();
  if (!fabrication.empty()) names.push_back(fabrication);
  names.push_back(output);
  const AnsiString given = ff::PublishAsNew(staging, names);
  if (!fabrication.empty() && !given.empty() && given != fabrication)
    note = " (j\xE1 existe um arquivo " + fabrication + "; esta leitura manteve o nome acima)";
  return given;
}

}  // namespace

bool EmiteLeituraMemoriaFiscalSerial(const Variant* params, int highIndex,
                                     OleVariant& /*result*/) {
  AnsiString first, last, form, mode;
  ff::SessionValues session;
  ff::ReadElementsGuarded(params, highIndex,
                          {&session.scheme, &first, &last, &form, &mode, &session.port,
                           &session.printerDate, &session.ecf, &session.reduction, &session.serial,
                           &session.branch, &session.till});
  session.printerDay = session.printerDate;

  const bool converted = mdx::UpperCase(form) == "C";
  // The time stamp is the moment of the call.
  const mdx::TDateTime now = mdx::Now();
  const AnsiString suffix = session.serial + "_" + mdx::FormatDateTime("yyyymmdd", now) + "_" +
                            mdx::FormatDateTime("hhnnss", now);
  const AnsiString name = (converted ? "MF" : "LMFS_") + suffix + ".txt";
  if (!IsSafeNamePart(name) || !EntriesResolved(converted)) return false;

  AnsiString output = PlatformPath(ff::MenuFiscalFolder() + name);
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

  // The library writes under the staging name, the file is signed there and
  // only then takes its final name.
  ff::ClearStaging(output);
  const AnsiString staging = ff::StagingName(output);
  int code = 0;
  if (converted) {
    // The library's binary work file goes to the process's current folder.
    const AnsiString binFile = PlatformPath("MF" + suffix + ".bin");
    code = SWEDA_ReproduzirMemoriaFiscalMFD("2", first.c_str(), last.c_str(), staging.c_str(),
                                            binFile.c_str());
  } else {
    // Only "C" exactly asks for mode 1.
    code = SWEDA_ReproduzirLeituraMemoriaFiscal(captures.Second(), staging.c_str(), first.c_str(),
                                                last.c_str(), mode == "C" ? 1 : 0, 0, 0, 0);
  }
  geraEad(staging);
  AnsiString note;
  try {
    const AnsiString given = Publish(staging, output, converted, suffix, note);
    if (!given.empty()) output = given;
  } catch (const std::exception& e) {
    ff::Show(session.scheme, e.what(), mdx::tmErro);
    ff::ReopenSession(session);
    return false;
  }

  if (code == 0 || code == 1) {
    ff::Show(session.scheme, kSuccess + output + note, mdx::tmInformacao);
    return ff::ReopenSession(session);
  }
  ff::ShowKey(session.scheme, ff::ReproductionMessageKey(code, false), mdx::tmInformacao);
  return false;
}

}  // namespace Mdx00200
