// The page as a till's process serves it: the serial substitute with
// MDX_PRINTER_VIEW serves its in-process printer's page on the loopback
// address, fetched here over HTTP (natively and in the Windows build).
#include <gtest/gtest.h>

#include <httplib.h>

#include <nlohmann/json.hpp>

#include "serial/serial_library.h"

namespace mdx::serial::test {
namespace {

class ServedPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib.error.empty()) << lib.error;
    for (const char* name : {"MDX_PRINTER_STATE", "MDX_SERIAL_TRANSPORT", "MDX_SERIAL_DEBUG"}) ClearSetting(name);
    SetSetting("MDX_PRINTER_VIEW", "0");
    printer = lib.restartVirtualPrinter();
    ASSERT_NE(printer, nullptr);
    ASSERT_GT(lib.viewPort(), 0);
    ASSERT_EQ(lib.abrePorta(1, 5), 1);
  }
  void TearDown() override {
    lib.fechaPorta(1);
    ClearSetting("MDX_PRINTER_VIEW");
    lib.restartVirtualPrinter();
  }

  AnsiString Send(const AnsiString& body) {
    unsigned char reply[256] = {};
    lib.enviaComando(("\x1b." + body + "}").c_str(), reply);
    return AnsiString(reinterpret_cast<const char*>(reply + 1), reply[0]);
  }

  httplib::Result Post(const std::string& action, httplib::Headers headers = {{"X-Printer-Page", "1"}}) {
    httplib::Client client("127.0.0.1", lib.viewPort());
    return client.Post(("/action/" + action).c_str(), headers, "", "application/x-www-form-urlencoded");
  }

  const SerialLibrary& lib = SerialLibrary::Get();
  emulator::VirtualPrinter* printer = nullptr;
};

TEST_F(ServedPageTest, ThePageAndTheViewOfThePrinterBehindThePort) {
  httplib::Client client("127.0.0.1", lib.viewPort());
  const httplib::Result page = client.Get("/");
  ASSERT_TRUE(page) << httplib::to_string(page.error());
  EXPECT_EQ(page->status, 200);
  EXPECT_NE(page->body.find("<title>Virtual fiscal printer</title>"), std::string::npos);
  EXPECT_EQ(page->body.find("http"), std::string::npos) << "the page must name no outside asset";

  ASSERT_EQ(Send("13S"), ".+0000");
  const httplib::Result view = client.Get("/view.json");
  ASSERT_TRUE(view);
  const nlohmann::json json = nlohmann::json::parse(view->body);
  EXPECT_EQ(json["state"]["document"], "management report");
  EXPECT_EQ(json["frames"].back()["frame"], "<ESC>.13S}");
  EXPECT_TRUE(json["tape"]["documents"].back()["open"]);
  Send("12");
}

TEST_F(ServedPageTest, TheTillSeesWhatThePageSteers) {
  const httplib::Result paper = Post("paper-out");
  ASSERT_TRUE(paper);
  EXPECT_EQ(paper->status, 200);
  EXPECT_EQ(Send("13S"), ".-P005");
  EXPECT_EQ(printer->RecentState().paper, emulator::PaperLevel::kOut);
  ASSERT_TRUE(Post("paper-back"));
  EXPECT_EQ(Send("13S"), ".+0000");
  EXPECT_EQ(Send("12"), ".+0000");

  const httplib::Result unknown = Post("set-coo");
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->status, 400);
}

TEST_F(ServedPageTest, OnlyThePageItselfMayAct) {
  // Another site's page in the developer's browser can send neither the
  // page's header nor a Host of the loopback address.
  const httplib::Result bare = Post("cable-pull", {});
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->status, 403);
  const httplib::Result foreign = Post("cable-pull", {{"X-Printer-Page", "1"}, {"Host", "printer.example"}});
  ASSERT_TRUE(foreign);
  EXPECT_EQ(foreign->status, 403);
  EXPECT_TRUE(printer->Faults().empty());
  EXPECT_EQ(Send("23"), ".+0000");
}

}  // namespace
}  // namespace mdx::serial::test
