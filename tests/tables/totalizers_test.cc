// CarregaTotalizador against the virtual printer's totalizer table.
#include "tables/tables_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;
using emulator::PrinterState;
using emulator::Totalizer;

class TotalizersTest : public TablesTest {
 protected:
  void SetTotalizers(const std::vector<Totalizer>& entries) {
    ChangePrinter([&](PrinterState& s) {
      s.totalizers = {};
      for (size_t i = 0; i < entries.size(); ++i) s.totalizers[i] = entries[i];
    });
  }
  std::vector<AnsiString> Programming() {
    std::vector<AnsiString> frames;
    for (const AnsiString& frame : Frames()) {
      if (frame.compare(0, 3, ".38") == 0) frames.push_back(frame);
    }
    return frames;
  }
};

// The table a blank printer ends up with: the package's groups and totalizers.
const std::vector<Totalizer> kProgrammed = {
    {'&', "ENTRADA-SAIDA"},  {'+', "Suprimento"},   {'-', "Sangria"},      {'&', "OUTROS"},
    {'+', "Cartao Consum."}, {'+', "Cred Pessoal"}, {'+', "Canc Credito"}, {'-', "CONTRA-VALE EM"}};

TEST_F(TotalizersTest, BlankTableIsProgrammedOnceAndFoundAgain) {
  const TotalizerResult expected = {"08", "05", "06", "07", "", "02", "03", "01", "04", false};
  EXPECT_EQ(LoadTotalizers(), expected);
  EXPECT_EQ(Programming(), std::vector<AnsiString>{
                               ".38N&ENTRADA-SAIDA +Suprimento    -Sangria       &OUTROS        "
                               "+Cartao Consum.+Cred Pessoal  +Canc Credito  -CONTRA-VALE EM}"});
  EXPECT_EQ(CountFrames(".29"), 14);  // read, programmed, read again
  const emulator::TotalizerTable programmed = Printer().State().totalizers;
  const std::vector<Totalizer> table(programmed.begin(), programmed.begin() + 8);
  EXPECT_EQ(table, kProgrammed);
  EXPECT_EQ(Text("stLegendasNFiscal").size(), 750u);
  EXPECT_EQ(Text("stLegendasNFiscal").substr(0, 30), "&ENTRADA-SAIDA +Suprimento    ");

  // The next load finds the same positions and programs nothing.
  const emulator::TotalizerTable before = Printer().State().totalizers;
  EXPECT_EQ(LoadTotalizers(), expected);
  EXPECT_EQ(Programming().size(), 1u);
  EXPECT_EQ(CountFrames(".29"), 21);
  EXPECT_EQ(Printer().State().totalizers, before);
}

// Header, adding and taking totalizers found by name, whatever the case; the
// missing ones are programmed one by one under their group, and found in the
// second reading.
TEST_F(TotalizersTest, MissingTotalizersAreProgrammedUnderTheirGroup) {
  SetTotalizers({{'&', "ENTRADA-SAIDA"}, {'+', "SUPRIMENTO"}, {'-', "SANGRIA"}});
  EXPECT_EQ(LoadTotalizers(),
            (TotalizerResult{"07", "05", "06", "08", "", "02", "03", "01", "04", false}));
  EXPECT_EQ(Programming(), (std::vector<AnsiString>{
                               ".38N&OUTROS        +Cartao Consum.}",
                               ".38N&OUTROS        +Cred Pessoal  }",
                               ".38N&OUTROS        -CONTRA-VALE EM}",
                               ".38N-CONTRA-VALE EM}",
                               ".38N&OUTROS        +Canc Credito  }",
                           }));
}

// The change-voucher totalizer counts with either marker; only "+" sets
// boTotalCV (which a load recomputes every time).
TEST_F(TotalizersTest, VoucherTotalizerWithEitherMarker) {
  for (char marker : {'+', '-'}) {
    std::vector<Totalizer> table = kProgrammed;
    table[7].marker = marker;
    SetTotalizers(table);
    const int programmed = static_cast<int>(Programming().size());
    const TotalizerResult result = LoadTotalizers();
    EXPECT_EQ(result.cv, "08") << marker;
    EXPECT_EQ(result.voucherAdds, marker == '+') << marker;
    EXPECT_EQ(static_cast<int>(Programming().size()), programmed) << marker;
  }
}

// A table that is not read whole yields no positions and programs nothing:
// positions counted over a missing piece would belong to other totalizers.
TEST_F(TotalizersTest, UnreadTableYieldsNothing) {
  struct Case {
    FaultKind kind;
    AnsiString command;
  } cases[] = {{FaultKind::kRefuse, "29A"},
               {FaultKind::kBusy, "297"},  // still busy after the bounded resends
               {FaultKind::kNoAnswer, "29D"}};
  for (const Case& c : cases) {
    Printer().ClearFaults();
    SetTotalizers({});
    Fault(c.kind, c.command, emulator::kEveryTime);
    EXPECT_EQ(LoadTotalizers(), TotalizerResult{}) << c.command;
    EXPECT_EQ(Programming(), std::vector<AnsiString>{}) << c.command;
    EXPECT_EQ(Text("stLegendasNFiscal"), AnsiString(750, ' ')) << c.command;
  }
}

}  // namespace
}  // namespace mdx::test
