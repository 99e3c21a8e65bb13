// EmiteLeituraMemoriaFiscalSerial with the maker's libraries replaced by
// FakeFiscalFiles; the clock stands at 6 December 2026 10:11:12.
#include <gtest/gtest.h>

#include "fiscalmenu/fake_fiscal_files.h"
#include "mdx00200/platform.h"

namespace mdx::test {
namespace {

const AnsiString kSuccess = Utf8ToAnsi("Leitura de memória fiscal gerada com sucesso no diretório: ");
const AnsiString kStamp = "_20261206_101112";

class MemoryFileTest : public FiscalFilesTest {
 protected:
  // scheme, first, last, form, mode, port, printer date, ECF, reduction,
  // serial, branch, till
  static std::vector<Variant> Elements(const AnsiString& form, const AnsiString& mode = "x",
                                       const AnsiString& serial = "SW0000001") {
    return {"007", "01/12/2026", "06/12/2026", form, mode, "COM1", "06/12/26", "001", "1",
            serial, "0001", "001"};
  }
};

TEST_F(MemoryFileTest, FormAndModeComparisons) {
  struct Case {
    const char* form;
    const char* mode;
    const char* entry;
    int sentMode;  // simplified reading only
  } cases[] = {
      {"C", "C", "convert", 0},
      {"c", "C", "convert", 0},  // the form ignores letter case
      {"S", "C", "reading", 1},
      {"S", "c", "reading", 0},  // the mode does not
      {"", "x", "reading", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(AnsiString(c.form) + "/" + c.mode);
    fake_.calls.clear();
    fake_.writeFiles = false;  // no renaming here
    EXPECT_TRUE(MemoryFile(Elements(c.form, c.mode)));
    ASSERT_EQ(fake_.EntrySequence(),
              (std::vector<AnsiString>{"detect", "capture", "capture", c.entry}));
    for (const LibraryCall& call : fake_.calls) EXPECT_FALSE(call.portOpen) << call.entry;
    const LibraryCall call = fake_.calls.back();
    if (AnsiString(c.entry) == "convert") {
      EXPECT_EQ(call.texts, (std::vector<AnsiString>{"2", "01/12/2026", "06/12/2026",
                                                     MenuFolder() + "MFSW0000001" + kStamp + ".txt.tmp",
                                                     "MFSW0000001" + kStamp + ".bin"}));
    } else {
      EXPECT_EQ(call.texts,
                (std::vector<AnsiString>{"CAPTURA-2", MenuFolder() + "LMFS_SW0000001" + kStamp + ".txt.tmp",
                                         "01/12/2026", "06/12/2026"}));
      EXPECT_EQ(call.numbers, (std::vector<int>{c.sentMode, 0, 0, 0}));
    }
  }
}

TEST_F(MemoryFileTest, ConvertedFileTakesTheFabricationNumber) {
  struct Case {
    const char* serial;
    const char* firstLine;
    AnsiString finalName;
  } cases[] = {
      {"SW123456", "MF:BE091234567890123456 resto", "MFBE091234567890123456" + kStamp + ".txt"},
      // Position 9 of the suffix moves with the serial number's length.
      {"SW12", "MF:BE091234567890123456", "MFBE09123456789012345661206_101112.txt"},
      {"SW1234567890", "MF:BE091234567890123456", "MFBE0912345678901234567890_20261206_10.txt"},
      {"SW77", "MF:", "MF61206_101112.txt"},
      // A fabrication number that would leave the folder: the file keeps its name.
      {"SW999", "MF:BE09/../x", "MFSW999" + kStamp + ".txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.serial);
    fake_.calls.clear();
    host_->dialogs.clear();
    const int reopensBefore = Reopens();
    fake_.fileText = AnsiString(c.firstLine) + "\r\nsegunda linha\r\n";
    const AnsiString firstFile = MenuFolder() + "MF" + c.serial + kStamp + ".txt";

    EXPECT_TRUE(MemoryFile(Elements("C", "x", c.serial)));
    // The library writes under the staging name; only the signed file takes a final name.
    EXPECT_EQ(fake_.Calls("convert").at(0).texts[3], firstFile + ".tmp");
    EXPECT_FALSE(platform::FileExists(firstFile + ".tmp"));
    const AnsiString finalFile = MenuFolder() + c.finalName;
    EXPECT_TRUE(platform::FileExists(finalFile));
    if (finalFile != firstFile) {
      EXPECT_FALSE(platform::FileExists(firstFile));
    }
    EXPECT_EQ(platform::ReadFile(finalFile).substr(0, fake_.fileText.size()), fake_.fileText);
    EXPECT_EQ(Dialogs(), (std::vector<Shown>{{kSuccess + finalFile, tmInformacao, "007"}}));
    EXPECT_EQ(Reopens(), reopensBefore + 1);
    EXPECT_TRUE(SessionUsable());
  }
}

TEST_F(MemoryFileTest, ConvertedFileMissingIsNotRenamed) {
  fake_.writeFiles = false;
  EXPECT_TRUE(MemoryFile(Elements("C")));
  EXPECT_EQ(Dialogs(), (std::vector<Shown>{{kSuccess + MenuFolder() + "MFSW0000001" + kStamp +
                                                ".txt",
                                            tmInformacao, "007"}}));
  EXPECT_TRUE(FolderEntries(MenuFolder()).empty());
  EXPECT_TRUE(SessionUsable());
}

// A reading never replaces another: when the fabrication number's name is
// taken (two readings in the same ten seconds, or a serial so long that the
// name holds no time), the new reading keeps its first name and says so.
TEST_F(MemoryFileTest, ReadingNeverReplacesAnEarlierOne) {
  fake_.fileText = "MF:BE091234567890123456\r\nsegunda\r\n";
  const AnsiString taken = MenuFolder() + "MFBE091234567890123456" + kStamp + ".txt";
  platform::WriteFileAtomically(taken, "earlier reading");
  EXPECT_TRUE(MemoryFile(Elements("C", "x", "SW123456")));
  EXPECT_EQ(platform::ReadFile(taken), "earlier reading");
  const AnsiString kept = MenuFolder() + "MFSW123456" + kStamp + ".txt";
  EXPECT_EQ(platform::ReadFile(kept).substr(0, fake_.fileText.size()), fake_.fileText);
  ASSERT_EQ(Dialogs().size(), 1u);
  EXPECT_EQ(Dialogs()[0].text.rfind(kSuccess + kept, 0), 0u) << Dialogs()[0].text;
  EXPECT_NE(Dialogs()[0].text.find(taken), AnsiString::npos) << Dialogs()[0].text;

  // Both names taken: the reading gets a number of its own.
  host_->dialogs.clear();
  EXPECT_TRUE(MemoryFile(Elements("C", "x", "SW123456")));
  EXPECT_EQ(platform::ReadFile(taken), "earlier reading");
  const AnsiString numbered = MenuFolder() + "MFBE091234567890123456" + kStamp + "_2.txt";
  EXPECT_TRUE(platform::FileExists(numbered));
  fake_.fileText = "conteudo\r\n";
  EXPECT_TRUE(MemoryFile(Elements("S")));
  EXPECT_TRUE(MemoryFile(Elements("S")));
  EXPECT_TRUE(platform::FileExists(MenuFolder() + "LMFS_SW0000001" + kStamp + ".txt"));
  EXPECT_TRUE(platform::FileExists(MenuFolder() + "LMFS_SW0000001" + kStamp + "_2.txt"));
}

// What a crash left under the staging name is cleaned by the next write of
// the file; a final name the signature could never follow is refused before
// the port is handed over.
TEST_F(MemoryFileTest, LeftoversAndNamesTooLongToSign) {
  const AnsiString file = MenuFolder() + "LMFS_SW0000001" + kStamp + ".txt";
  platform::WriteFileAtomically(file + ".tmp", "left by a crash");
  EXPECT_TRUE(MemoryFile(Elements("S")));
  EXPECT_EQ(platform::ReadFile(file).substr(0, 10), "conteudo\r\n");
  EXPECT_FALSE(platform::FileExists(file + ".tmp"));

  fake_.calls.clear();
  host_->dialogs.clear();
  // A name of 253 characters: it fits, its staging and signing names do not.
  const AnsiString longSerial(228, 'S');
  EXPECT_FALSE(MemoryFile(Elements("S", "x", longSerial)));
  EXPECT_TRUE(fake_.calls.empty());
  ASSERT_EQ(Dialogs().size(), 1u);
  EXPECT_EQ(Dialogs()[0].kind, tmErro);
  EXPECT_TRUE(PortOpen());
}

TEST_F(MemoryFileTest, LibraryCodes) {
  struct Case {
    const char* form;
    int code;
    bool ok;
    const char* key;  // nullptr: no message
  } cases[] = {
      {"S", 1, true, nullptr},          {"C", 1, true, nullptr},
      {"S", 2, false, "Erro_Data"},     {"C", 3, false, "Erro_Faixa"},
      {"S", 7, false, "Erro_ArqOri"},   {"C", 10, false, "Erro_ArqDes"},
      {"S", -3, false, nullptr},        {"S", 5, false, nullptr},
      {"C", 65536, false, nullptr},  // the converter's full 32-bit code counts
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(AnsiString(c.form) + " " + IntToStr(c.code));
    host_->dialogs.clear();
    fake_.writeFiles = false;
    fake_.codes = {c.code};
    const int reopensBefore = Reopens();
    EXPECT_EQ(MemoryFile(Elements(c.form)), c.ok);
    const AnsiString file =
        MenuFolder() + (AnsiString(c.form) == "C" ? "MF" : "LMFS_") + "SW0000001" + kStamp + ".txt";
    std::vector<Shown> expected;
    if (c.ok) expected.push_back({kSuccess + file, tmInformacao, "007"});
    if (c.key) expected.push_back({CatalogueText(c.key), tmInformacao, "007"});
    EXPECT_EQ(Dialogs(), expected);
    // After a library error the session stays closed.
    EXPECT_EQ(Reopens(), reopensBefore + (c.ok ? 1 : 0));
    EXPECT_EQ(PortOpen(), c.ok);
    if (!c.ok) OpenPortAgain();
  }
}

TEST_F(MemoryFileTest, PrinterNotDetected) {
  fake_.finds = [](int) { return false; };
  EXPECT_FALSE(MemoryFile(Elements("S")));
  EXPECT_EQ(fake_.EntrySequence(), std::vector<AnsiString>(12, "detect"));
  EXPECT_EQ(std::vector<int>(host_->delays.begin(), host_->delays.begin() + 12),
            std::vector<int>(12, 1));
  EXPECT_EQ(Dialogs(), (std::vector<Shown>{{CatalogueText("Erro_Detectar"), tmErro, "007"}}));
  EXPECT_EQ(Reopens(), 1);
  EXPECT_TRUE(SessionUsable());
}

// A list too short to carry the port name: the reading is written, but the
// session cannot start again, and the generator says so instead of true.
TEST_F(MemoryFileTest, SessionThatCannotStartAgainIsAFailure) {
  std::vector<Variant> elements = Elements("S");
  elements.resize(5);
  EXPECT_FALSE(MemoryFile(elements));
  EXPECT_FALSE(PortOpen());
  const std::vector<Shown> shown = Dialogs();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[0].text.rfind(kSuccess, 0), 0u);
  EXPECT_NE(shown.back().text.find("n\xE3o foi reiniciada"), AnsiString::npos) << shown.back().text;
  OpenPortAgain();
}

TEST_F(MemoryFileTest, PortThatDoesNotCloseEndsSilently) {
  ClosePortBeforehand();
  EXPECT_FALSE(MemoryFile(Elements("S")));
  EXPECT_TRUE(fake_.calls.empty());
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(Reopens(), 0);
}

TEST_F(MemoryFileTest, UnsafeSerialsAndMissingEntriesLeaveThePortAlone) {
  struct Case {
    const char* what;
    AnsiString serial;
    const char* form;
    std::vector<AnsiString> missing;
    bool ok;
  } cases[] = {
      {"dot dot", "..", "S", {}, false},
      {"slash", "a/b", "C", {}, false},
      {"backslash", "a\\b", "S", {}, false},
      {"drive", "C:x", "C", {}, false},
      {"control character", AnsiString("a\n", 2), "S", {}, false},
      {"converter not loaded", "SW1", "C", {"SWEDA_ReproduzirMemoriaFiscalMFD"}, false},
      {"reading entry missing", "SW1", "S", {"SWEDA_ReproduzirLeituraMemoriaFiscal"}, false},
      {"capture entry missing", "SW1", "S", {"Sweda_CapturarDispositivo"}, false},
      // The converted form does not need the simplified reading.
      {"converted without the reading entry", "SW1", "C", {"SWEDA_ReproduzirLeituraMemoriaFiscal"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake_.calls.clear();
    fake_.writeFiles = false;
    fake_.missing = c.missing;
    const int reopensBefore = Reopens();
    EXPECT_EQ(MemoryFile(Elements(c.form, "x", c.serial)), c.ok);
    if (!c.ok) {
      EXPECT_TRUE(fake_.calls.empty());
      EXPECT_TRUE(Dialogs().empty());
      EXPECT_EQ(Reopens(), reopensBefore);
    }
    EXPECT_TRUE(PortOpen());
  }
  EXPECT_TRUE(FolderEntries(MenuFolder()).empty());
  EXPECT_TRUE(SessionUsable());
}

}  // namespace
}  // namespace mdx::test
