// GeraReciboSangria against the virtual printer: the withdrawal receipt's
// layout, the closing lines, the questions and what each answer leads to,
// the Z capture at the end of a closing, and input it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "day/z_capture_fixture.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using Lines = std::vector<AnsiString>;
using ClosingFn = bool (*)(Text, Text, Text, Text, Text, int, AnsiString&, TClientDataSet*,
                           TClientDataSet*, TClientDataSet*, TClientDataSet*, TClientDataSet*,
                           TClientDataSet*, TClientDataSet*, TClientDataSet*, TDateTime, bool, bool,
                           bool, TClientDataSet*&, TClientDataSet*&, TClientDataSet*&,
                           TClientDataSet*&, bool&, TClientDataSet*, Text, Text, Text, Text, Text,
                           bool, bool, bool, Text, Text);

const AnsiString kRule(40, '-');
const AnsiString kReopen = "Deseja abrir o caixa?";
const AnsiString kConfirmZ = "Confirma impress\xE3o da redu\xE7\xE3o z?";
const AnsiString kConfirmReports = "Confirma impress\xE3o dos relat\xF3rios de fechamento?";

// `text` blank-filled to `width`, on the right or on the left.
AnsiString Left(const AnsiString& text, size_t width) {
  return text + AnsiString(width - text.size(), ' ');
}
AnsiString Right(const AnsiString& text, size_t width) {
  return AnsiString(width - text.size(), ' ') + text;
}
// The two closing-line shapes: a label in 27 and an amount in 13, or 25 and 15.
AnsiString Line27(const AnsiString& label, const AnsiString& amount) {
  return Left(label, 27) + Right(amount, 13);
}
AnsiString Line25(const AnsiString& label, const AnsiString& amount) {
  return Left(label, 25) + Right(amount, 15);
}

struct Column {
  const char* name;
  TFieldType type;
  int size;
};

void Fill(TClientDataSet& ds, std::initializer_list<Column> columns,
          const std::vector<std::vector<Variant>>& rows) {
  ds.Close();
  ds.FieldDefs().Clear();
  for (const Column& c : columns) ds.FieldDefs().Add(c.name, c.type, c.size);
  ds.CreateDataSet();
  for (const std::vector<Variant>& row : rows) {
    ds.Append();
    for (size_t i = 0; i < row.size(); ++i) ds.Fields(static_cast<int>(i)).SetValue(row[i]);
    ds.Post();
  }
}

void Movements(TClientDataSet& ds, const std::vector<std::vector<Variant>>& rows) {
  Fill(ds,
       {{"IDTIPOREG", ftString, 1},
        {"CDTIPORECE", ftString, 3},
        {"NMTIPORECE", ftString, 40},
        {"VRSAIDA", ftFloat, 0}},
       rows);
}

// (NRENVELOPE, NMTIPORECE, VRFECHAINF, VRFECHADIG) rows.
void ClosingAmounts(TClientDataSet& ds, const std::vector<std::vector<Variant>>& rows) {
  Fill(ds,
       {{"NRENVELOPE", ftString, 6},
        {"NMTIPORECE", ftString, 40},
        {"VRFECHAINF", ftFloat, 0},
        {"VRFECHADIG", ftFloat, 0}},
       rows);
}

void Totals(TClientDataSet& ds, double total) { Fill(ds, {{"VRTOTAL", ftFloat, 0}}, {{total}}); }

class TillClosingTest : public ReportTest {
 public:  // the case tables change the datasets
  void SetUp() override {
    ReportTest::SetUp();
    FillDatasets();
  }

