// ImprimeDadosPaf: the identification report on the virtual printer's tape.
#include <gtest/gtest.h>

#include <algorithm>

#include "fiscalmenu/menu_datasets.h"
#include "mdx00200/data_module.h"
#include "mdx00200/platform.h"
#include "mdx00200/variant.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

using ReportFn = void (*)(const Variant*, int, OleVariant&);

// The identification data as the host sends it: every field enciphered.
Variant PafPacket() {
  TClientDataSet data;
  const std::vector<std::pair<AnsiString, AnsiString>> values = {
      {"NRLAUDO", "LAUDO-0042"},        {"NRCNPJKORVANA", "12345678000199"},
      {"DSRAZAOSOCIKOR", "Korvana Ltda"}, {"DSENDEKORVANA", "Rua A, 1"},
      {"DSTELEFONEKOR", "11 5555-0000"},  {"NMRESPONSIST", "Ana Souza"},
      {"DSNOMECOMERCIAL", "Vendora"},     {"DSVERSAOVENDORA", "7.2"},
      {"NMEXEVENDORA", "VENDORA.EXE"}};
  std::vector<std::pair<AnsiString, int>> fields;
  std::vector<AnsiString> row;
  for (const auto& [name, value] : values) {
    fields.push_back({name, 80});
    row.push_back(Enciphered(value));
  }
  FillTexts(data, fields, {row});
  return data.Data();
}

Variant PrinterListPacket(const std::vector<AnsiString>& serials) {
  TClientDataSet data;
  std::vector<std::vector<AnsiString>> rows;
  for (const AnsiString& serial : serials) rows.push_back({serial});
  FillTexts(data, {{"NRSERIEIMPRPERS", 20}}, rows);
  return data.Data();
}

class PafReportTest : public PackageTest {
 protected:
  void SetUp() override {
    PackageTest::SetUp();
    platform::ForceDirectories(host_->Directory() + "Dados/Cadastros");
  }
  void WriteMd5List(const std::vector<std::vector<AnsiString>>& rows) {
    TClientDataSet data;
    FillTexts(data, {{"DSARQUIVO", 60}, {"NUMEROMD5", 32}}, rows);
    data.SaveToFile(host_->Directory() + "Dados/Cadastros/ArquivosXopMd5.cds");
  }
  // Prints the report and returns the tape lines it added.
  std::vector<AnsiString> Print(const std::vector<AnsiString>& printers = {"SW0000001"}) {
    const size_t before = Printer().State().tape.size();
    const Variant elements[] = {"", "", "007", PafPacket(), PrinterListPacket(printers)};
    OleVariant result = 17;
    Op<ReportFn>("ImprimeDadosPaf")(elements, 4, result);
    EXPECT_EQ(result.AsInteger(), 17);
    const std::vector<AnsiString> tape = Printer().State().tape;
    return {tape.begin() + static_cast<long>(before), tape.end()};
  }
  static bool Has(const std::vector<AnsiString>& lines, const AnsiString& line) {
    return std::find(lines.begin(), lines.end(), Utf8ToAnsi(line)) != lines.end();
  }
  bool ReportOpen() {
    return Printer().State().document == emulator::DocumentKind::kManagementReport;
  }
};

TEST_F(PafReportTest, PrintsEverySectionWhenAllFilesExist) {
  WriteMd5List({{"VENDORA.EXE", "AAAA1111"}, {"MDX00200.DLL", "BBBB2222"}});
  WriteConfigFile(host_->Directory() + "Vendora.cds", "SW0000001", "CCCC3333");
  const std::vector<AnsiString> lines = Print({"SW0000001", "SW0000009"});
  for (const char* expected :
       {"Data Emissão: 15/01/2024 10:30:00", "Nr do Laudo: LAUDO-0042",
        "CNPJ         : 12345678000199", "Razão Social : Korvana Ltda",
        "Resp.Técnico: Ana Souza", "Versão        : 7.2", "Principal Exe : VENDORA.EXE",
        "MD5           : AAAA1111", "Arquivo Texto : ARQUIVOSXOPMD5.TXT",
        "MD-5          : CCCC3333", "Arquivo: MDX00200.DLL", "MD5    : BBBB2222",
        "Versao ER PAF-ECF: 02.06", "Relação de Ecf's", "SW0000009"}) {
    EXPECT_TRUE(Has(lines, expected)) << expected;
  }
  EXPECT_TRUE(Has(lines, "            Identificação do Paf-Ecf"));
  EXPECT_FALSE(ReportOpen());
  EXPECT_TRUE(host_->DialogTexts().empty());
}

TEST_F(PafReportTest, WithoutConfigurationFileOrPrintersThoseSectionsAreLeftOut) {
  WriteMd5List({{"VENDORA.EXE", "AAAA1111"}});
  const std::vector<AnsiString> lines = Print({});
  EXPECT_TRUE(Has(lines, "Arquivo: VENDORA.EXE"));
  EXPECT_FALSE(Has(lines, "Arquivo Texto : ARQUIVOSXOPMD5.TXT"));
  EXPECT_FALSE(Has(lines, "Relação de Ecf's"));
  EXPECT_FALSE(ReportOpen());
}

TEST_F(PafReportTest, WithoutMd5ListTheFirstCallFailsAndLaterCallsReuseTheLastList) {
  // Never loaded (an earlier test in this process may have loaded it): the
  // digest's field is missing, the message is shown and the report is closed.
  if (Mdx00200::TdtmSweda200* module = Package().Global<Mdx00200::TdtmSweda200*>("dtmSweda200")) {
    module->cdsArquivosXopMd5->Close();
    module->cdsArquivosXopMd5->FieldDefs().Clear();
  }
  Print();
  ASSERT_EQ(host_->DialogTexts().size(), 1u);
  EXPECT_FALSE(ReportOpen());

  WriteMd5List({{"VENDORA.EXE", "AAAA1111"}});
  Print();
  platform::RemoveFile(host_->Directory() + "Dados/Cadastros/ArquivosXopMd5.cds");
  const std::vector<AnsiString> lines = Print();
  EXPECT_TRUE(Has(lines, "MD5           : AAAA1111"));
  EXPECT_FALSE(Has(lines, "Arquivo: VENDORA.EXE"));
  EXPECT_FALSE(ReportOpen());
}

}  // namespace
}  // namespace mdx::test
