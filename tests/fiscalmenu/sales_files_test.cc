// GeraCatGenerica with the maker's library replaced by FakeFiscalFiles.
#include <gtest/gtest.h>

#include <memory>

#include "fiscalmenu/fake_fiscal_files.h"
#include "fiscalmenu/menu_datasets.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdx::test {
namespace {

struct SalesParams {
  AnsiString recordsDetailTape = "S";
  AnsiString branch = "0001";
  AnsiString till = "002";
  AnsiString port = "COM1";
};

class SalesFilesTest : public FiscalFilesTest {
 protected:
  // The generator only names the daily files; the stand-in writes none, so
  // nothing lands in the machine's own work folder on Windows.
  void SetUp() override {
    FiscalFilesTest::SetUp();
    fake_.writeFiles = false;
  }

  // The cdsParametros packet and the period.
  static std::vector<Variant> Elements(const AnsiString& first, const AnsiString& last,
                                       const SalesParams& p = {}) {
    TClientDataSet data;
    FillTexts(data,
              {{"IDGRAVAMFD", 1}, {"NRSERIEECF", 20}, {"IDESQUEMA", 3}, {"CDFILIAL", 4},
               {"CDCAIXA", 3}, {"CDPORTAIMPFIS", 5}, {"DATAATUIMP", 10}, {"ECFIMP", 3},
               {"REDIMP", 1}, {"DATAIMP", 6}},
              {{p.recordsDetailTape, "SW0000001", "009", p.branch, p.till, p.port, "06/12/2026",
                "001", "1", "061226"}});
    return {data.Data(), first, last};
  }
  // Runs the generator; the list it hands back is kept in `files_`.
  bool Run(const std::vector<Variant>& elements) {
    TStringList* files = nullptr;
    struct Keep {
      TStringList*& from;
      std::unique_ptr<TStringList>& to;
      ~Keep() { to.reset(from); }
    } keep{files, files_};
    return SalesFiles(elements, files);
  }
  AnsiString DailyFile(const char* day) { return WorkFolder() + "SW0001002" + day + ".txt"; }
  std::vector<AnsiString> Listed() { return files_ ? files_->Lines() : std::vector<AnsiString>{"<no list>"}; }
  void ExpectNothingDone() {
    EXPECT_TRUE(fake_.calls.empty());
    EXPECT_TRUE(PortOpen());
    EXPECT_EQ(Reopens(), 0);
    EXPECT_EQ(Listed(), std::vector<AnsiString>{});
  }

  std::unique_ptr<TStringList> files_;
};

TEST_F(SalesFilesTest, ThreeDaysWithTheMiddleOneWithoutMovement) {
  fake_.codes = {0, 25, 0};
  EXPECT_TRUE(Run(Elements("01/12/2026", "03/12/2026")));

  EXPECT_EQ(fake_.EntrySequence(), (std::vector<AnsiString>{"detect", "capture", "capture",
                                                             "cotepe", "cotepe", "cotepe"}));
  for (const LibraryCall& call : fake_.calls) EXPECT_FALSE(call.portOpen) << call.entry;
  for (const LibraryCall& call : fake_.Calls("capture")) EXPECT_TRUE(call.bufferZeroFilled);
  const char* days[] = {"01122026", "02122026", "03122026"};
  const std::vector<LibraryCall> daily = fake_.Calls("cotepe");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(daily[i].texts, (std::vector<AnsiString>{"CAPTURA-2", "CAPTURA-1", DailyFile(days[i]),
                                                       days[i], days[i]}));
    EXPECT_EQ(daily[i].numbers, std::vector<int>{4});
  }
  EXPECT_EQ(Listed(), (std::vector<AnsiString>{DailyFile("01122026"), DailyFile("03122026")}));
  EXPECT_EQ(Dialogs(), (std::vector<Shown>{
                           {CatalogueText("Erro_NMovDia") + "02/12/2026", tmInformacao, "009"}}));
  EXPECT_EQ(Reopens(), 1);
  EXPECT_TRUE(SessionUsable());
}