  // The host's datasets of a normal closing.
  void FillDatasets() {
    ClosingAmounts(amounts, {{"000123", "Dinheiro", 150.0, 149.5}, {"", "Cheque", 30.0, 31.0}});
    Fill(withdrawals, {{"CDTIPORECE", ftString, 3}, {"VRSANGRIA", ftFloat, 0}}, {});
    Fill(products,
         {{"CDPRODIMPFIS", ftString, 20},
          {"CDPRODUTO", ftString, 10},
          {"NMPRODUTO", ftString, 40},
          {"QTPRODVEND", ftFloat, 0},
          {"VRTOTAL", ftFloat, 0},
          {"VRACRE", ftFloat, 0},
          {"VRDESC", ftFloat, 0},
          {"VRPEALIMPFIS", ftFloat, 0},
          {"IDTPIMPOSFIS", ftString, 1}},
         {{"", "P1", "CAFE", 2.0, 150.0, 0.0, 0.0, 18.0, "T"},
          {"", "P2", "PAO", 5.0, 50.0, 0.0, 0.0, 18.0, "T"}});
    Fill(people,
         {{"CDSUPERVISOR", ftString, 10},
          {"NMSUPERVISOR", ftString, 40},
          {"NMOPERADOR", ftString, 40}},
         {{"S7", "Ana Supervisora", "Rui Operador"}});
    Movements(movements, {{"1", "001", "Dinheiro", 100.0},
                          {"4", "", "", 10.0},
                          {"3", "", "", 50.0},
                          {"2", "", "", 5.0}});
    Movements(movementTotals, {{"1", "001", "Dinheiro", 100.0},
                               {"4", "", "", 10.0},
                               {"3", "", "", 50.0},
                               {"2", "", "", 5.0}});
    Totals(salesTotals, 200);
    Fill(credit, {{"VRCARGACREDITO", ftFloat, 0}}, {{20.0}});
    SetReceiptTypes(receiptTypes, {{"01", "001"}});
    for (TClientDataSet* ds : {&z.reduction, &z.payments, &z.taxes, &z.totalizers})
      MarkWithOwnRow(*ds);
  }

  bool Run() {
    TClientDataSet* r = &z.reduction;
    TClientDataSet* p = &z.payments;
    TClientDataSet* t = &z.taxes;
    TClientDataSet* n = &z.totalizers;
    return Op<ClosingFn>("GeraReciboSangria")(
        "x", "key", "t4", "t5", "0007", 3, documentNumber, &amounts, &withdrawals, &products,
        &people, &movementTotals, &movements, &salesTotals, &credit, 0, printReceipt, zAllowed,
        false, r, p, t, n, captured, &receiptTypes, productMode, "N", xReadingFirst, envelopeColumn,
        "001", typedAmounts, reprint, zConfirm, reason, observation);
  }

  // The printed text as lines: each "08" + "0" frame cut at its LF CRs.
  Lines PrintedLines() {
    Lines lines;
    for (const AnsiString& block : TextBlocks()) {
      size_t start = 0;
      for (;;) {
        const size_t end = block.find("\n\r", start);
        lines.push_back(
            block.substr(start, end == AnsiString::npos ? AnsiString::npos : end - start));
        if (end == AnsiString::npos) break;
        start = end + 2;
      }
    }
    return lines;
  }
  // The lines from the first that starts with `first` on.
  Lines LinesFrom(const AnsiString& first) {
    const Lines lines = PrintedLines();
    auto at = std::find_if(lines.begin(), lines.end(), [&](const AnsiString& l) {
      return l.compare(0, first.size(), first) == 0;
    });
    return Lines(at, lines.end());
  }
  // Document-level frames only: opens, closes, X readings, spacing.
  Lines DocumentFrames() {
    Lines found;
    for (const AnsiString& f : Frames())
      if (f == ".13S}" || f == ".12}" || f == ".13N}" || f == ".0891}") found.push_back(f);
    return found;
  }
  bool AskedRegisters() {
    return std::any_of(Frames().begin(), Frames().end(),
                       [](const AnsiString& f) { return f == ".272}"; });
  }

  TClientDataSet amounts, withdrawals, products, people, movementTotals, movements, salesTotals,
      credit, receiptTypes;
  ZData z;
  AnsiString documentNumber;
  bool captured = true;  // the routine sets it to false first
  bool printReceipt = true, zAllowed = false, typedAmounts = false, reprint = false,
       zConfirm = false;
  AnsiString productMode = "N", xReadingFirst = "N", envelopeColumn = "S", reason, observation;
};

