// The data module's catalogues against their line lists, kept as fixtures.
#include <gtest/gtest.h>

#include "frame/catalogues.h"
#include "mdx00200/data_module.h"
#include "mdx00200/platform.h"
#include "mdx00200/string_list.h"

namespace Mdx00200 {
namespace {

std::vector<std::pair<mdx::AnsiString, mdx::AnsiString>> FixtureLines(const char* name) {
  mdx::TStringList lines;
  lines.LoadFromFile(mdx::AnsiString(MDX_TEST_FIXTURES) + "/catalogues/" + name);
  std::vector<std::pair<mdx::AnsiString, mdx::AnsiString>> out;
  for (const mdx::AnsiString& line : lines.Lines()) {
    mdx::AnsiString ansi = mdx::Utf8ToAnsi(line);
    size_t bar = ansi.find('|');
    out.emplace_back(ansi.substr(0, bar), ansi.substr(bar + 1));
  }
  return out;
}

void ExpectSameLines(const Kor_msg::TMessages& catalogue, const char* fixture, int expected) {
  auto lines = FixtureLines(fixture);
  ASSERT_EQ(static_cast<int>(lines.size()), expected);
  ASSERT_EQ(catalogue.Count(), expected);
  for (int i = 0; i < expected; ++i) {
    EXPECT_EQ(catalogue.KeyAt(i), lines[i].first) << fixture << " line " << i + 1;
    EXPECT_EQ(catalogue.TextAt(i), lines[i].second) << fixture << " line " << i + 1;
  }
}

TEST(CatalogueTest, BothCataloguesHoldEveryLineInOrder) {
  TdtmSweda200 module;
  ExpectSameLines(module.msgPadrao, "msgPadrao.txt", 290);
  ExpectSameLines(module.msgPadrao2, "msgPadrao2.txt", 42);
}

TEST(CatalogueTest, LookupIgnoresCaseAndTheFirstDuplicateWins) {
  TdtmSweda200 module;
  EXPECT_EQ(module.msgPadrao.Msg("Datadif"),
            "Data da impressora fiscal difere da data do sistema em mais de 15 minutos.");
  EXPECT_EQ(module.msgPadrao.Msg("ALIQNAOCAD"), "Al\xEDquota n\xE3o cadastrada na impressora fiscal.");
  EXPECT_EQ(module.msgPadrao2.Msg("saldo_fin"), "Saldo Final : %s");
  // Every key of the fixture resolves to the text of its first line.
  auto lines = FixtureLines("msgPadrao.txt");
  for (size_t i = 0; i < lines.size(); ++i) {
    bool earlierDuplicate = false;
    for (size_t j = 0; j < i; ++j) earlierDuplicate = earlierDuplicate || mdx::SameText(lines[j].first, lines[i].first);
    if (!earlierDuplicate) {
      EXPECT_EQ(module.msgPadrao.Msg(mdx::LowerCase(lines[i].first)), lines[i].second) << lines[i].first;
    }
  }
  EXPECT_FALSE(module.msgPadrao.Msg("Korvana").empty());
}

// Host text put into a catalogue text is copied as it stands: format
// directives in it are never interpreted, and only the first "%s" is filled.
TEST(CatalogueTest, FillingPutsHostTextInLiterally) {
  TdtmSweda200 module;
  const mdx::AnsiString balance = module.msgPadrao2.Msg("SALDO_FIN");
  struct Case {
    mdx::AnsiString text;
    mdx::AnsiString value;
    mdx::AnsiString expected;
  } cases[] = {
      {balance, "R$ 12,50", "Saldo Final : R$ 12,50"},
      {balance, "100%", "Saldo Final : 100%"},
      {balance, "%n%n%n%n", "Saldo Final : %n%n%n%n"},
      {balance, "%s%s%d%x%p", "Saldo Final : %s%s%d%x%p"},
      {balance, "", "Saldo Final : "},
      {"Arquivo (%s) e (%s)", "C:\%n", "Arquivo (C:\%n) e (%s)"},
      {"Descuento mayor al 50%", "x", "Descuento mayor al 50%"},
      {"sem marca", "%n", "sem marca"},
      {"%s", mdx::AnsiString(300, '%'), mdx::AnsiString(300, '%')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FillPlaceholder(c.text, c.value), c.expected) << c.text << " / " << c.value;
  }
}

}  // namespace
}  // namespace Mdx00200
