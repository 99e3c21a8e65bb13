// The routines that belong to the real host reach the installed services,
// and installing services (the test fake here) is undone cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mdx00200/datetime.h"
#include "mdx00200/hostlib.h"
#include "support/fake_host.h"

namespace {

using mdx::AnsiString;
using mdx::test::FakeHost;
using mdx::test::ScopedFakeHost;

TEST(Mensagem, PassesEveryArgumentToTheDialogAndReturnsItsAnswer) {
  ScopedFakeHost host;
  host->Answer({true});
  auto* dataset = reinterpret_cast<mdx::TClientDataSet*>(&host);  // only passed through, never used
  EXPECT_TRUE(Mensagemxop::Mensagem("Imprimir novamente?", "Caption", "N", "S", mdx::tmErro, "extra", "001", 7,
                                    dataset));
  EXPECT_FALSE(Mensagemxop::Mensagem("Papel acabando", "", "N", "N", mdx::tmInformacao, "", "002", 0, nullptr));
  host->defaultAnswer = true;
  EXPECT_TRUE(Mensagemxop::Mensagem("Terceira", "", "N", "N", mdx::tmConfirmacao, "", "", 0, nullptr));

  ASSERT_EQ(host->dialogs.size(), 3u);
  const mdx::DialogRequest& first = host->dialogs[0];
  EXPECT_EQ(first.text, "Imprimir novamente?");
  EXPECT_EQ(first.caption, "Caption");
  EXPECT_EQ(first.option1, "N");
  EXPECT_EQ(first.option2, "S");
  EXPECT_EQ(first.kind, mdx::tmErro);
  EXPECT_EQ(first.extraText, "extra");
  EXPECT_EQ(first.scheme, "001");
  EXPECT_EQ(first.number, 7);
  EXPECT_EQ(first.dataset, dataset);
  EXPECT_EQ(host->dialogs[1].kind, mdx::tmInformacao);
  EXPECT_EQ(host->dialogs[1].scheme, "002");
  EXPECT_EQ(host->DialogTexts(), (std::vector<AnsiString>{"Imprimir novamente?", "Papel acabando", "Terceira"}));
}

TEST(HostRoutines, DelayGravaCerAndTheCipherGoThroughTheInstalledServices) {
  struct OwnCipher : FakeHost {
    AnsiString Cripto(const AnsiString& text, int key) override { return "<" + text + mdx::IntToStr(key) + ">"; }
    AnsiString Uncripto(const AnsiString& text, int) override { return "plain:" + text; }
  } own;
  mdx::HostServices* previous = mdx::InstallHostServices(&own);

  Consiste::Delay(1);
  Consiste::Delay(40);
  mdx::TDateTime when = mdx::EncodeDate(2024, 2, 29);
  Srv_mdx::GravaCER("A", "B", when);
  EXPECT_EQ(Criptografa::Cripto("123", 5), "<1235>");
  EXPECT_EQ(Criptografa::Uncripto("x", 5), "plain:x");

  mdx::InstallHostServices(previous);
  EXPECT_EQ(own.delays, (std::vector<int>{1, 40}));
  ASSERT_EQ(own.cerCalls.size(), 1u);
  EXPECT_EQ(own.cerCalls[0].a, "A");
  EXPECT_EQ(own.cerCalls[0].b, "B");
  EXPECT_EQ(own.cerCalls[0].when, when);
  // Back on the previous services the default cipher answers again.
  EXPECT_EQ(Criptografa::Uncripto(Criptografa::Cripto("123", 5), 5), "123");
}

TEST(ScopedFakeHost, RestoresThePreviousServicesAndTheRuntimeClockFollows) {
  mdx::HostServices* defaults = &mdx::Host();
  {
    ScopedFakeHost outer;
    EXPECT_EQ(&mdx::Host(), &outer.get());
    outer->SetNow(mdx::EncodeDate(2023, 12, 31) + mdx::EncodeTime(23, 59, 0, 0));
    EXPECT_EQ(mdx::Now(), outer->now);
    outer->AdvanceMilliseconds(2 * 60 * 1000);
    EXPECT_EQ(mdx::Date(), mdx::EncodeDate(2024, 1, 1));
    EXPECT_EQ(mdx::FormatDateTime("hh:nn", mdx::Now()), "00:01");
    {
      ScopedFakeHost inner;
      EXPECT_EQ(&mdx::Host(), &inner.get());
      EXPECT_EQ(mdx::Now(), inner->now);
      EXPECT_NE(mdx::Now(), outer->now);
    }
    EXPECT_EQ(&mdx::Host(), &outer.get());
    EXPECT_EQ(mdx::Now(), outer->now);
  }
  EXPECT_EQ(&mdx::Host(), defaults);
  // The system clock again: within a few seconds of the default services' clock.
  EXPECT_NEAR(mdx::Now(), mdx::SystemNow(), 5.0 / 86400);
  EXPECT_GT(mdx::Now(), mdx::EncodeDate(2024, 6, 1));
}

TEST(FakeHost, HasItsOwnTemporaryFolderRemovedAtTheEnd) {
  std::filesystem::path folder;
  {
    FakeHost a, b;
    AnsiString dir = a.HostDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_NE(dir, b.HostDirectory());
    folder = std::filesystem::path(dir.substr(0, dir.size() - 1));
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::ofstream(dir + "impdebug0124.txt") << "line\n";
    std::filesystem::create_directories(folder / "Dados" / "MenuFiscal");
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(FakeHost, RecordsMessagesPumpsAndDialogsWithoutScriptAnswerFalse) {
  FakeHost host;
  host.ShowMessage("one");
  host.ProcessMessages();
  host.ProcessMessages();
  EXPECT_FALSE(host.Dialog({}));
  host.Answer({true, false});
  EXPECT_TRUE(host.Dialog({}));
  EXPECT_FALSE(host.Dialog({}));
  EXPECT_FALSE(host.Dialog({}));
  EXPECT_EQ(host.messages, std::vector<AnsiString>{"one"});
  EXPECT_EQ(host.processMessagesCalls, 2);
  EXPECT_EQ(host.dialogs.size(), 4u);
}

}  // namespace