TEST_F(TillClosingTest, ReprintWithoutReceiptAsksOnceAndCapturesNothing) {
  printReceipt = false;
  reprint = true;
  host_->Answer({true});
  EXPECT_FALSE(Run());
  EXPECT_EQ(host_->DialogTexts(), Lines{kConfirmReports});
  EXPECT_EQ(host_->dialogs[0].kind, tmConfirmacao);
  // The product report, then closing report B in a report of its own.
  EXPECT_EQ(DocumentFrames(), (Lines{".13S}", ".12}", ".13S}", ".12}"}));
  const Lines blocks = TextBlocks();
  ASSERT_EQ(blocks.size(), 4u);
  EXPECT_NE(blocks[0].find("RELATORIO DE PRODUTOS"), AnsiString::npos);
  EXPECT_EQ(blocks[2], "        RELATORIO DE FECHAMENTO         ");
  // The document number is the product report's, the first one printed.
  EXPECT_EQ(documentNumber, "000001");
  EXPECT_FALSE(captured);
  EXPECT_FALSE(AskedRegisters());
  EXPECT_TRUE(HoldsOwnRow(z.reduction));
}

TEST_F(TillClosingTest, ClosingLinesSumTheMovementsAgainstSalesAndCredit) {
  printReceipt = false;
  reprint = true;
  struct Case {
    const char* what;
    std::vector<std::vector<Variant>> movements;
    double sales;
    double credit;
    char separator;
    AnsiString total;    // TOTAL SANGRIAS
    AnsiString verdict;  // SOBRA or FALTA
    AnsiString difference;
  };
  const std::vector<std::vector<Variant>> four = {{"1", "001", "Dinheiro", 100.0},
                                                  {"4", "", "", 10.0},
                                                  {"3", "", "", 50.0},
                                                  {"2", "", "", 5.0}};
  const std::vector<std::vector<Variant>> several = {{"1", "001", "Dinheiro", 30.0},
                                                     {"5", "002", "Cheque", 20.0},
                                                     {"4", "", "", 1.0},
                                                     {"4", "", "", 7.0},
                                                     {"9", "", "", 1000.0}};
  auto cash = [](double amount) {
    return std::vector<std::vector<Variant>>{{"1", "001", "Dinheiro", amount}};
  };
  const std::vector<Case> cases = {
      {"shortage", four, 200, 20, ',', "55,00", "FALTA", "-165,00"},
      {"shortage, with a point", four, 200, 20, '.', "55.00", "FALTA", "-165.00"},
      {"nothing missing", cash(100.0), 80, 20, ',', "100,00", "SOBRA", "0,00"},
      {"a remainder of the doubles is no shortage", cash(0.3), 0.1, 0.2, ',', "0,30", "SOBRA",
       "0,00"},
      {"both withdrawal kinds, the last voucher counts, other kinds left out", several, 40, 0, ',',
       "57,00", "SOBRA", "17,00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FormatSettings().DecimalSeparator = c.separator;
    Movements(movementTotals, c.movements);
    Totals(salesTotals, c.sales);
    Fill(credit, {{"VRCARGACREDITO", ftFloat, 0}}, {{c.credit}});
    ForgetFrames();
    host_->Answer({true});
    Run();
    FormatSettings().DecimalSeparator = ',';
    const Lines lines = LinesFrom("TOTAL SANGRIAS");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines,
              (Lines{Line25("TOTAL SANGRIAS", c.total), "", Line25(c.verdict, c.difference)}));
  }
}

