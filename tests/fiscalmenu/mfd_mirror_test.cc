// geraEspelhoMfd with the maker's library replaced by FakeFiscalFiles.
#include <gtest/gtest.h>

#include "fiscalmenu/fake_fiscal_files.h"
#include "mdx00200/platform.h"

namespace mdx::test {
namespace {

const AnsiString kFailure = Utf8ToAnsi("ERRO AO REALIZAR GERAÇÃO DO ESPELHO MFD.");
const AnsiString kSuccess =
    Utf8ToAnsi("ARQUIVO ESPELHO DE MEMORIA DE FITA DETALHE GERADO COM SUCESSO NO DIRETÓRIO: ");

class MfdMirrorTest : public FiscalFilesTest {
 protected:
  // scheme, port, printer date, ECF, reduction, serial, first, last, (unused), branch, till
  static std::vector<Variant> Elements() {
    return {"005", "COM1", "06/12/26", "001", "1", "SW0000001", "000010", "000020", "x", "0001",
            "001"};
  }
  AnsiString MirrorFile() { return MenuFolder() + "Espelho_MFD_06122026101112.txt"; }
};

TEST_F(MfdMirrorTest, TheLibraryWritesTheMirrorWhileThePortIsClosed) {
  ASSERT_TRUE(Mirror(Elements()));

  EXPECT_EQ(fake_.EntrySequence(),
            (std::vector<AnsiString>{"detect", "capture", "capture", "mirror"}));
  for (const LibraryCall& call : fake_.calls) EXPECT_FALSE(call.portOpen) << call.entry;
  EXPECT_EQ(fake_.calls[0].numbers[0], 0);  // port 0
  const std::vector<LibraryCall> captures = fake_.Calls("capture");
  for (int kind = 1; kind <= 2; ++kind) {
    EXPECT_EQ(captures[kind - 1].numbers, (std::vector<int>{kind, 17408, 512, 15000, 0, 0}));
    EXPECT_TRUE(captures[kind - 1].bufferZeroFilled);
  }
  const LibraryCall mirror = fake_.Calls("mirror").at(0);
  EXPECT_EQ(mirror.texts,
            (std::vector<AnsiString>{"CAPTURA-1", MirrorFile() + ".tmp", "000010", "000020"}));
  EXPECT_EQ(mirror.numbers, (std::vector<int>{0, 0, 0}));

  EXPECT_TRUE(platform::FileExists(MirrorFile()));
  EXPECT_TRUE(platform::DirectoryExists(WorkFolder()));
  EXPECT_EQ(Dialogs(), (std::vector<Shown>{{kSuccess + MirrorFile(), tmInformacao, "005"}}));
  EXPECT_EQ(Reopens(), 1);
  EXPECT_TRUE(SessionUsable());
}

TEST_F(MfdMirrorTest, EveryFailureAfterThePortWasHandedOverReopensTheSession) {
  enum class Fault { kNotDetected, kLibraryCode, kPortDoesNotClose, kLibraryRaises };
  struct Case {
    const char* what;
    Fault fault;
    std::vector<Shown> dialogs;
    std::vector<AnsiString> entries;
  } cases[] = {
      {"not detected", Fault::kNotDetected,
       {{CatalogueText("Erro_Detectar"), tmErro, "005"}},
       std::vector<AnsiString>(12, "detect")},
      {"library code", Fault::kLibraryCode, {{kFailure, tmErro, "005"}},
       {"detect", "capture", "capture", "mirror"}},
      // The session is reopened and the failure shown, as after a library error.
      {"port does not close", Fault::kPortDoesNotClose, {{kFailure, tmErro, "005"}}, {}},
      // An error raised inside the library: no message, but the port comes back.
      {"library raises", Fault::kLibraryRaises, {}, {"detect"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake_.calls.clear();
    host_->dialogs.clear();
    host_->delays.clear();
    const int reopensBefore = Reopens();
    fake_.finds = [&c](int) { return c.fault != Fault::kNotDetected; };
    fake_.throwOnDetect = c.fault == Fault::kLibraryRaises;
    fake_.codes = {c.fault == Fault::kLibraryCode ? 5 : 0};
    if (c.fault == Fault::kPortDoesNotClose) ClosePortBeforehand();

    EXPECT_FALSE(Mirror(Elements()));
    EXPECT_EQ(fake_.EntrySequence(), c.entries);
    EXPECT_EQ(Dialogs(), c.dialogs);
    if (c.fault == Fault::kNotDetected) {
      ASSERT_GE(host_->delays.size(), 12u);
      EXPECT_EQ(std::vector<int>(host_->delays.begin(), host_->delays.begin() + 12),
                std::vector<int>(12, 1));
    }
    EXPECT_EQ(Reopens(), reopensBefore + 1);
    EXPECT_TRUE(SessionUsable());
    EXPECT_FALSE(platform::FileExists(MirrorFile()));
  }
}

TEST_F(MfdMirrorTest, RefusedBeforeThePortIsTouched) {
  struct Case {
    const char* what;
    std::vector<AnsiString> missing;
    int elements;
    bool blockWorkFolder;
  } cases[] = {
      {"no mirror entry", {"SWEDA_ReproduzirFitaDetalhe"}, 11, false},
      {"no detection entry", {"Sweda_DetectarECF"}, 11, false},
      {"no capture entry", {"Sweda_CapturarDispositivo"}, 11, false},
      {"short list", {}, 10, false},
#ifndef _WIN32
      // "C:\Sweda" is a file where the folder should be.
      {"work folder cannot be made", {}, 11, true},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake_.missing = c.missing;
    const AnsiString blocker = host_->Directory() + "Sweda";
    if (c.blockWorkFolder) platform::WriteFileAtomically(blocker, "");
    std::vector<Variant> elements = Elements();
    elements.resize(c.elements);

    EXPECT_FALSE(Mirror(elements));
    EXPECT_TRUE(fake_.calls.empty());
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Reopens(), 0);
    EXPECT_TRUE(PortOpen());
    EXPECT_FALSE(platform::FileExists(MirrorFile()));
    if (c.blockWorkFolder) platform::RemoveFile(blocker);
  }
}

}  // namespace
}  // namespace mdx::test
