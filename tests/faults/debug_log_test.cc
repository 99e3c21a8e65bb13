// A debug log that cannot be written in the middle of a sale: the log is
// written before each command goes out, so the call fails with the file
// error and the printer gets nothing; once the log can be written again the
// same sale goes on to its end. The log path is made unusable in ways that
// hold for every user, root included: a folder where the file should be, and
// a host folder below a regular file.
#include <gtest/gtest.h>

#include <filesystem>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"
#include "mdx00200/exceptions.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;

// A host whose folder lies below a regular file, so nothing can be made in it.
class HostBelowAFile : public FakeHost {
 public:
  HostBelowAFile() { platform::WriteFileAtomically(Directory() + "blocker", "not a folder"); }
  AnsiString HostDirectory() override { return Directory() + "blocker/till/"; }
};

class DebugLogTest : public TillTest {};

TEST_F(DebugLogTest, SaleGoesOnOnceTheLogCanBeWrittenAgain) {
  const Sold items[] = {{"789", "CAFE", "T01", 2, 3.50, 0.50},
                        {"456", "ACUCAR", "T02", 1, 4.20, 0},
                        {"123", "LEITE", "T01", 3, 2.00, 0}};
  struct Case {
    const char* what;
    bool folderInPlace;  // else the host folder lies below a file
  } cases[] = {{"a folder where the log file goes", true}, {"a host folder below a file", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HangGuard guard(std::string("unwritable log, ") + c.what);
    FreshPrinter();
    Package().ResetGlobals();
    ForgetFrames();
    ASSERT_TRUE(OpenCouponCall());
    ASSERT_TRUE(Item(items[0]));
    const emulator::PrinterState before = Printer().State();

    HostBelowAFile below;
    HostServices* previous = nullptr;
    AnsiString logPath = LogPath();
    if (c.folderInPlace) {
      ForgetFrames();
      ASSERT_TRUE(platform::ForceDirectories(logPath));
    } else {
      below.now = host_->now;
      previous = InstallHostServices(&below);
      logPath = below.HostDirectory() + "impdebug" + FormatDateTime("MMYY", below.now) + ".txt";
    }
    // Each call fails with the file error, which names the log file.
    for (const HostCall& call :
         std::vector<HostCall>{{"VendaItem", [&] { return Item(items[1]); }},
                               {"FechaCupom",
                                [this] {
                                  return CloseCall(0, {{"E", "001", 30}});
                                }},
                               {"Cancela_Cupom_Imp", [this] { return CancelCoupon(); }}}) {
      try {
        EXPECT_FALSE(call.run()) << call.name;
        ADD_FAILURE() << call.name << " did not raise the log's file error";
      } catch (const EInOutError& e) {
        EXPECT_NE(AnsiString(e.what()).find(logPath), AnsiString::npos)
            << call.name << ": " << e.what();
      }
      EXPECT_FALSE(Package().Global<bool>("boComando")) << call.name;
    }
    // Nothing reached the printer.
    EXPECT_EQ(Printer().State(), before);

    if (c.folderInPlace) {
      ASSERT_TRUE(std::filesystem::remove(std::filesystem::path(logPath)));
    } else {
      InstallHostServices(previous);
    }
    // The same coupon goes on.
    EXPECT_TRUE(Item(items[1]));
    EXPECT_TRUE(Item(items[2]));
    EXPECT_TRUE(CloseCall(1.00, {{"E", "001", 30}}));
    EXPECT_EQ(Printer().State().document, DocumentKind::kNone);
    EXPECT_EQ(Printer().State().lastCoupon.items.size(), 3u);
  }
}

}  // namespace
}  // namespace mdx::test
