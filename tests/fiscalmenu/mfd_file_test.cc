// Gera_ArquivoMFD with the maker's library replaced by FakeFiscalFiles.
#include <gtest/gtest.h>

#include "fiscalmenu/fake_fiscal_files.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdx::test {
namespace {

class MfdFileTest : public FiscalFilesTest {
 protected:
  // range kind, first, last, file kind, serial, scheme, port, printer date,
  // ECF, reduction, branch, till
  static std::vector<Variant> Elements(const AnsiString& rangeKind, const AnsiString& first,
                                       const AnsiString& last, const AnsiString& fileKind = "MF",
                                       const AnsiString& serial = "SW0000001") {
    return {rangeKind, first, last, fileKind, serial, "006", "COM1", "06/12/26", "001", "1",
            "0001", "001"};
  }
};

TEST_F(MfdFileTest, RangeAndFileNameFollowTheKinds) {
  struct Case {
    const char* rangeKind;
    const char* first;
    const char* last;
    const char* fileKind;
    const char* sentFirst;
    const char* sentLast;
    const char* file;
  } cases[] = {
      {"D", "01/12/2026", "06/12/2026", "MF", "01122026", "06122026", "Ato_Cotepe.txt"},
      {"D", "1/2/26", "6/12/2026", "X", "01022026", "06122026", "SW0000001_01022026_06122026.Txt"},
      // Anything but "D" exactly is a counter range.
      {"d", "123", "4567", "X", "   123", "  4567", "SW0000001_   123_  4567.Txt"},
      {"C", "000123", "000200", "mf", "000123", "000200", "SW0000001_000123_000200.Txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(AnsiString(c.rangeKind) + " " + c.first + " " + c.fileKind);
    fake_.calls.clear();
    host_->dialogs.clear();
    const int reopensBefore = Reopens();

    EXPECT_TRUE(ElectronicFile(Elements(c.rangeKind, c.first, c.last, c.fileKind)));
    EXPECT_EQ(fake_.EntrySequence(),
              (std::vector<AnsiString>{"detect", "capture", "capture", "cotepe"}));
    for (const LibraryCall& call : fake_.calls) EXPECT_FALSE(call.portOpen) << call.entry;
    const LibraryCall file = fake_.Calls("cotepe").at(0);
    EXPECT_EQ(file.texts, (std::vector<AnsiString>{"CAPTURA-2", "CAPTURA-1",
                                                   MenuFolder() + c.file + ".tmp", c.sentFirst,
                                                   c.sentLast}));
    EXPECT_EQ(file.numbers, std::vector<int>{4});
    EXPECT_TRUE(platform::FileExists(MenuFolder() + c.file));
    EXPECT_TRUE(Dialogs().empty());  // success shows nothing
    EXPECT_EQ(Reopens(), reopensBefore + 1);
    EXPECT_TRUE(SessionUsable());
  }
}

TEST_F(MfdFileTest, SecondFileOfKindMfReplacesTheFirst) {
  const AnsiString file = MenuFolder() + "Ato_Cotepe.txt";
  fake_.fileText = "primeiro\r\n";
  ASSERT_TRUE(ElectronicFile(Elements("C", "1", "2")));
  fake_.fileText = "segundo\r\n";
  ASSERT_TRUE(ElectronicFile(Elements("C", "3", "4")));
  const std::vector<LibraryCall> calls = fake_.Calls("cotepe");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].texts[2], file + ".tmp");
  EXPECT_EQ(calls[1].texts[2], file + ".tmp");
  // The signature, when the signature library is there, follows the text.
  EXPECT_EQ(platform::ReadFile(file).substr(0, 9), "segundo\r\n");
}

// A range's file never replaces an earlier file of the same range.
TEST_F(MfdFileTest, FileOfARangeNeverReplacesAnEarlierOne) {
  const AnsiString file = MenuFolder() + "SW0000001_000001_000002.Txt";
  fake_.fileText = "primeiro\r\n";
  ASSERT_TRUE(ElectronicFile(Elements("C", "000001", "000002", "X")));
  fake_.fileText = "segundo\r\n";
  ASSERT_TRUE(ElectronicFile(Elements("C", "000001", "000002", "X")));
  EXPECT_EQ(platform::ReadFile(file).substr(0, 10), "primeiro\r\n");
  EXPECT_EQ(platform::ReadFile(MenuFolder() + "SW0000001_000001_000002_2.Txt").substr(0, 9),
            "segundo\r\n");
}

