// The message catalogue: look-up without regard to case, first line wins.
#include <gtest/gtest.h>

#include "mdx00200/messages.h"

namespace {

TEST(TMessages, FirstMatchingLineWinsWhateverTheCase) {
  Kor_msg::TMessages catalogue;
  catalogue.AddLine("DataDif|Data da impressora fiscal difere da data do sistema em mais de 15 minutos.");
  catalogue.AddLine("AliqNaoCad|Al\xEDquota n\xE3o cadastrada na impressora fiscal.");
  catalogue.AddLine("ALIQNAOCAD|second text");
  catalogue.AddLine("Formula|a|b");  // the text keeps its own bars
  catalogue.AddLine("SemTexto");
  catalogue.Add("Saldo", "Saldo: %s");

  EXPECT_EQ(catalogue.Msg("Datadif"), "Data da impressora fiscal difere da data do sistema em mais de 15 minutos.");
  EXPECT_EQ(catalogue.Msg("aliqnaocad"), "Al\xEDquota n\xE3o cadastrada na impressora fiscal.");
  EXPECT_EQ(catalogue.Msg("Formula"), "a|b");
  EXPECT_EQ(catalogue.Msg("SEMTEXTO"), "");
  EXPECT_TRUE(catalogue.Contains("semtexto"));
  EXPECT_EQ(catalogue.Msg("SALDO"), "Saldo: %s");
  EXPECT_EQ(catalogue.Msg("Ausente"), "");
  EXPECT_FALSE(catalogue.Contains("Ausente"));
  EXPECT_FALSE(catalogue.Contains("DataDi"));  // whole keys only

  ASSERT_EQ(catalogue.Count(), 6);
  EXPECT_EQ(catalogue.KeyAt(2), "ALIQNAOCAD");
  EXPECT_EQ(catalogue.TextAt(2), "second text");
}

}  // namespace
