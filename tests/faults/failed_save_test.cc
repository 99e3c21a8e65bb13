// A save of "Vendora.cds" that fails: the save goes through
// "Vendora.cds.tmp", and a folder under that name makes the write fail for
// real. The old file stays whole, the failure reaches the host in the error
// dialog of an attended till, and once the way is clear the next save works.
// A link planted under the temporary name (to /dev/full, which would fail
// every write) is never written through.
#include <gtest/gtest.h>

#include <filesystem>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"

namespace mdx::test {
namespace {

using FailedSaveTest = TillTest;

TEST_F(FailedSaveTest, FailedSaveKeepsTheOldFileAndReachesTheHost) {
  namespace fs = std::filesystem;
  const AnsiString configFile = HostFile("Vendora.cds");
  const AnsiString temporary = configFile + ".tmp";
  struct Case {
    const char* caller;
    std::function<bool()> run;
    bool result;
  } cases[] = {
      {"Atu_TotGeral, update", [this] { return GrandTotal("N"); }, true},
      // The record was never filled: validation fills it, and a failed save
      // leaves the total unverified.
      {"Atu_TotGeral, validation of a new record", [this] { return GrandTotal("S"); }, false},
      {"AbrePorta, sale left open",
       [this] {
         WriteOpenSaleFiles();
         return OpenSession();
       },
       true},
      {"Cancela_Cupom_Imp",
       [this] {
         for (const bool ok : RunAll(Sale())) EXPECT_TRUE(ok);
         // A closing with no messages leaves boClieUtil true, which keeps the update's dialog
         // back; a till that has not yet warned its operator clears it.
         ClieUtil() = false;
         return CancelCoupon();
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caller);
    HangGuard guard(std::string("failed save, ") + c.caller);
    FreshPrinter();
    Package().ResetGlobals();
    MakeConfigFile(configFile, ConfigRows("10,10"));
    const std::string before = platform::ReadFile(configFile);
    fs::create_directory(fs::path(temporary));
    host_->dialogs.clear();

    ClieUtil() = false;  // an operator not yet warned
    EXPECT_EQ(c.run(), c.result);
    // The whole old file, loadable as before.
    EXPECT_EQ(platform::ReadFile(configFile), before);
    EXPECT_EQ(ReadConfigFile(configFile), ConfigRows("10,10"));
    ASSERT_EQ(host_->dialogs.size(), 1u);
    EXPECT_EQ(host_->dialogs[0].kind, tmErro);
    EXPECT_NE(host_->dialogs[0].text.find(temporary), AnsiString::npos) << host_->dialogs[0].text;
    EXPECT_FALSE(ClieUtil());
    if (c.result) {
      EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
    }

    // With the way clear the next update writes the printer's total.
    fs::remove(fs::path(temporary));
    host_->dialogs.clear();
    EXPECT_TRUE(GrandTotal("N"));
    EXPECT_TRUE(host_->dialogs.empty());
    EXPECT_EQ(ReadConfigFile(configFile), ConfigRows(TotalText(Printer().State().grandTotal)));
  }
}

// A link under the temporary name is taken away, never written through: the
// save goes into a new file of its own (a link to /dev/full used to make
// every save fail with "no space").
TEST_F(FailedSaveTest, PlantedLinkIsNeverWrittenThrough) {
#ifdef _WIN32
  GTEST_SKIP() << "links to /dev/full are a Linux matter";
#else
  namespace fs = std::filesystem;
  const AnsiString configFile = HostFile("Vendora.cds");
  const AnsiString temporary = configFile + ".tmp";
  const AnsiString victim = HostFile("victim.txt");
  platform::WriteFileAtomically(victim, "keep me");
  for (const char* target : {"/dev/full", victim.c_str()}) {
    SCOPED_TRACE(target);
    Package().ResetGlobals();
    MakeConfigFile(configFile, ConfigRows("10,10"));
    fs::create_symlink(target, fs::path(temporary));
    host_->dialogs.clear();
    EXPECT_TRUE(GrandTotal("N"));
    EXPECT_TRUE(host_->dialogs.empty());
    EXPECT_EQ(ReadConfigFile(configFile), ConfigRows(TotalText(Printer().State().grandTotal)));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(fs::path(configFile))));
    EXPECT_FALSE(fs::exists(fs::symlink_status(fs::path(temporary))));
  }
  EXPECT_EQ(platform::ReadFile(victim), "keep me");
#endif
}

}  // namespace
}  // namespace mdx::test
