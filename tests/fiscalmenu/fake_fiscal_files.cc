#include "fiscalmenu/fake_fiscal_files.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>

#include "mdx00200/exceptions.h"
#include "mdx00200/maker_entry_points.h"
#include "mdx00200/platform.h"

namespace mdx::test {

FakeFiscalFiles* FakeFiscalFiles::current = nullptr;

namespace {

AnsiString Text(const char* text) { return text ? AnsiString(text) : AnsiString("<null>"); }

short MDX_STDCALL FakeDetect(int port, int* cell1, int* cell2) {
  FakeFiscalFiles& fake = *FakeFiscalFiles::current;
  fake.Record({"detect", {}, {port, cell1 != nullptr, cell2 != nullptr}});
  if (fake.throwOnDetect) throw Exception("library failure");
  return fake.finds(port) ? 1 : 0;
}

short MDX_STDCALL FakeCapture(int kind, int size, char* buffer, int bufferSize, int timeout, int a,
                              int b) {
  FakeFiscalFiles& fake = *FakeFiscalFiles::current;
  LibraryCall call{"capture", {}, {kind, size, bufferSize, timeout, a, b}};
  call.bufferZeroFilled = true;
  for (int i = 0; i < 512; ++i) call.bufferZeroFilled = call.bufferZeroFilled && buffer[i] == 0;
  fake.Record(call);
  const char* text = kind == 1 ? "CAPTURA-1" : "CAPTURA-2";
  std::memcpy(buffer, text, std::strlen(text) + 1);
  return kind >= 1 && kind <= 2 ? fake.captureCodes[kind] : -1;
}

short MDX_STDCALL FakeMirror(const char* capture1, const char* output, const char* first,
                             const char* last, int a, int b, int c) {
  FakeFiscalFiles& fake = *FakeFiscalFiles::current;
  fake.Record({"mirror", {Text(capture1), Text(output), Text(first), Text(last)}, {a, b, c}});
  const int code = fake.NextCode();
  fake.Produce(output, code, false);
  return static_cast<short>(code);
}

short MDX_STDCALL FakeCotepe(const char* capture2, const char* capture1, const char* output,
                             const char* first, const char* last, int kind) {
  FakeFiscalFiles& fake = *FakeFiscalFiles::current;
  fake.Record(
      {"cotepe", {Text(capture2), Text(capture1), Text(output), Text(first), Text(last)}, {kind}});
  const int code = fake.NextCode();
  fake.Produce(output, code, false);
  return static_cast<short>(code);
}

short MDX_STDCALL FakeReading(const char* capture2, const char* output, const char* first,
                              const char* last, int mode, int a, int b, int c) {
  FakeFiscalFiles& fake = *FakeFiscalFiles::current;
  fake.Record({"reading", {Text(capture2), Text(output), Text(first), Text(last)}, {mode, a, b, c}});
  const int code = fake.NextCode();
  fake.Produce(output, code, true);
  return static_cast<short>(code);
}

int MDX_STDCALL FakeConvert(const char* kind, const char* first, const char* last,
                            const char* output, const char* binFile) {
  FakeFiscalFiles& fake = *FakeFiscalFiles::current;
  fake.Record({"convert", {Text(kind), Text(first), Text(last), Text(output), Text(binFile)}, {}});
  const int code = fake.NextCode();
  fake.Produce(output, code, true);
  return code;
}

const std::map<AnsiString, void*>& Stand_ins() {
  static const std::map<AnsiString, void*> entries = {
      {"Sweda_DetectarECF", reinterpret_cast<void*>(&FakeDetect)},
      {"Sweda_CapturarDispositivo", reinterpret_cast<void*>(&FakeCapture)},
      {"SWEDA_ReproduzirFitaDetalhe", reinterpret_cast<void*>(&FakeMirror)},
      {"Sweda_ArquivoEletronicoCOTEPE", reinterpret_cast<void*>(&FakeCotepe)},
      {"SWEDA_ReproduzirLeituraMemoriaFiscal", reinterpret_cast<void*>(&FakeReading)},
      {"SWEDA_ReproduzirMemoriaFiscalMFD", reinterpret_cast<void*>(&FakeConvert)},
  };
  return entries;
}

}  // namespace

FakeFiscalFiles::FakeFiscalFiles() { current = this; }

FakeFiscalFiles::~FakeFiscalFiles() {
  if (current == this) current = nullptr;
}

void FakeFiscalFiles::Install(const LoadedPackage& package) {
  current = this;
  for (const auto& [name, entry] : Stand_ins()) package.Global<void*>(name.c_str()) = entry;
  for (const AnsiString& name : missing) package.Global<void*>(name.c_str()) = nullptr;
}

void FakeFiscalFiles::Uninstall(const LoadedPackage& package) {
  for (const auto& [name, entry] : Stand_ins()) package.Global<void*>(name.c_str()) = nullptr;
}

std::vector<LibraryCall> FakeFiscalFiles::Calls(const AnsiString& entry) const {
  std::vector<LibraryCall> found;
  for (const LibraryCall& call : calls)
    if (call.entry == entry) found.push_back(call);
  return found;
}

std::vector<AnsiString> FakeFiscalFiles::EntrySequence() const {
  std::vector<AnsiString> names;
  for (const LibraryCall& call : calls) names.push_back(call.entry);
  return names;
}

void FakeFiscalFiles::Record(LibraryCall call) {
  call.portOpen = portProbe();
  calls.push_back(std::move(call));
}

int FakeFiscalFiles::NextCode() {
  if (codes.empty()) return 0;
  const int code = codes.front();
  codes.pop_front();
  return code;
}

void FakeFiscalFiles::Produce(const AnsiString& file, int code, bool oneIsSuccess) {
  if (!writeFiles || !(code == 0 || (oneIsSuccess && code == 1))) return;
  platform::WriteFileAtomically(file, fileText);
}

// ---- FiscalFilesTest --------------------------------------------------------

namespace {

using ListFn = bool (*)(const Variant*, int, OleVariant&);
using SalesFn = bool (*)(const Variant*, int, TStringList*&);

AnsiString Separator() { return AnsiString(1, platform::PathDelimiter()); }

}  // namespace

TDateTime FixtureNow() { return EncodeDate(2026, 12, 6) + EncodeTime(10, 11, 12, 0); }

void FiscalFilesTest::SetUp() {
  PackageTest::SetUp();
  Package().Global<void*>("SwedaAbrePorta") = Package().SerialSymbol("AbrePorta");
  Package().Global<void*>("SwedaFechaPorta") = Package().SerialSymbol("FechaPorta");
  Package().Global<int>("IdPortaImpFis") = 1;
  fake_.portProbe = [this] { return PortOpen(); };
  fake_.Install(Package());
  host_->SetNow(FixtureNow());
  ASSERT_TRUE(platform::ForceDirectories(MenuFolder()));
}

void FiscalFilesTest::TearDown() {
  FakeFiscalFiles::Uninstall(Package());
  PackageTest::TearDown();
}

bool FiscalFilesTest::Mirror(const std::vector<Variant>& elements) {
  fake_.Install(Package());
  OleVariant untouched = "untouched";
  const bool ok = Op<ListFn>("geraEspelhoMfd")(elements.data(),
                                                static_cast<int>(elements.size()) - 1, untouched);
  EXPECT_EQ(untouched.AsString(), "untouched");
  return ok;
}

bool FiscalFilesTest::ElectronicFile(const std::vector<Variant>& elements) {
  fake_.Install(Package());
  OleVariant untouched = "untouched";
  const bool ok = Op<ListFn>("Gera_ArquivoMFD")(elements.data(),
                                                 static_cast<int>(elements.size()) - 1, untouched);
  EXPECT_EQ(untouched.AsString(), "untouched");
  return ok;
}

bool FiscalFilesTest::MemoryFile(const std::vector<Variant>& elements) {
  fake_.Install(Package());
  OleVariant untouched = "untouched";
  const bool ok = Op<ListFn>("EmiteLeituraMemoriaFiscalSerial")(
      elements.data(), static_cast<int>(elements.size()) - 1, untouched);
  EXPECT_EQ(untouched.AsString(), "untouched");
  return ok;
}

bool FiscalFilesTest::SalesFiles(const std::vector<Variant>& elements, TStringList*& files) {
  fake_.Install(Package());
  return Op<SalesFn>("GeraCatGenerica")(elements.data(), static_cast<int>(elements.size()) - 1,
                                        files);
}

AnsiString FiscalFilesTest::MenuFolder() {
  return host_->Directory() + "Dados" + Separator() + "MenuFiscal" + Separator();
}

AnsiString FiscalFilesTest::WorkFolder() {
#ifdef _WIN32
  return "c:\\sweda\\rfd\\";
#else
  return host_->Directory() + "Sweda/RFD/";
#endif
}

int FiscalFilesTest::Reopens() {
  const AnsiString start = "Inicializando sistema, abrindo porta de comunica\xE7\xE3o";
  int count = 0;
  for (const AnsiString& line : LogTexts())
    if (line.compare(0, start.size(), start) == 0) ++count;
  return count;
}

bool FiscalFilesTest::PortOpen() {
  using RawSend = int(MDX_STDCALL*)(const char*, unsigned char*);
  unsigned char reply[256] = {};
  return reinterpret_cast<RawSend>(Package().SerialSymbol("EnviaComando"))("\x1b.23}", reply) != -1;
}

bool FiscalFilesTest::SessionUsable() { return Send("23", {}, true, false); }

void FiscalFilesTest::ClosePortBeforehand() {
  using RawClose = int(MDX_STDCALL*)(int);
  ASSERT_EQ(reinterpret_cast<RawClose>(Package().SerialSymbol("FechaPorta"))(1), 1);
}

void FiscalFilesTest::OpenPortAgain() {
  using RawOpen = int(MDX_STDCALL*)(int, int);
  ASSERT_EQ(reinterpret_cast<RawOpen>(Package().SerialSymbol("AbrePorta"))(1, 0), 1);
}

std::vector<FiscalFilesTest::Shown> FiscalFilesTest::Dialogs() {
  std::vector<Shown> shown;
  for (const DialogRequest& request : host_->dialogs) {
    EXPECT_EQ(request.caption, "");
    EXPECT_EQ(request.option1, "N");
    EXPECT_EQ(request.option2, "N");
    EXPECT_EQ(request.extraText, "");
    EXPECT_EQ(request.number, 0);
    EXPECT_EQ(request.dataset, nullptr);
    shown.push_back({request.text, request.kind, request.scheme});
  }
  return shown;
}

std::vector<AnsiString> FolderEntries(const AnsiString& folder) {
  std::vector<AnsiString> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder)))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

