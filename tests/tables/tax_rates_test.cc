// CarregaAliquota against the virtual printer's tax-rate table.
#include <algorithm>
#include <tuple>

#include "emulator/tax_rate_table.h"
#include "mdx00200/data_module.h"
#include "mdx00200/format_settings.h"
#include "tables/tables_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;
using emulator::TaxRate;
using Row = std::tuple<AnsiString, double, AnsiString>;  // code, rate, kind

class TaxRatesTest : public TablesTest {
 protected:
  static std::vector<Row> RowsOf(TClientDataSet& data) {
    std::vector<Row> rows;
    for (data.First(); !data.Eof(); data.Next()) {
      rows.emplace_back(data.FieldByName("CDALIQIMPFIS").AsString(),
                        data.FieldByName("VRALIQIMPFIS").AsFloat(),
                        data.FieldByName("IDALIQIMPFIS").AsString());
    }
    return rows;
  }
  // The rows the host received, in code order.
  std::vector<Row> Load() {
    TClientDataSet host;
    LoadRates(host);
    std::vector<Row> rows = RowsOf(host);
    std::sort(rows.begin(), rows.end());
    return rows;
  }
  void SetRates(const std::vector<std::pair<int, TaxRate>>& rates) {
    ChangePrinter([&](emulator::PrinterState& s) {
      s.taxRates = {};
      for (const auto& [position, rate] : rates) s.taxRates[position - 1] = rate;
    });
  }
};

const std::vector<Row> kFixedRows = {{"F", 0, "F"}, {"I", 0, "I"}, {"N", 0, "N"}};

// A fresh printer holds T01 18.00, T02 12.00, T03 7.00 and S01 5.00: "T011800"
// is code T01, rate 18.00, kind T, whatever the decimal separator.
TEST_F(TaxRatesTest, PrinterRatesFollowedByTheFixedRows) {
  for (char separator : {',', '.'}) {
    FormatSettingsGuard guard;
    FormatSettings().DecimalSeparator = separator;
    EXPECT_EQ(Load(), (std::vector<Row>{{"F", 0, "F"},
                                        {"I", 0, "I"},
                                        {"N", 0, "N"},
                                        {"S01", 5, "S"},
                                        {"T01", 18, "T"},
                                        {"T02", 12, "T"},
                                        {"T03", 7, "T"}}))
        << separator;
  }
  // The data module's dataset keeps its index: by kind, then rate.
  auto* dm = Package().Global<Mdx00200::TdtmSweda200*>("dtmSweda200");
  ASSERT_NE(dm, nullptr);
  EXPECT_EQ(RowsOf(*dm->cdsAliqImpFis), (std::vector<Row>{{"F", 0, "F"},
                                                          {"I", 0, "I"},
                                                          {"N", 0, "N"},
                                                          {"S01", 5, "S"},
                                                          {"T03", 7, "T"},
                                                          {"T02", 12, "T"},
                                                          {"T01", 18, "T"}}));
  EXPECT_EQ(Frames(),
            (std::vector<AnsiString>{".293}", ".294}", ".295}", ".293}", ".294}", ".295}"}));
}

// Each piece is trimmed; a free entry between two rates of a piece is no rate.
TEST_F(TaxRatesTest, BlankPiecesAndFreeEntriesGiveNoRows) {
  struct Case {
    std::vector<std::pair<int, TaxRate>> printer;
    std::vector<Row> printerRows;
  } cases[] = {
      {{}, {}},
      // Position 2 ends piece "3" after a free entry; 5 and 7 of piece "4"
      // around a free one; 15 is the last entry of piece "5".
      {{{2, {"T05", 2500}}, {5, {"S02", 200}}, {7, {"T07", 1234}}, {15, {"T15", 9999}}},
       {{"S02", 2, "S"}, {"T05", 25, "T"}, {"T07", 12.34, "T"}, {"T15", 99.99, "T"}}},
  };
  for (const Case& c : cases) {
    SetRates(c.printer);
    std::vector<Row> expected = kFixedRows;
    expected.insert(expected.end(), c.printerRows.begin(), c.printerRows.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Load(), expected);
  }
}

// A refused read is no table: the refusal's own text never becomes rates.
TEST_F(TaxRatesTest, RefusedPieceGivesNoRows) {
  SetRates({{1, {"T01", 1800}}, {5, {"T05", 500}}, {12, {"S12", 300}}});
  for (FaultKind kind : {FaultKind::kOperationOpen, FaultKind::kRefuse}) {
    Fault(kind, "294");
    std::vector<Row> expected = kFixedRows;
    expected.push_back({"S12", 3, "S"});
    expected.push_back({"T01", 18, "T"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Load(), expected);
  }
}

// Up to 10 attempts at a piece that gets no answer, with a pause before every
// attempt but the first.
TEST_F(TaxRatesTest, PieceWithoutAnswerIsAskedAgain) {
  struct Case {
    int lost;
    int attempts;
    bool ratesOfPieceThree;
  } cases[] = {{2, 3, true}, {emulator::kEveryTime, 10, false}};
  for (const Case& c : cases) {
    Printer().ClearFaults();
    host_->delays.clear();
    const int before = CountFrames(".293}");
    Fault(FaultKind::kNoAnswer, "293", c.lost);
    std::vector<Row> rows = Load();
    EXPECT_EQ(CountFrames(".293}") - before, c.attempts);
    EXPECT_EQ(host_->delays, std::vector<int>(static_cast<size_t>(c.attempts - 1), 1));
    EXPECT_EQ(rows.size(), c.ratesOfPieceThree ? 7u : 3u);
  }
}

}  // namespace
}  // namespace mdx::test