TEST_F(SalesFilesTest, PeriodsAndDailyOutcomes) {
  struct Case {
    const char* what;
    const char* first;
    const char* last;
    std::deque<int> codes;
    std::vector<const char*> listed;
    std::vector<Shown> dialogs;
  } cases[] = {
      {"no movement at all", "01/12/2026", "03/12/2026", {25, 25, 25}, {},
       {{CatalogueText("Erro_NMovDia") + "01/12/2026, 02/12/2026, 03/12/2026", tmInformacao, "009"}}},
      {"first day after the last", "03/12/2026", "01/12/2026", {}, {}, {}},
      {"days without separators", "011226", "031226", {}, {"01122026", "02122026", "03122026"}, {}},
      {"error on the second day", "01/12/2026", "03/12/2026", {0, 2}, {"01122026"},
       {{CatalogueText("Erro_Data"), tmInformacao, "009"}}},
      // The day without movement before the error is not reported.
      {"error after a day without movement", "01/12/2026", "03/12/2026", {25, 3}, {},
       {{CatalogueText("Erro_Faixa"), tmInformacao, "009"}}},
      {"negative range code", "01/12/2026", "03/12/2026", {0, -3}, {"01122026"},
       {{CatalogueText("Erro_Faixa"), tmInformacao, "009"}}},
      {"code without a message", "01/12/2026", "03/12/2026", {99}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake_.calls.clear();
    host_->dialogs.clear();
    fake_.codes = c.codes;
    const int reopensBefore = Reopens();
    std::vector<AnsiString> listed;
    for (const char* day : c.listed) listed.push_back(DailyFile(day));
    const bool written = listed.size() == 3;  // the only case without an error

    EXPECT_EQ(Run(Elements(c.first, c.last)), written);
    EXPECT_EQ(Listed(), listed);
    EXPECT_EQ(Dialogs(), c.dialogs);
    // The session comes back only after a period with files and no error.
    EXPECT_EQ(Reopens(), reopensBefore + (written ? 1 : 0));
    EXPECT_EQ(PortOpen(), written);
    if (!written) OpenPortAgain();
  }
}

TEST_F(SalesFilesTest, LastDetectionUsesThePortDigit) {
  struct Case {
    const char* port;
    int digit;
    bool found;
  } cases[] = {{"COM2", 2, true}, {"COM12", 1, true}, {"COM3", 3, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port);
    fake_.calls.clear();
    host_->dialogs.clear();
    host_->delays.clear();
    fake_.finds = [&c](int port) { return c.found && port != 0; };
    SalesParams params;
    params.port = c.port;
    const int reopensBefore = Reopens();

    EXPECT_EQ(Run(Elements("01/12/2026", "01/12/2026", params)), c.found);
    std::vector<int> ports;
    for (const LibraryCall& call : fake_.Calls("detect")) ports.push_back(call.numbers[0]);
    std::vector<int> expected(12, 0);
    expected.push_back(c.digit);
    EXPECT_EQ(ports, expected);
    ASSERT_GE(host_->delays.size(), 12u);
    EXPECT_EQ(std::vector<int>(host_->delays.begin(), host_->delays.begin() + 12),
              std::vector<int>(12, 5));
    EXPECT_EQ(Listed(), (c.found ? std::vector<AnsiString>{DailyFile("01122026")}
                                 : std::vector<AnsiString>{}));
    EXPECT_EQ(Dialogs(), (c.found ? std::vector<Shown>{}
                                  : std::vector<Shown>{{CatalogueText("Erro_Detectar"), tmErro, "009"}}));
    EXPECT_EQ(Reopens(), reopensBefore + 1);
    EXPECT_TRUE(SessionUsable());
  }
}

TEST_F(SalesFilesTest, CaptureErrorsEndTheFileWithThePortClosed) {
  struct Case {
    int kind;
    short code;
    const char* key;  // nullptr: no message
  } cases[] = {{1, 1, "Erro_AberLog"},     {1, 17, "Erro_Off_line"}, {2, 24, "Erro_Aplicativo"},
               {2, 25, nullptr},           {1, -1, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(IntToStr(c.kind) + ": " + IntToStr(c.code));
    fake_.calls.clear();
    host_->dialogs.clear();
    fake_.captureCodes[1] = c.kind == 1 ? c.code : 0;
    fake_.captureCodes[2] = c.kind == 2 ? c.code : 0;

    EXPECT_FALSE(Run(Elements("01/12/2026", "02/12/2026")));
    std::vector<AnsiString> entries = {"detect"};
    entries.resize(1 + c.kind, "capture");
    EXPECT_EQ(fake_.EntrySequence(), entries);
    EXPECT_EQ(Dialogs(), (c.key ? std::vector<Shown>{{CatalogueText(c.key), tmInformacao, "009"}}
                                : std::vector<Shown>{}));
    EXPECT_EQ(Reopens(), 0);
    EXPECT_FALSE(PortOpen());
    OpenPortAgain();
  }
}

TEST_F(SalesFilesTest, RefusedBeforeThePortIsTouched) {
  struct Case {
    const char* what;
    SalesParams params;
    std::vector<AnsiString> missing;
    std::vector<Shown> dialogs;
  } cases[] = {
      {"no detail-tape memory", {"N"}, {}, {}},
      {"library not loaded", {}, {"Sweda_ArquivoEletronicoCOTEPE"},
       {{CatalogueText("Erro_SWMFD"), tmInformacao, "009"}}},
      {"no detection entry", {}, {"Sweda_DetectarECF"},
       {{CatalogueText("Erro_SWMFD"), tmInformacao, "009"}}},
      {"dot dot branch", {"S", ".."}, {}, {}},
      {"slash in the till", {"S", "0001", "0/2"}, {}, {}},
      {"backslash in the branch", {"S", "a\\b"}, {}, {}},
      {"drive in the branch", {"S", "C:"}, {}, {}},
      {"control character in the till", {"S", "0001", AnsiString("\x7f", 1)}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host_->dialogs.clear();
    fake_.missing = c.missing;
    EXPECT_FALSE(Run(Elements("01/12/2026", "03/12/2026", c.params)));
    EXPECT_EQ(Dialogs(), c.dialogs);
    ExpectNothingDone();
  }
  // Nothing went into the work folder, which was not even made.
  EXPECT_FALSE(platform::DirectoryExists(host_->Directory() + "Sweda"));
  EXPECT_TRUE(SessionUsable());
}

TEST_F(SalesFilesTest, PortThatDoesNotClose) {
  ClosePortBeforehand();
  EXPECT_FALSE(Run(Elements("01/12/2026", "03/12/2026")));
  EXPECT_TRUE(fake_.calls.empty());
  EXPECT_EQ(Dialogs(), (std::vector<Shown>{{CatalogueText("Erro_FechaPorta"), tmInformacao, "009"}}));
  EXPECT_EQ(Listed(), std::vector<AnsiString>{});
}

TEST_F(SalesFilesTest, MixedDayFormsRaiseWithTheListHandedOver) {
  EXPECT_THROW(Run(Elements("01/12/2026", "031226")), EConvertError);
  ExpectNothingDone();
  EXPECT_THROW(Run(Elements("01/13/2026", "32/12/2026")), EConvertError);
  ExpectNothingDone();
}

#ifndef _WIN32
// On Windows the work folders are the machine's own "C:\Sweda".
TEST_F(SalesFilesTest, WorkFolderThatCannotBeMadeRaises) {
  struct Case {
    bool folderMade;      // "Sweda" is there as a folder
    const char* blocker;  // a file where the folder should be
    const char* message;
  } cases[] = {{false, "Sweda", "DiretórioC:\\Sweda não foi criado"},
               {true, "Sweda/RFD", "Diretórioc:\\sweda\\RFD\\ não foi criado"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blocker);
    if (c.folderMade) {
      ASSERT_TRUE(platform::ForceDirectories(host_->Directory() + "Sweda"));
    }
    platform::WriteFileAtomically(host_->Directory() + c.blocker, "");
    try {
      Run(Elements("01/12/2026", "03/12/2026"));
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), Utf8ToAnsi(c.message));
    }
    ExpectNothingDone();
    platform::RemoveFile(host_->Directory() + c.blocker);
  }
}
#endif

}  // namespace
}  // namespace mdx::test