TEST_F(TillClosingTest, ClosingLinesLayout) {
  printReceipt = false;
  reprint = true;
  Movements(movementTotals, {{"1", "001", "Dinheiro", 100.0},
                             {"4", "", "", 10.0},
                             {"5", "002", "Cheque", 2.5},
                             {"3", "", "", 50.0},
                             {"2", "", "", 5.0}});
  host_->Answer({true});
  Run();
  EXPECT_EQ(LinesFrom("TOTAL VENDAS"), (Lines{
                                           Line27("TOTAL VENDAS", "200,00"),
                                           Line27("Compra de Credito", "20,00"),
                                           kRule,
                                           Line25("Dinheiro", "100,00"),
                                           Line25("Cheque", "2,50"),
                                           Line27("CONTRA-VALE RECEBIDO(+)", "10,00"),
                                           Line27("CONTRA-VALE EMITIDO(-)", "5,00"),
                                           Line27("SUPRIMENTO(-)", "50,00"),
                                           kRule,
                                           Line25("TOTAL SANGRIAS", "57,50"),
                                           "",
                                           Line25("FALTA", "-162,50"),
                                       }));
  // A blank line comes first, right after the title.
  const Lines lines = PrintedLines();
  const auto title =
      std::find(lines.begin(), lines.end(), "        RELATORIO DE FECHAMENTO         ");
  ASSERT_NE(title, lines.end());
  EXPECT_EQ(*(title + 1), "");
  EXPECT_EQ(*(title + 2), Line27("TOTAL VENDAS", "200,00"));
}

TEST_F(TillClosingTest, WithdrawalReceiptInTwoCopies) {
  typedAmounts = true;  // the typed amounts, and the routine ends after the receipt
  reason = "Fim do turno";
  EXPECT_FALSE(Run());
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_EQ(DocumentFrames(), (Lines{".13S}", ".0891}", ".12}"}));
  const Lines copy = {
      kRule,
      "Motivo: Fim do turno",
      kRule,
      "NR.ENV " + Left("MODALIDADE", 19) + " " + Right("VALOR", 13),
      kRule,
      "000123 " + Left("Dinheiro", 19) + " " + Right("149,50", 19),
      " " + Left("Cheque", 19) + " " + Right("31,00", 19),
      kRule,
      Left("TOTAL SANGRIAS", 21) + Right("180,50", 19),
      "",
      kRule,
  };
  Lines expected = {"         RECIBO SAIDA NUMERARIO         "};
  expected.insert(expected.end(), copy.begin(), copy.end());
  expected.insert(expected.end(), {"Supervisor: S7 Ana Supervisora", "", "",
                                   "      SAIDA DE NUMERARIO - SANGRIA      "});
  expected.insert(expected.end(), copy.begin(), copy.end());
  expected.insert(expected.end(), {"Operador: S7 Rui Operador", "", "", ""});
  EXPECT_EQ(PrintedLines(), expected);
  EXPECT_TRUE(HoldsOwnRow(z.reduction));
}

TEST_F(TillClosingTest, ReprintPrintsWhatTheLastClosingLoaded) {
  typedAmounts = true;
  Run();
  ClosingAmounts(amounts, {{"999999", "Outro", 1.0, 1.0}});
  Fill(people,
       {{"CDSUPERVISOR", ftString, 10},
        {"NMSUPERVISOR", ftString, 40},
        {"NMOPERADOR", ftString, 40}},
       {{"X1", "Outra", "Outro"}});
  reprint = true;
  ForgetFrames();
  Run();
  const Lines lines = PrintedLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "000123 " + Left("Dinheiro", 19) + " " + Right("149,50", 19)),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Supervisor: S7 Ana Supervisora"), lines.end());
  EXPECT_EQ(std::find(lines.begin(), lines.end(), "Operador: X1 Outro"), lines.end());
}

TEST_F(TillClosingTest, ReceiptHeaderWithoutEnvelopeColumnAndAnObservation) {
  typedAmounts = true;
  envelopeColumn = "N";
  observation = "Conferido";
  Run();
  const Lines lines = PrintedLines();
  EXPECT_EQ(
      Lines(lines.begin() + 2, lines.begin() + 7),
      (Lines{"Observacao: Conferido", kRule, Left("MODALIDADE", 19) + " " + Right("VALOR", 13),
             kRule, "000123 " + Left("Dinheiro", 19) + " " + Right("149,50", 19)}));
  EXPECT_EQ(lines[4].size(), 33u);
}

