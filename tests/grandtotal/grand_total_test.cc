// Atu_TotGeral as a host calls it: the package loaded by name, the printer's
// register 1 scripted (the grand total 12345,67), configuration files made
// and read back with cdstool in the host directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "grandtotal/config_files.h"
#include "mdx00200/format_settings.h"
#include "status/scripted_replies.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

using AtuTotGeralFn = bool (*)(const Variant&);

const AnsiString kPrinterTotal = "00000000001234567";  // 12345,67

class GrandTotalTest : public PackageTest {
 protected:
  void SetUp() override {
    PackageTest::SetUp();
    ClieUtil() = false;
    script_ = std::make_unique<ScriptedReplies>(Package());
    script_->Answer("271", {Register1("150124", kPrinterTotal)});
  }
  void TearDown() override {
    script_.reset();
    PackageTest::TearDown();
  }

  bool& ClieUtil() { return Package().Global<bool>("boClieUtil"); }
  AnsiString MainFile() { return host_->Directory() + "Vendora.cds"; }
  AnsiString FallbackFile() { return host_->Directory() + "kor0010001.cds"; }

  bool Run(const AnsiString& idValida, const AnsiString& branch = "0001") {
    const Variant record = VarArrayOf({
        VarArrayOf({"CDFILIAL", branch}),
        VarArrayOf({"CDCAIXA", "001"}),
        VarArrayOf({"NRSERIEIMP", "SW0000001"}),
        VarArrayOf({"ESQUEMACOR", "004"}),
        VarArrayOf({"IDVALIDA", idValida}),
    });
    return Package().Op<AtuTotGeralFn>("Atu_TotGeral")(record);
  }
  bool Update() { return Run("N"); }
  bool Validate() { return Run("S"); }

  // Our till's record, another till's and another branch's.
  std::vector<ConfigRow> Rows(std::optional<AnsiString> total, AnsiString keep = "S") {
    return {{"0001", "001", "SW0000001", "A", keep, total},
            {"0001", "002", "SW0000002", "A", "S", "500,00"},
            {"0002", "001", "SW0000003", "A", "S", "700,00"}};
  }
  bool Sent(const AnsiString& command) {
    for (const AnsiString& c : SentCommands(LogTexts())) {
      if (c == command) return true;
    }
    return false;
  }
  AnsiString InvalidFileText() {
    return "Arquivo (" + MainFile() +
           ") est\xE1 inv\xE1lido. Valor do totalizador geral da impressora fiscal est\xE1 incorreto.";
  }

  std::unique_ptr<ScriptedReplies> script_;
};

TEST_F(GrandTotalTest, UpdateWritesThePrinterTotalIntoItsRecordOnly) {
  MakeConfigFile(MainFile(), Rows("999,99"));
  EXPECT_TRUE(Update());
  std::vector<ConfigRow> expected = Rows("12345,67");
  EXPECT_EQ(ReadConfigFile(MainFile()), expected);
  EXPECT_TRUE(Sent("271"));
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_FALSE(ClieUtil());  // untouched when nothing failed
}

TEST_F(GrandTotalTest, NothingHappensWithoutKeepingOrWithoutARecord) {
  struct Case {
    const char* what;
    std::vector<ConfigRow> rows;
  } cases[] = {
      {"CAMPO01 N", Rows("999,99", "N")},
      {"another serial number", {{"0001", "001", "SW0000009", "A", "S", "999,99"}}},
      {"another till", {{"0001", "003", "SW0000001", "A", "S", "999,99"}}},
  };
  for (const Case& c : cases) {
    for (const char* mode : {"N", "S"}) {
      MakeConfigFile(MainFile(), c.rows);
      const AnsiString before = platform::ReadFile(MainFile());
      std::filesystem::remove(LogPath());
      EXPECT_TRUE(Run(mode)) << c.what << " " << mode;
      EXPECT_EQ(platform::ReadFile(MainFile()), before) << c.what << " " << mode;
      EXPECT_FALSE(Sent("271")) << c.what << " " << mode;
      EXPECT_TRUE(host_->dialogs.empty()) << c.what << " " << mode;
    }
  }
}

