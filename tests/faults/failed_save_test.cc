// A full disk while the grand total is saved into "Vendora.cds": the save
// goes through "Vendora.cds.tmp", which here leads to /dev/full, so the write
// really fails with "no space". The old file stays whole, the failure reaches
// the host in the error dialog of an attended till, and once there is room
// the next save works. Linux only (/dev/full).
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"

namespace mdx::test {
namespace {

using AtuTotGeralFn = bool (*)(const Variant&);

class FullDiskTest : public TillTest {
 protected:
  bool GrandTotal(const char* idValida) {
    const Variant record = Record({{"CDFILIAL", "0001"},
                                   {"CDCAIXA", "001"},
                                   {"NRSERIEIMP", "SW0000001"},
                                   {"ESQUEMACOR", "004"},
                                   {"IDVALIDA", idValida}});
    return Op<AtuTotGeralFn>("Atu_TotGeral")(record);
  }
};

TEST_F(FullDiskTest, FailedSaveKeepsTheOldFileAndReachesTheHost) {
#ifdef _WIN32
  GTEST_SKIP() << "a full disk is made with /dev/full, which Windows does not have";
#else
  namespace fs = std::filesystem;
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
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
    HangGuard guard(std::string("full disk, ") + c.caller);
    FreshPrinter();
    Package().ResetGlobals();
    MakeConfigFile(configFile, ConfigRows("10,10"));
    const std::string before = platform::ReadFile(configFile);
    fs::create_symlink("/dev/full", fs::path(temporary));
    host_->dialogs.clear();

    ClieUtil() = false;  // an operator not yet warned
    EXPECT_EQ(c.run(), c.result);
    // The whole old file, loadable as before.
    EXPECT_EQ(platform::ReadFile(configFile), before);
    EXPECT_EQ(ReadConfigFile(configFile), ConfigRows("10,10"));
    ASSERT_EQ(host_->dialogs.size(), 1u);
    EXPECT_EQ(host_->dialogs[0].kind, tmErro);
    EXPECT_NE(host_->dialogs[0].text.find(temporary), AnsiString::npos) << host_->dialogs[0].text;
    EXPECT_NE(host_->dialogs[0].text.find(std::strerror(ENOSPC)), AnsiString::npos)
        << host_->dialogs[0].text;
    EXPECT_FALSE(ClieUtil());
    // The failed save took its temporary file (the link) away; the device is untouched.
    EXPECT_FALSE(fs::exists(fs::symlink_status(fs::path(temporary))));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    if (c.result) {
      EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
    }

    // With room on the disk the next update writes the printer's total.
    host_->dialogs.clear();
    EXPECT_TRUE(GrandTotal("N"));
    EXPECT_TRUE(host_->dialogs.empty());
    EXPECT_EQ(ReadConfigFile(configFile), ConfigRows(TotalText(Printer().State().grandTotal)));
  }
#endif
}

}  // namespace
}  // namespace mdx::test