TEST_F(TillClosingTest, FifthMovementLineBringsABlankLineInTheFirstCopy) {
  typedAmounts = true;
  for (int rows = 4; rows <= 6; ++rows) {
    SCOPED_TRACE(rows);
    std::vector<std::vector<Variant>> data;
    for (int i = 0; i < rows; ++i) data.push_back({"", "Metodo", 1.0, 1.0});
    ClosingAmounts(amounts, data);
    ForgetFrames();
    Run();
    // Blank lines between each copy's total and its rule.
    std::vector<int> blanks;
    const Lines lines = PrintedLines();
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].compare(0, 14, "TOTAL SANGRIAS") != 0) continue;
      int count = 0;
      while (lines[i + 1 + count].empty()) ++count;
      blanks.push_back(count);
    }
    EXPECT_EQ(blanks, (std::vector<int>{rows == 5 ? 2 : 1, 1}));
  }
}

TEST_F(TillClosingTest, QuestionsDecideWhatFollows) {
  printReceipt = false;
  struct Case {
    const char* what;
    bool zAllowed;
    bool zConfirm;
    std::vector<bool> answers;
    Lines questions;
    bool result;
    bool captured;
  };
  const std::vector<Case> cases = {
      {"the till reopens", true, true, {true}, {kReopen}, true, false},
      {"no Z without both flags", true, false, {false}, {kReopen}, false, false},
      {"no Z without both flags, the other one", false, true, {false}, {kReopen}, false, false},
      {"Z not confirmed", true, true, {false, false}, {kReopen, kConfirmZ}, false, false},
      {"Z confirmed, no reports",
       true,
       true,
       {false, true, false},
       {kReopen, kConfirmZ, kConfirmReports},
       false,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    zAllowed = c.zAllowed;
    zConfirm = c.zConfirm;
    host_->dialogs.clear();
    for (bool answer : c.answers) host_->Answer({answer});
    for (TClientDataSet* ds : {&z.reduction, &z.payments, &z.taxes, &z.totalizers})
      MarkWithOwnRow(*ds);
    LoadTaxRates(Package());
    ForgetFrames();
    EXPECT_EQ(Run(), c.result);
    EXPECT_EQ(host_->DialogTexts(), c.questions);
    EXPECT_EQ(captured, c.captured);
    EXPECT_EQ(AskedRegisters(), c.captured);
    EXPECT_EQ(HoldsOwnRow(z.reduction), !c.captured);
    EXPECT_TRUE(DocumentFrames().empty());  // nothing printed
  }
}

TEST_F(TillClosingTest, FullClosingEndsWithTheZCapture) {
  xReadingFirst = "S";
  zAllowed = zConfirm = true;
  // Report A sums the products (200) and dataset 13; report B dataset 14
  // and dataset 12.
  Totals(salesTotals, 180);
  Movements(movementTotals, {{"1", "001", "Dinheiro", 120.0},
                             {"4", "", "", 10.0},
                             {"3", "", "", 50.0},
                             {"2", "", "", 5.0}});
  LoadTaxRates(Package());
  host_->Answer({false, true, true});
  EXPECT_FALSE(Run());
  EXPECT_EQ(host_->DialogTexts(), (Lines{kReopen, kConfirmZ, kConfirmReports}));
  // X reading; the receipt; product report; closing report A in a report of
  // its own; product report; closing report B.
  EXPECT_EQ(DocumentFrames(), (Lines{".13N}", ".13S}", ".0891}", ".12}", ".13S}", ".12}", ".13S}",
                                     ".12}", ".13S}", ".12}", ".13S}", ".12}"}));
  EXPECT_EQ(documentNumber, "000001");  // the X reading's

  Lines totals;
  for (const AnsiString& line : PrintedLines())
    if (line.compare(0, 12, "TOTAL VENDAS") == 0 || line.compare(0, 5, "FALTA") == 0)
      totals.push_back(line);
  EXPECT_EQ(totals, (Lines{Line27("TOTAL VENDAS", "200,00"), Line25("FALTA", "-165,00"),
                           Line27("TOTAL VENDAS", "180,00"), Line25("FALTA", "-125,00")}));
  // The receipt lists the informed amounts.
  const Lines lines = PrintedLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "000123 " + Left("Dinheiro", 19) + " " + Right("150,00", 19)),
            lines.end());

  EXPECT_TRUE(captured);
  ASSERT_EQ(z.reduction.RecordCount(), 1);
  EXPECT_EQ(z.reduction.FieldByName("NRECFREDZ").AsString(), "0007");
  EXPECT_EQ(z.taxes.RecordCount(), 4);
  EXPECT_EQ(z.payments.RecordCount(), 0);  // nothing was paid today
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
}

