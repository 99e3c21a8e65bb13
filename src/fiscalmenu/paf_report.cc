// ImprimeDadosPaf: the application's identification as a management report.
#include "day/config_file.h"
#include "fiscalmenu/file_paths.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/datetime.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"
#include "reports/document_commands.h"

namespace Mdx00200 {

namespace {

constexpr int kReportWidth = 48;
const AnsiString kLf = "\n";

void Line(const AnsiString& scheme, const AnsiString& text) {
  reports::SendLine(scheme, text, true);
}

AnsiString Deciphered(const mdx::TClientDataSet& data, const AnsiString& field) {
  return Criptografa::Uncripto(data.FieldByName(field).AsString(), config::kCipherKey);
}

void PrintIdentification(const AnsiString& scheme, const mdx::TClientDataSet& paf) {
  Line(scheme, Consiste::Centraliza("Identifica\xE7\xE3o do Paf-Ecf", kReportWidth) + kLf);
  Line(scheme, "Data Emiss\xE3o: " + mdx::FormatDateTime("dd/mm/yyyy hh:nn:ss", mdx::Now()) + kLf);
  Line(scheme, "Nr do Laudo: " + Deciphered(paf, "NRLAUDO") + kLf + kLf);
  Line(scheme, "Identifica\xE7\xE3o da Empresa: " + kLf);
  Line(scheme, "CNPJ         : " + Deciphered(paf, "NRCNPJKORVANA") + kLf);
  Line(scheme, "Raz\xE3o Social : " + Deciphered(paf, "DSRAZAOSOCIKOR") + kLf);
  Line(scheme, "Endere\xE7o     : " + Deciphered(paf, "DSENDEKORVANA") + kLf);
  Line(scheme, "Telefone     : " + Deciphered(paf, "DSTELEFONEKOR") + kLf);
  Line(scheme, "Resp.T\xE9" "cnico: " + Deciphered(paf, "NMRESPONSIST") + kLf + kLf);
  Line(scheme, "Identifica\xE7\xE3o PAF-ECF: " + kLf);
  Line(scheme, "Nome Comercial: " + Deciphered(paf, "DSNOMECOMERCIAL") + kLf);
  Line(scheme, "Vers\xE3o        : " + Deciphered(paf, "DSVERSAOVENDORA") + kLf + kLf);
}

void PrintFileList(const AnsiString& scheme, mdx::TClientDataSet& files) {
  Line(scheme, "Rela\xE7\xE3o de Arquivos");
  Line(scheme, Consiste::Replicate("-", kReportWidth) + kLf);
  for (files.First(); !files.Eof(); files.Next()) {
    Line(scheme, "Arquivo: " + files.FieldByName("DSARQUIVO").AsString());
    Line(scheme, "MD5    : " + files.FieldByName("NUMEROMD5").AsString() + kLf);
  }
}

void PrintPrinters(const AnsiString& scheme, mdx::TClientDataSet& printers) {
  if (printers.IsEmpty()) return;
  Line(scheme, "Rela\xE7\xE3o de Ecf's");
  Line(scheme, Consiste::Replicate("-", kReportWidth) + kLf);
  for (printers.First(); !printers.Eof(); printers.Next()) {
    Line(scheme, printers.FieldByName("NRSERIEIMPRPERS").AsString() + kLf);
  }
}

}  // namespace

void ImprimeDadosPaf(const Variant* params, int highIndex, OleVariant& /*result*/) {
  AnsiString scheme;
  bool opened = false;
  try {
    const AnsiString programFolder = mdx::Host().HostDirectory();
    const AnsiString md5List = PlatformPath(programFolder + "Dados\\Cadastros\\ArquivosXopMd5.cds");
    const AnsiString configFile = PlatformPath(programFolder + "Vendora.cds");
    if (highIndex < 4) throw mdx::Exception("ImprimeDadosPaf: 5 elements expected");
    scheme = params[2].AsString();
    TdtmSweda200& module = DataModule();
    module.cdsDadosPaf->SetData(params[3]);
    module.cdsBuscaNrSerieEcf->SetData(params[4]);
    mdx::TClientDataSet& files = *module.cdsArquivosXopMd5;

    opened = reports::OpenReport(scheme, false);
    PrintIdentification(scheme, *module.cdsDadosPaf);
    const bool haveList = mdx::platform::FileExists(md5List);
    if (haveList) {
      files.LoadFromFile(md5List);
      files.First();
    }
    Line(scheme, "Principal Exe : " + Deciphered(*module.cdsDadosPaf, "NMEXEVENDORA"));
    Line(scheme, "MD5           : " + files.FieldByName("NUMEROMD5").AsString());
    Line(scheme, kLf);
    if (mdx::platform::FileExists(configFile)) {
      files.LoadFromFile(configFile);
      Line(scheme, "Arquivo Texto : ARQUIVOSXOPMD5.TXT" + kLf);
      Line(scheme, "MD-5          : " + Deciphered(files, "MD5ARQUIVOTXT") + kLf + kLf);
    }
    if (haveList) {
      files.LoadFromFile(md5List);
      PrintFileList(scheme, files);
    }
    Line(scheme, "Versao ER PAF-ECF: 02.06" + kLf);
    PrintPrinters(scheme, *module.cdsBuscaNrSerieEcf);
    Line(scheme, kLf);
    reports::CloseReport(scheme, true);
  } catch (const std::exception& e) {
    Mensagemxop::Mensagem(e.what(), "", "N", "N", mdx::tmErro, "", scheme, 0, nullptr);
    // An open report would make the printer refuse every later document.
    if (opened) reports::CloseReport(scheme, true);
  }
}

}  // namespace Mdx00200