TEST_F(GrandTotalTest, ValidationComparesTheRecordedTotal) {
  struct Case {
    std::optional<AnsiString> stored;
    bool result;
    std::optional<AnsiString> afterwards;
  } cases[] = {
      {"12345,67", true, "12345,67"},
      {"12345,669", true, "12345,669"},  // equal once rounded to cents
      {"12345,66", false, "12345,66"},
      {"0,00", false, "0,00"},
      {std::nullopt, false, std::nullopt},
      {"   ", false, "   "},
      // A file that was never filled takes the printer's total.
      {"10,10", true, "12345,67"},
      {"10,1", true, "12345,67"},
  };
  for (const Case& c : cases) {
    const AnsiString name = c.stored ? "'" + *c.stored + "'" : "null";
    host_->dialogs.clear();
    ClieUtil() = false;
    MakeConfigFile(MainFile(), Rows(c.stored));
    EXPECT_EQ(Validate(), c.result) << name;
    EXPECT_EQ(ReadConfigFile(MainFile()), Rows(c.afterwards)) << name;
    if (c.result) {
      EXPECT_TRUE(host_->dialogs.empty()) << name;
    } else {
      ASSERT_EQ(host_->dialogs.size(), 1u) << name;
      EXPECT_EQ(host_->dialogs[0].text, InvalidFileText());
      EXPECT_EQ(host_->dialogs[0].kind, tmErro);
      EXPECT_EQ(host_->dialogs[0].scheme, "004");
    }
  }
}

TEST_F(GrandTotalTest, MismatchIsShownOnlyOnAnAttendedTillNotYetWarned) {
  struct Case {
    bool attended;
    bool clieUtil;
    bool dialog;
  } cases[] = {{true, false, true}, {true, true, false}, {false, false, false}, {false, true, false}};
  MakeConfigFile(MainFile(), Rows("1,00"));
  for (const Case& c : cases) {
    host_->dialogs.clear();
    NUtilTaa() = c.attended;
    ClieUtil() = c.clieUtil;
    EXPECT_FALSE(Validate()) << c.attended << c.clieUtil;
    EXPECT_EQ(host_->dialogs.size(), c.dialog ? 1u : 0u) << c.attended << c.clieUtil;
    EXPECT_FALSE(ClieUtil()) << c.attended << c.clieUtil;
  }
}