TEST_F(TillClosingTest, RefusedOpenSkipsTheReceiptAndClosingReportA) {
  Printer().AddFault({emulator::FaultKind::kRefuse, "13S", 1});
  host_->Answer({false});
  EXPECT_FALSE(Run());
  // The refusal's message, then the questions.
  EXPECT_EQ(host_->DialogTexts().back(), kReopen);
  EXPECT_EQ(DocumentFrames(), Lines{".13S}"});
  EXPECT_TRUE(TextBlocks().empty());
}

TEST_F(TillClosingTest, RefusedFirstTextSkipsTheClosingReport) {
  printReceipt = false;
  reprint = true;
  host_->Answer({true});
  Printer().AddFault({emulator::FaultKind::kRefuse, "080        RELATORIO DE FECHAMENTO", 1});
  Run();
  // The product report, then the report B opened and left without lines or
  // close.
  EXPECT_EQ(DocumentFrames(), (Lines{".13S}", ".12}", ".13S}"}));
  EXPECT_TRUE(LinesFrom("TOTAL VENDAS").empty());
}

// Products without the product report's fields: with the report turned off
// the closing goes on and never looks at them; with it on the error reaches
// the host, and the withdrawal receipt's report is not left open.
TEST_F(TillClosingTest, ProductsTheReportCannotUse) {
  for (const char* mode : {"X", "N"}) {
    SCOPED_TRACE(mode);
    FillDatasets();
    ForgetFrames();
    Fill(products, {{"VRTOTAL", ftFloat, 0}}, {{200.0}});
    productMode = mode;
    if (AnsiString(mode) == "X") {
      EXPECT_FALSE(Run());
      EXPECT_EQ(DocumentFrames(), (Lines{".13S}", ".0891}", ".12}"}));
    } else {
      EXPECT_THROW(Run(), EDatabaseError);
      EXPECT_EQ(Frames().back(), ".12}");
    }
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  }
}

TEST_F(TillClosingTest, MissingDatasetOrFieldIsRefusedBeforeAnythingIsSent) {
  struct Case {
    const char* what;
    std::function<void(TillClosingTest&)> spoil;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"no credit dataset", [](TillClosingTest& t) { t.credit.Close(); },
       "parameter 15 is not open"},
      {"people without the operator's name",
       [](TillClosingTest& t) {
         Fill(t.people, {{"CDSUPERVISOR", ftString, 10}, {"NMSUPERVISOR", ftString, 40}}, {});
       },
       "parameter 11 has no field NMOPERADOR"},
      {"movements without amounts",
       [](TillClosingTest& t) {
         Fill(t.movements, {{"IDTIPOREG", ftString, 1}, {"NMTIPORECE", ftString, 40}}, {});
       },
       "parameter 13 has no field VRSAIDA"},
      {"closed sales totals", [](TillClosingTest& t) { t.salesTotals.Close(); },
       "parameter 14 is not open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FillDatasets();
    ForgetFrames();
    c.spoil(*this);
    try {
      Run();
      ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
      EXPECT_NE(AnsiString(e.what()).find(c.message), AnsiString::npos) << e.what();
    }
    EXPECT_TRUE(Frames().empty());
    EXPECT_TRUE(host_->dialogs.empty());
  }
}

}  // namespace
}  // namespace mdx::test
