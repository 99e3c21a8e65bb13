// swmfd and CONVECF loaded by name beside the serial library, as the package
// loads them, working on the serial library's own printer.
#include <gtest/gtest.h>


#include "emulator/virtual_printer.h"
#include "mdx00200/maker_entry_points.h"
#include "mdx00200/platform.h"
#include "sample_state.h"
#include "support/temp_folder.h"

namespace mdx::fiscalfiles::test {
namespace {

using PrinterFn = emulator::VirtualPrinter* (*)();

struct Libraries {
  TSwedaObterParametrosConfiguracao configuration = nullptr;
  TSwedaExtrairInformacoesECF information = nullptr;
  TSwedaDetectarECF detect = nullptr;
  TSwedaCapturarDispositivo capture = nullptr;
  TSwedaReproduzirFitaDetalhe mirror = nullptr;
  TSwedaArquivoEletronicoCOTEPE cotepe = nullptr;
  TSwedaReproduzirLeituraMemoriaFiscal reading = nullptr;
  TSwedaReproduzirMemoriaFiscalMFD convert = nullptr;
  PrinterFn restartPrinter = nullptr;
  AnsiString error;  // why loading failed, "" when it did not

  // Loaded once for the process and never unloaded, as the package does.
  static const Libraries& Get() {
    static const Libraries libraries = Load();
    return libraries;
  }

 private:
  static Libraries Load() {
    Libraries l;
    auto open = [&](const char* name) -> platform::LibraryHandle {
      const AnsiString file = platform::ExecutableDirectory() + platform::LibraryFileName(name);
      platform::LibraryHandle handle = platform::OpenLibrary(file);
      if (!handle && l.error.empty())
        l.error = "cannot load " + file + ": " + platform::LastLibraryError();
      return handle;
    };
    auto find = [&](platform::LibraryHandle library, const char* name, auto& entry) {
      entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
          library ? platform::FindSymbol(library, name) : nullptr);
      if (!entry && l.error.empty()) l.error = AnsiString("missing entry ") + name;
    };
    platform::LibraryHandle serial = open("SERSWEDA");
    platform::LibraryHandle swmfd = open("swmfd");
    platform::LibraryHandle convecf = open("CONVECF");
    find(serial, "Sersweda_RestartVirtualPrinter", l.restartPrinter);
    find(swmfd, "SWMFD_ObterParametrosConfiguracao", l.configuration);
    find(swmfd, "SWEDA_ExtrairInformacoesECF", l.information);
    find(swmfd, "SWEDA_DetectarECF", l.detect);
    find(swmfd, "SWEDA_CapturarDispositivo", l.capture);
    find(swmfd, "SWEDA_ReproduzirFitaDetalhe", l.mirror);
    find(swmfd, "SWEDA_ArquivoEletronicoCOTEPE", l.cotepe);
    find(swmfd, "SWEDA_ReproduzirLeituraMemoriaFiscal", l.reading);
    find(convecf, "ECF_ReproduzirMemoriaFiscalMFD", l.convert);
    return l;
  }
};

class FiscalFileLibrariesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib.error.empty()) << lib.error;
    platform::SetEnvironment("MDX_PRINTER_STATE", "");  // a printer in memory
    platform::SetEnvironment("MDX_SERIAL_TRANSPORT", "");
    printer = lib.restartPrinter();
    ASSERT_NE(printer, nullptr);
    printer->SetState(SampleState());
  }
  void TearDown() override {
    if (printer) printer->ClearFaults();
  }

  AnsiString Capture(int kind, short* code = nullptr) {
    char buffer[512] = {};
    const short result = lib.capture(kind, 17408, buffer, 512, 15000, 0, 0);
    if (code) *code = result;
    return buffer;
  }
  std::vector<AnsiString> FileLines(const std::string& file) {
    return SplitLines(platform::ReadFile(file));
  }

  const Libraries& lib = Libraries::Get();
  emulator::VirtualPrinter* printer = nullptr;
  mdx::test::TemporaryFolder folder{"mdx_fiscalfiles"};
};

