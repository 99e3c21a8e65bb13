// What AbrePorta does to a printer and a till left in the middle of a sale:
// the coupon is cancelled and the grand total of the configuration file
// refreshed, then any open report is closed.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "grandtotal/config_files.h"
#include "session/session_fixture.h"
#include "status/scripted_replies.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;

class StartupCleanupTest : public SessionTest {
 public:
  AnsiString ConfigFile() { return host_->Directory() + "Vendora.cds"; }
  void Touch(const char* name) { platform::WriteFileAtomically(host_->Directory() + name, ""); }
  void OpenCoupon() {
    emulator::PrinterState state = Printer().State();
    state.dayOpen = true;
    state.document = DocumentKind::kFiscalCoupon;
    Printer().SetState(state);
  }
  // A fresh printer and an empty host directory.
  void Reset() {
    printer_ = reinterpret_cast<emulator::VirtualPrinter* (*)()>(
        Package().SerialSymbol("Sersweda_RestartVirtualPrinter"))();
    for (const auto& entry : std::filesystem::directory_iterator(host_->Directory())) {
      std::filesystem::remove_all(entry.path());
    }
    host_->dialogs.clear();
  }
  bool TapeShows(const AnsiString& text) {
    for (const AnsiString& line : Printer().State().tape) {
      if (line.find(text) != AnsiString::npos) return true;
    }
    return false;
  }
};

TEST_F(StartupCleanupTest, SaleLeftOpenIsCancelledAndTheGrandTotalRefreshed) {
  using Arrange = std::function<void(StartupCleanupTest&, ScriptedReplies&)>;
  const std::vector<AnsiString> cleanup = {"23", "28", "05", "271", "12"};
  struct Case {
    const char* what;
    Arrange arrange;
    std::vector<AnsiString> commands;
  } cases[] = {
      {"nothing left", [](StartupCleanupTest&, ScriptedReplies&) {}, {"23", "28", "12"}},
      {"coupon open", [](StartupCleanupTest& t, ScriptedReplies&) { t.OpenCoupon(); }, cleanup},
      {"payment under way",
       [](StartupCleanupTest&, ScriptedReplies& s) {
         s.Answer("28", {Status28("E VENDAS", "N", "1501241030")});
       },
       cleanup},
      {"sale file", [](StartupCleanupTest& t, ScriptedReplies&) { t.Touch("cdsVenda.cds"); },
       cleanup},
      {"cancelled items file",
       [](StartupCleanupTest& t, ScriptedReplies&) { t.Touch("cdsItensCancelados.cds"); }, cleanup},
  };
  for (const Case& c : cases) {
    Reset();
    emulator::PrinterState state = Printer().State();
    state.grandTotal = 1234567;
    Printer().SetState(state);
    ScriptedReplies script(Package());
    // The recorded total differs from the printer's: only an update writes it.
    MakeConfigFile(ConfigFile(), {{"0001", "001", "SW0000001", "A", "S", "999,99"}});
    c.arrange(*this, script);

    EXPECT_TRUE(Open(SessionRecord())) << c.what;
    EXPECT_EQ(SentCommands(LogTexts()), c.commands) << c.what;
    const bool cleaned = c.commands.size() > 3;
    EXPECT_EQ(ReadConfigFile(ConfigFile()).at(0).total, cleaned ? "12345,67" : "999,99") << c.what;
    EXPECT_TRUE(host_->dialogs.empty()) << c.what;
    EXPECT_EQ(Printer().State().document, DocumentKind::kNone) << c.what;
    EXPECT_EQ(TapeShows("CUPOM FISCAL CANCELADO"), c.what == AnsiString("coupon open")) << c.what;
  }
}

}  // namespace
}  // namespace mdx::test