TEST_F(GrandTotalTest, FallbackFileUsesTheActiveRecordAndBecomesTheMainFile) {
  const std::vector<ConfigRow> fallback = {{"0001", "001", "SW0000001", "I", "S", "1,00"},
                                           {"0001", "001", "SW0000001", "A", "S", "2,00"}};
  MakeConfigFile(FallbackFile(), fallback);
  const AnsiString fallbackBytes = platform::ReadFile(FallbackFile());
  EXPECT_TRUE(Update());
  const std::vector<ConfigRow> expected = {{"0001", "001", "SW0000001", "I", "S", "1,00"},
                                           {"0001", "001", "SW0000001", "A", "S", "12345,67"}};
  EXPECT_EQ(ReadConfigFile(MainFile()), expected);
  EXPECT_EQ(platform::ReadFile(FallbackFile()), fallbackBytes);
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(GrandTotalTest, MissingFilesAreReportedAndChangeNothing) {
  for (const char* mode : {"N", "S"}) {
    host_->dialogs.clear();
    ClieUtil() = false;
    // An update that finds no file changes nothing; a validation that finds
    // none does not pass.
    EXPECT_EQ(Run(mode), AnsiString(mode) == "N") << mode;
    ASSERT_EQ(host_->dialogs.size(), 1u) << mode;
    EXPECT_NE(host_->dialogs[0].text.find("kor0010001.cds"), AnsiString::npos)
        << host_->dialogs[0].text;
    EXPECT_EQ(host_->dialogs[0].kind, tmErro);
    EXPECT_FALSE(ClieUtil());
    EXPECT_FALSE(platform::FileExists(MainFile()));
    EXPECT_FALSE(Sent("271"));
  }
  // On a self-service terminal the failure is not shown.
  host_->dialogs.clear();
  NUtilTaa() = false;
  ClieUtil() = false;
  EXPECT_TRUE(Update());
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(GrandTotalTest, PointSeparatorWritesWithItAndCannotReadTheSentinel) {
  FormatSettingsGuard settings;
  FormatSettings().DecimalSeparator = '.';
  MakeConfigFile(MainFile(), Rows("999.99"));
  EXPECT_TRUE(Update());
  EXPECT_EQ(ReadConfigFile(MainFile()), Rows("12345.67"));

  // "10,10" is no number with this separator: the failure is reported, the
  // validation does not pass and the file stays as it is.
  const AnsiString before = platform::ReadFile(MainFile());
  EXPECT_FALSE(Validate());
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_NE(host_->dialogs[0].text.find("10,10"), AnsiString::npos) << host_->dialogs[0].text;
  EXPECT_EQ(platform::ReadFile(MainFile()), before);
  EXPECT_FALSE(ClieUtil());
}

TEST_F(GrandTotalTest, FailedSaveLeavesThePreviousFileWhole) {
  MakeConfigFile(MainFile(), Rows("999,99"));
  const AnsiString before = platform::ReadFile(MainFile());
  // A save writes "Vendora.cds.tmp" and renames it over the file; a folder in
  // its place makes the write fail, as a full disk or a crash would.
  const std::filesystem::path temporary(MainFile() + ".tmp");
  std::filesystem::create_directory(temporary);
  EXPECT_TRUE(Update());
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_EQ(host_->dialogs[0].kind, tmErro);
  EXPECT_EQ(platform::ReadFile(MainFile()), before);
  EXPECT_EQ(ReadConfigFile(MainFile()), Rows("999,99"));
  EXPECT_FALSE(ClieUtil());

  // Once the disk is fine again the same call succeeds.
  std::filesystem::remove(temporary);
  EXPECT_TRUE(Update());
  EXPECT_EQ(ReadConfigFile(MainFile()), Rows("12345,67"));
}

TEST_F(GrandTotalTest, UnreadPrinterTotalNeverReplacesTheRecordedOne) {
  Fault(emulator::FaultKind::kRefuse, "271", emulator::kEveryTime);
  script_.reset();  // the virtual printer answers, and refuses
  MakeConfigFile(MainFile(), Rows("10,10"));
  const AnsiString before = platform::ReadFile(MainFile());
  for (const char* mode : {"N", "S"}) {
    host_->dialogs.clear();
    ClieUtil() = false;
    EXPECT_EQ(Run(mode), AnsiString(mode) == "N") << mode;
    EXPECT_EQ(platform::ReadFile(MainFile()), before) << mode;
    ASSERT_EQ(host_->dialogs.size(), 1u) << mode;
    EXPECT_EQ(host_->dialogs[0].text,
              "Totalizador geral da impressora fiscal n\xE3o lido; o arquivo de configura\xE7\xE3o "
              "n\xE3o foi alterado.");
  }
}

TEST_F(GrandTotalTest, TotalThatDoesNotFitItsFieldIsNotCut) {
  // "12345,67" encrypted takes 16 characters; a field of 10 would cut it.
  MakeConfigFile(MainFile(), {{"0001", "001", "SW0000001", "A", "S", "1,00"}}, 10);
  const AnsiString before = platform::ReadFile(MainFile());
  EXPECT_TRUE(Update());
  EXPECT_EQ(platform::ReadFile(MainFile()), before);
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_NE(host_->dialogs[0].text.find("CAMPO02"), AnsiString::npos) << host_->dialogs[0].text;
}

TEST_F(GrandTotalTest, QuotesInTheRecordCannotWidenTheFilter) {
  // Spliced into the filter unquoted, this branch would select every record.
  MakeConfigFile(MainFile(), Rows("999,99"));
  const AnsiString before = platform::ReadFile(MainFile());
  EXPECT_TRUE(Run("N", "x' OR CDFILIAL <> '"));
  EXPECT_EQ(platform::ReadFile(MainFile()), before);
  EXPECT_FALSE(Sent("271"));
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(GrandTotalTest, DamagedMainFileIsNotTouchedWithoutAFallback) {
  platform::WriteFileAtomically(MainFile(), "not a data packet");
  EXPECT_TRUE(Update());
  EXPECT_EQ(platform::ReadFile(MainFile()), "not a data packet");
  EXPECT_EQ(host_->dialogs.size(), 1u);
}

}  // namespace
}  // namespace mdx::test
