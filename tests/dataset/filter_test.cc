// Filters: the expressions the operations use, the logic of the little
// language, its errors, and how a filtered view behaves.
#include <gtest/gtest.h>

#include "dataset/dataset_test_util.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/format_settings.h"

namespace mdx {
namespace {

using test::Column;
using test::DatabaseErrorOf;
using test::MakeReceb;
using Codes = std::vector<std::string>;

Codes Filtered(TClientDataSet& ds, const std::string& filter, TFilterOptions options = {}) {
  ds.SetFilterOptions(options);
  ds.SetFilter(filter);
  ds.SetFiltered(true);
  Codes codes = Column(ds, "CD");
  ds.SetFiltered(false);
  return codes;
}

TEST(Filter, ConfigurationFileSelection) {
  TClientDataSet ds("cdsCheckECF");
  for (const char* name : {"CDFILIAL", "CDCAIXA", "NRSERIEECF", "IDSITECFIMPF", "CD"}) ds.FieldDefs().Add(name, ftString, 20);
  ds.CreateDataSet();
  const char* rows[][5] = {{"01", "001", "SW1", "A", "r1"},
                           {"01", "002", "SW1", "A", "r2"},
                           {"01", "002", "O'B", "I", "r3"},
                           {"02", "002", "O'B", "A", "r4"},
                           {"01", "002", "O'B", "A", "r5"}};
  for (const auto& row : rows) {
    ds.Append();
    for (int f = 0; f < 5; ++f) ds.Fields(f).SetAsString(row[f]);
    ds.Post();
  }
  EXPECT_EQ(Filtered(ds, "CDFILIAL = '01' AND CDCAIXA = '002' AND NRSERIEECF = 'SW1'"), Codes{"r2"});
  EXPECT_EQ(Filtered(ds, "CDFILIAL = '01' AND CDCAIXA = '002' AND NRSERIEECF = 'O''B'"), (Codes{"r3", "r5"}));
  EXPECT_EQ(Filtered(ds, "CDFILIAL = '01' AND CDCAIXA = '002' AND NRSERIEECF = 'O''B' AND IDSITECFIMPF = 'A'"),
            Codes{"r5"});
  EXPECT_EQ(Filtered(ds, "CDFILIAL = '03' AND CDCAIXA = '002' AND NRSERIEECF = 'SW1'"), Codes{});
}

TEST(Filter, PaymentMethodSelection) {
  TClientDataSet ds;
  MakeReceb(ds, {{"1", "5", "01", "DINHEIRO"}, {"2", "5", "", "CHEQUE"}, {"3", "4", "02", "CARTAO"},
                 {"4", "5", "03", "TICKET"}});
  auto codes = [&](const std::string& filter) {
    ds.SetFilter(filter);
    ds.SetFiltered(true);
    Codes out = Column(ds, "CDTIPORECE");
    ds.SetFiltered(false);
    return out;
  };
  EXPECT_EQ(codes("IDTPBUTTON = '5'"), (Codes{"1", "2", "4"}));
  // An empty text set through a field is null, so the second method drops out.
  EXPECT_EQ(codes("CDFPIMPFIS IS NOT NULL AND IDTPBUTTON = '5'"), (Codes{"1", "4"}));
  EXPECT_EQ(codes("CDFPIMPFIS IS NULL"), Codes{"2"});
}

class FilterLanguage : public ::testing::Test {
 protected:
  void SetUp() override {
    FormatSettings() = BrazilianFormatSettings();
    ds.FieldDefs().Add("CD", ftString, 3);
    ds.FieldDefs().Add("A", ftInteger);
    ds.FieldDefs().Add("B", ftString, 10);
    ds.FieldDefs().Add("FL", ftFloat);
    ds.FieldDefs().Add("DT", ftDateTime);
    ds.FieldDefs().Add("C", ftInteger);
    ds.CreateDataSet();
    struct Row {
      const char* cd;
      int a;
      const char* b;
      double fl;
      TDateTime dt;
      int c;
    };
    const Row rows[] = {{"r1", 1, "x", 1.5, EncodeDate(2024, 1, 14), 1},
                        {"r2", 2, "xy", 2.0, EncodeDate(2024, 1, 15), 3},
                        {"r3", 3, "", 2.5, EncodeDate(2024, 1, 16) + 0.5, 3},  // B null
                        {"r4", -1, "it's", -4.0, EncodeDate(2023, 12, 31), 0}};
    for (const Row& r : rows) {
      ds.Append();
      ds.FieldByName("CD").SetAsString(r.cd);
      ds.FieldByName("A").SetAsInteger(r.a);
      ds.FieldByName("B").SetAsString(r.b);
      ds.FieldByName("FL").SetAsFloat(r.fl);
      ds.FieldByName("DT").SetAsDateTime(r.dt);
      ds.FieldByName("C").SetAsInteger(r.c);
      ds.Post();
    }
  }
  FormatSettingsGuard settings;
  TClientDataSet ds{"cdsLang"};
};

TEST_F(FilterLanguage, Expressions) {
  const struct {
    const char* filter;
    Codes codes;
  } cases[] = {
      {"A = 1 OR A = 2 AND B = 'xy'", {"r1", "r2"}},  // AND binds tighter than OR
      {"(A = 1 OR A = 2) AND B = 'xy'", {"r2"}},
      {"NOT A = 1", {"r2", "r3", "r4"}},
      {"NOT (B = 'x')", {"r2", "r4"}},  // a null B is unknown, and so is NOT unknown
      {"B <> 'x'", {"r2", "r4"}},
      {"B IS NULL OR A = 1", {"r1", "r3"}},
      {"B IS NULL AND NOT B IS NULL", {}},
      {"A >= 2 AND A < 3", {"r2"}},
      {"A <= -1", {"r4"}},
      {"2 < A", {"r3"}},  // a value on the left
      {"FL > 1.5 AND FL <= 2.5", {"r2", "r3"}},
      {"FL = '2,5'", {"r3"}},  // a quoted number in the settings' format
      {"B = 'x*'", {"r1", "r2"}},
      {"b = 'it''s' and a = -1", {"r4"}},
      {"[B] = 'xy'", {"r2"}},
      {"DT >= '15/01/2024'", {"r2", "r3"}},
      {"DT < '15/01/2024 00:00:01'", {"r1", "r2", "r4"}},
      {"A = C", {"r1", "r3"}},
      {"A < C", {"r2", "r4"}},
      {"  ", {"r1", "r2", "r3", "r4"}},  // an empty filter lets everything through
  };
  for (const auto& c : cases) EXPECT_EQ(Filtered(ds, c.filter), c.codes) << c.filter;
}

TEST_F(FilterLanguage, Options) {
  EXPECT_EQ(Filtered(ds, "B = 'X*'"), Codes{});
  EXPECT_EQ(Filtered(ds, "B = 'X*'", {foCaseInsensitive}), (Codes{"r1", "r2"}));
  EXPECT_EQ(Filtered(ds, "B = 'x*'", {foNoPartialCompare}), Codes{});
  EXPECT_EQ(Filtered(ds, "B = 'XY'", {foCaseInsensitive}), Codes{"r2"});
}

TEST_F(FilterLanguage, ErrorsSayWhereAndWhat) {
  const struct {
    std::string filter;
    const char* message;
  } cases[] = {
      {"A = ", "position 5: expected a field or a value but found 'end of text'"},
      {"B = 'x", "position 5: unterminated text"},
      {"(A = 1", "expected ')'"},
      {"A == 1", "position 4: expected a field or a value"},
      {"X = 1", "position 1: Field 'X' not found"},
      {"A = 'abc'", "'abc' does not suit field 'A' (Integer)"},
      {"DT = 'tomorrow'", "does not suit field 'DT'"},
      {"A IS 1", "expected NULL after IS"},
      {"'a' = 'b'", "a comparison needs a field"},
      {"A = 1 B = 2", "unexpected 'B'"},
      {"A # 1", "unexpected character '#'"},
      {std::string(500, '(') + "A = 1" + std::string(500, ')'), "nested too deeply"},
  };
  for (const auto& c : cases) {
    ds.SetFilter(c.filter);
    const std::string message = DatabaseErrorOf([&] { ds.SetFiltered(true); });
    EXPECT_EQ(message.rfind("cdsLang: Filter expression error", 0), 0u) << c.filter << ": " << message;
    EXPECT_NE(message.find(c.message), std::string::npos) << c.filter << ": " << message;
    EXPECT_FALSE(ds.Filtered());
    EXPECT_EQ(ds.RecordCount(), 4);
  }
  std::string chain = "A = 1";
  for (int i = 0; i < 2000; ++i) chain += " OR A = 1";
  ds.SetFilter(chain);
  EXPECT_NE(DatabaseErrorOf([&] { ds.SetFiltered(true); }).find("expression too long"), std::string::npos);
}

TEST_F(FilterLanguage, TheFilteredView) {
  ds.SetFilter("A > 1");
  ds.SetFiltered(true);
  EXPECT_EQ(ds.RecordCount(), 2);
  EXPECT_TRUE(ds.Locate("CD", "r3"));
  EXPECT_FALSE(ds.Locate("CD", "r1"));  // Locate sees the filtered view
  ds.SetFilter("A > 2");                // changing it while on applies it at once
  EXPECT_EQ(Column(ds, "CD"), Codes{"r3"});
  ds.First();
  ds.Edit();
  ds.FieldByName("A").SetAsInteger(0);  // no longer matches: leaves the view
  ds.Post();
  EXPECT_TRUE(ds.IsEmpty());
  ds.Append();
  ds.FieldByName("CD").SetAsString("r5");
  ds.FieldByName("A").SetAsInteger(9);
  ds.Post();
  EXPECT_EQ(Column(ds, "CD"), Codes{"r5"});
  ds.SetFiltered(false);
  EXPECT_EQ(ds.RecordCount(), 5);
  // The filter is kept while closed and applies at the next opening.
  const Variant data = ds.Data();
  ds.SetFiltered(true);
  ds.Close();
  ds.SetData(data);
  EXPECT_EQ(Column(ds, "CD"), Codes{"r5"});
}

}  // namespace
}  // namespace mdx