TEST_F(FiscalFileLibrariesTest, DetectCaptureAndReproduceTheSerialLibrarysPrinter) {
  int port = 0, count = 0;
  ASSERT_EQ(lib.detect(0, &port, &count), 1);
  EXPECT_EQ(port, 1);
  EXPECT_EQ(count, 1);
  short code = -1;
  const AnsiString detail = Capture(1, &code);
  ASSERT_EQ(code, 0);
  const AnsiString memory = Capture(2, &code);
  ASSERT_EQ(code, 0);
  EXPECT_EQ(detail.substr(0, 19), "MDX-MFD CAPTURA 1 #");
  EXPECT_EQ(memory.substr(memory.size() - 10), " SW0000001");

  const std::string mirror = folder.File("Espelho_MFD.txt");
  ASSERT_EQ(lib.mirror(detail.c_str(), mirror.c_str(), "1", "3", 0, 0, 0), 0);
  std::vector<AnsiString> lines = FileLines(mirror);
  ASSERT_EQ(lines.size(), 7u + 12u);
  EXPECT_EQ(lines[0], "ESPELHO DA MEMORIA DE FITA-DETALHE");
  EXPECT_EQ(lines[16], "COO:000003");

  const std::string cotepe = folder.File("Ato_Cotepe.txt");
  ASSERT_EQ(lib.cotepe(memory.c_str(), detail.c_str(), cotepe.c_str(), "06122026", "06122026", 4),
            0);
  lines = FileLines(cotepe);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines.front().substr(0, 23), AnsiString("E01") + kFabrication);
  EXPECT_EQ(lines.back().substr(0, 3), "E99");
  const std::string quiet = folder.File("quiet.txt");
  EXPECT_EQ(lib.cotepe(memory.c_str(), detail.c_str(), quiet.c_str(), "08122026", "08122026", 4),
            25);
  EXPECT_FALSE(platform::FileExists(quiet));

  const std::string reading = folder.File("LMFS.txt");
  ASSERT_EQ(lib.reading(memory.c_str(), reading.c_str(), "01/12/2026", "07/12/2026", 0, 0, 0, 0),
            0);
  EXPECT_EQ(FileLines(reading)[0], "LEITURA DA MEMORIA FISCAL SIMPLIFICADA");

  const std::string converted = folder.File("MF.txt");
  const std::string work = folder.File("MF.bin");
  ASSERT_EQ(lib.convert("2", "0001", "0002", converted.c_str(), work.c_str()), 0);
  lines = FileLines(converted);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(3, 20), kFabrication);  // columns 4-23
  EXPECT_FALSE(platform::FileExists(work));
}

TEST_F(FiscalFileLibrariesTest, APrinterThatGivesNoAnswerIsNotFound) {
  printer->AddFault({emulator::FaultKind::kNoAnswer, "", emulator::kEveryTime});
  int port = -1, count = -1;
  EXPECT_EQ(lib.detect(0, &port, &count), 0);
  EXPECT_EQ(port, 0);
  EXPECT_EQ(count, 0);
  short code = 0;
  EXPECT_EQ(Capture(1, &code), "");
  EXPECT_EQ(code, 16);
  const std::string converted = folder.File("MF.txt");
  EXPECT_EQ(lib.convert("2", "1", "2", converted.c_str(), folder.File("MF.bin").c_str()), 16);
  EXPECT_EQ(lib.information(), 16);
  EXPECT_EQ(lib.configuration(), 0);
  printer->ClearFaults();
  EXPECT_EQ(lib.detect(0, nullptr, nullptr), 1);
  EXPECT_EQ(lib.information(), 0);
}

TEST_F(FiscalFileLibrariesTest, NullPointersGiveCodes) {
  EXPECT_EQ(lib.capture(1, 17408, nullptr, 512, 15000, 0, 0), 21);
  EXPECT_EQ(lib.capture(5, 17408, nullptr, 512, 15000, 0, 0), 21);
  EXPECT_EQ(lib.mirror(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 7);
  EXPECT_EQ(lib.cotepe(nullptr, nullptr, nullptr, nullptr, nullptr, 4), 7);
  EXPECT_EQ(lib.reading(nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0), 7);
  EXPECT_EQ(lib.convert(nullptr, nullptr, nullptr, nullptr, nullptr), 21);
  EXPECT_EQ(lib.convert("2", nullptr, nullptr, nullptr, nullptr), 3);
  const AnsiString detail = Capture(1);
  EXPECT_EQ(lib.mirror(detail.c_str(), nullptr, "1", "3", 0, 0, 0), 10);
  EXPECT_EQ(lib.mirror(detail.c_str(), folder.File("x.txt").c_str(), nullptr, "3", 0, 0, 0), 3);
}

}  // namespace
}  // namespace mdx::fiscalfiles::test