AnsiString CatalogueText(const char* key) {
  static const std::map<AnsiString, const char*> texts = {
      {"Erro_Detectar", "Impressora não detectada para a geração do arquivo COTEPE."},
      {"Erro_FechaPorta",
       "Erro ao fechar porta da impressora fiscal, isso impossibilitará a geração do  arquivo "
       "COTEPE, favor verificar impressora fiscal"},
      {"Erro_SWMFD",
       "Não foi encontrado o arquivo SWMFD.dll, isso impossibilitará a geração do  arquivo "
       "COTEPE, favor verificar se o arquivo se encontra no diretório."},
      {"Erro_Data", "Data inválida! Isso impossibilitará a geração do  arquivo COTEPE."},
      {"Erro_Faixa", "Faixa inválida! Isso impossibilitará a geração do  arquivo COTEPE."},
      {"Erro_ArqOri",
       "Falha na abertura do arquivo de origem. Isso impossibilitará a geração do  arquivo "
       "COTEPE."},
      {"Erro_ArqDes",
       "Falha na abertura do arquivo de destino. Isso impossibilitará a geração do  arquivo "
       "COTEPE."},
      {"Erro_AberLog", "Falha de abertura do arquivo log!"},
      {"Erro_Off_line", "ECF off-line ou não detectado!"},
      {"Erro_Aplicativo",
       "O aplicativo é incompatível com o arquivo deste modelo de ECF ou com a versão de seu "
       "software básico!"},
      {"Erro_NMovDia", "Não houve movimento no(s) seguinte(s) dia(s): "},
  };
  auto found = texts.find(key);
  if (found == texts.end()) {
    ADD_FAILURE() << "no test text for " << key;
    return "";
  }
  return Utf8ToAnsi(found->second);
}

}  // namespace mdx::test