TEST_F(MfdFileTest, LibraryCodesShowTheirMessageAndReopen) {
  struct Case {
    int code;
    const char* key;  // nullptr: no message
  } cases[] = {{2, "Erro_Data"}, {3, "Erro_Faixa"}, {7, "Erro_ArqOri"}, {10, "Erro_ArqDes"},
               {-3, nullptr},    {1, nullptr},      {25, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    host_->dialogs.clear();
    const int reopensBefore = Reopens();
    fake_.codes = {c.code};
    EXPECT_FALSE(ElectronicFile(Elements("C", "1", "2")));
    EXPECT_EQ(Dialogs(), (c.key ? std::vector<Shown>{{CatalogueText(c.key), tmInformacao, "006"}}
                                : std::vector<Shown>{}));
    EXPECT_EQ(Reopens(), reopensBefore + 1);
    EXPECT_TRUE(SessionUsable());
  }
}

TEST_F(MfdFileTest, PrinterNotDetected) {
  fake_.finds = [](int) { return false; };
  EXPECT_FALSE(ElectronicFile(Elements("C", "1", "2")));
  EXPECT_EQ(fake_.EntrySequence(), std::vector<AnsiString>(12, "detect"));
  EXPECT_EQ(std::vector<int>(host_->delays.begin(), host_->delays.begin() + 12),
            std::vector<int>(12, 1));
  EXPECT_EQ(Dialogs(), (std::vector<Shown>{{CatalogueText("Erro_Detectar"), tmErro, "006"}}));
  EXPECT_EQ(Reopens(), 1);
  EXPECT_TRUE(SessionUsable());
}

TEST_F(MfdFileTest, PortThatDoesNotCloseEndsSilently) {
  ClosePortBeforehand();
  EXPECT_FALSE(ElectronicFile(Elements("C", "1", "2")));
  EXPECT_TRUE(fake_.calls.empty());
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(Reopens(), 0);
}

TEST_F(MfdFileTest, UnreadableElementEndsTheReadingNotTheFile) {
  std::vector<Variant> elements = Elements("C", "1", "2");
  elements[8] = Variant::Null();  // ECF: the rest is not read
  EXPECT_TRUE(ElectronicFile(elements));
  EXPECT_EQ(fake_.Calls("cotepe").size(), 1u);
  EXPECT_EQ(Reopens(), 1);
}

// A list too short to carry the port name: the file is written, but the
// session cannot start again, and the generator says so instead of true.
TEST_F(MfdFileTest, SessionThatCannotStartAgainIsAFailure) {
  std::vector<Variant> elements = Elements("C", "1", "2");
  elements.resize(6);
  EXPECT_FALSE(ElectronicFile(elements));
  EXPECT_EQ(fake_.Calls("cotepe").size(), 1u);
  EXPECT_FALSE(PortOpen());
  const std::vector<Shown> shown = Dialogs();
  ASSERT_FALSE(shown.empty());
  EXPECT_NE(shown.back().text.find("n\xE3o foi reiniciada"), AnsiString::npos) << shown.back().text;
  EXPECT_EQ(shown.back().kind, tmErro);
  OpenPortAgain();
}

TEST_F(MfdFileTest, UnsafeNamesAndMissingEntriesLeaveThePortAlone) {
  struct Case {
    const char* what;
    AnsiString serial;
    const char* first;
    const char* fileKind;
    std::vector<AnsiString> missing;
  } cases[] = {
      {"dot dot", "..", "1", "X", {}},
      {"slash", "a/b", "1", "X", {}},
      {"backslash", "a\\b", "1", "X", {}},
      {"drive", "C:x", "1", "X", {}},
      {"control character", AnsiString("a\x01", 2), "1", "X", {}},
      {"counter with a separator", "SW0000001", "1/../2", "X", {}},
      {"library not loaded", "SW0000001", "1", "MF", {"Sweda_ArquivoEletronicoCOTEPE"}},
      {"no detection entry", "SW0000001", "1", "MF", {"Sweda_DetectarECF"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake_.missing = c.missing;
    EXPECT_FALSE(ElectronicFile(Elements("C", c.first, "2", c.fileKind, c.serial)));
    EXPECT_TRUE(fake_.calls.empty());
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Reopens(), 0);
    EXPECT_TRUE(PortOpen());
  }
  EXPECT_TRUE(SessionUsable());
  // Nothing was written into the menu folder or beside it.
  EXPECT_TRUE(FolderEntries(MenuFolder()).empty());
  EXPECT_EQ(FolderEntries(host_->Directory() + "Dados"), std::vector<AnsiString>{"MenuFiscal"});

  // The serial number is not part of the "MF" file's name.
  fake_.missing.clear();
  EXPECT_TRUE(ElectronicFile(Elements("C", "1", "2", "MF", "..")));
}

TEST_F(MfdFileTest, DateThatDoesNotConvertRaisesBeforeThePortIsClosed) {
  EXPECT_THROW(ElectronicFile(Elements("D", "31/02/2026", "06/12/2026")), Exception);
  EXPECT_TRUE(fake_.calls.empty());
  EXPECT_TRUE(PortOpen());
}

}  // namespace
}  // namespace mdx::test
