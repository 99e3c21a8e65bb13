// The restaurant documents as a host calls them: the conference and the
// table opening, the opening report, the open tables and tabs and the
// transferred products, frame by frame, and a conference on paper.
#include <gtest/gtest.h>

#include <functional>

#include "mdx00200/exceptions.h"
#include "reports/host_datasets.h"
#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using ConferenceFn = bool (*)(Text, Text, Text, AnsiString&, Text, Text, Text, Text,
                              const OleVariant&, double, double, double, double, double, double,
                              double);
using OpeningFn = bool (*)(Text, Text, Text, Text, Text, const OleVariant&, double, double, double,
                           double, double, double, double);
using RegistrationFn = bool (*)(Text, Text, Text, TClientDataSet*, Text);
using OpenTablesFn = bool (*)(TClientDataSet*&, Text, Text, Text, const OleVariant&);
using TransfersFn = void (*)(Text, Text, Text, const OleVariant&);

AnsiString Blanks(size_t count) { return AnsiString(count, ' '); }
AnsiString Left(const AnsiString& text, size_t width) { return text + Blanks(width - text.size()); }
AnsiString Right(const AnsiString& text, size_t width) { return Blanks(width - text.size()) + text; }
AnsiString Centred(const AnsiString& text, size_t width) {
  const size_t left = (width - text.size()) / 2;
  return Blanks(left) + text + Blanks(width - text.size() - left);
}
AnsiString T(const AnsiString& text) { return ".080" + text + "}"; }

const AnsiString kSpacing = ".0891}";
const AnsiString kRule(40, '-');
const AnsiString kRule48 = AnsiString(48, '-') + "\n";
const AnsiString kContact = "Desenvolvido por Korvana Sistemas";

// Order items: CDARVPROD, NMPRODUTO, QTPRODCOMVEN, VRPRECCOMVEN.
Variant OrderItems(const std::vector<std::vector<Variant>>& rows) {
  return HostDataSet({"CDARVPROD:S20", "NMPRODUTO:S40", "QTPRODCOMVEN:F", "VRPRECCOMVEN:F"}, rows)
      ->Data();
}

const std::vector<std::vector<Variant>> kTwoItems = {{"001", "REFRIGERANTE", 3.0, 2.99},
                                                     {"002", "PAO", 1.0, 1.239}};

class TableDocumentsTest : public ReportTest {
 protected:
  bool Conference(const AnsiString& tab, const Variant& items, double discount, double surcharge,
                  double serviceCharge) {
    AnsiString unused = "kept";
    return Op<ConferenceFn>("Conferencia")("001", "x", "x", unused, tab, "12", "JOAO",
                                           "15/01/2024 10:30", items, discount, 7, 7,
                                           serviceCharge, 7, 9.70, surcharge);
  }
  bool Opening(const Variant& items) {
    return Op<OpeningFn>("Abertura_Mesa")("001", "RES12", "12", "x", "15/01/2024 10:30", items, 0,
                                          7, 7, 0, 7, 5, 0);
  }
  bool Registration(TClientDataSet* items, const AnsiString& number) {
    return Op<RegistrationFn>("RegistroVenda")("x", "x", "001", items, number);
  }
  // The lines of the conference's title to the column header.
  static std::vector<AnsiString> Heading(const AnsiString& title) {
    return {".13S}",           kSpacing,          T(kRule),        kSpacing,
            T(Centred(title, 40)), kSpacing,      T("Comanda: 0045"), T("Mesa: 12"),
            T("Garcom: JOAO"), T("Emissao: 15/01/2024 10:30"), T(kRule),
            ".080CODIGO       0NOME}", ".080 QTDE0       VR. UNIT0          VLR.TOT.}", kSpacing};
  }
  size_t CountFrames(const AnsiString& prefix) { return FramesOf(prefix).size(); }
};

TEST_F(TableDocumentsTest, ConferencePrintsTheBillLineByLine) {
  ASSERT_TRUE(Conference("0045", OrderItems(kTwoItems), 1, 0, 0.5));
  std::vector<AnsiString> expected = Heading("Conferencia de Comanda");
  // 3 x 2,99 = 8,97; 1 x 1,239 is 1,24 as a price but 1,23 as a truncated
  // line total. The surcharge of 0 prints no line.
  for (const AnsiString& line : std::vector<AnsiString>{
       T("001 REFRIGERANTE"), T("3,000   X 2,99     " + Right("8,97", 19)), T("002 PAO"),
        T("1,000   X 1,24     " + Right("1,23", 19)), kSpacing,
        T("Desconto: " + Right("1,00", 28)), T("Taxa de Servico: " + Right("0,50", 28)), T(kRule),
        T(Centred("VLR.TOT.: " + Right("9,70", 28), 40)), kSpacing, T(Left(kContact, 40)), ".12}"})
    expected.push_back(line);
  EXPECT_EQ(Frames(), expected);
  EXPECT_TRUE(host_->delays.empty());
}

TEST_F(TableDocumentsTest, TitleFollowsTheTabNumber) {
  struct Case {
    const char* tab;
    const char* title;
  } cases[] = {
      {"RES0012", "Conferencia de Mesa"},
      {"", "Conferencia de Mesa"},
      {"0045", "Conferencia de Comanda"},
      {"DLV7", "Conferencia de Comanda"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tab);
    ForgetFrames();
    ASSERT_TRUE(Conference(c.tab, OrderItems(kTwoItems), 0, 0, 0));
    ASSERT_GT(Frames().size(), 4u);
    EXPECT_EQ(Frames()[4], T(Centred(c.title, 40)));
  }
}

TEST_F(TableDocumentsTest, OnlyAmountsAboveZeroPrintALine) {
  struct Case {
    double discount, surcharge, serviceCharge;
    std::vector<AnsiString> lines;
  } cases[] = {
      {0, 0, 0, {}},
      {-1, -2, -3, {}},
      {1.5, 0, 0, {T("Desconto: " + Right("1,50", 28))}},
      {0, 2, 0, {T("Acr\xE9scimo: " + Right("2,00", 28))}},
      {0, 0, 3, {T("Taxa de Servico: " + Right("3,00", 28))}},
      {1, 2, 3,
       {T("Desconto: " + Right("1,00", 28)), T("Acr\xE9scimo: " + Right("2,00", 28)),
        T("Taxa de Servico: " + Right("3,00", 28))}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.size());
    ForgetFrames();
    ASSERT_TRUE(Conference("0045", OrderItems({}), c.discount, c.surcharge, c.serviceCharge));
    // Between the spacing after the items and the rule before the total.
    const std::vector<AnsiString>& frames = Frames();
    ASSERT_EQ(frames.size(), Heading("").size() + 1 + c.lines.size() + 5);
    const auto amounts = frames.begin() + static_cast<long>(Heading("").size()) + 1;
    EXPECT_EQ(std::vector<AnsiString>(amounts, amounts + static_cast<long>(c.lines.size())), c.lines);
  }
}

TEST_F(TableDocumentsTest, EachOpeningPrintsItsOwnItems) {
  const int reportsBefore = Printer().State().counters.grg;
  ASSERT_TRUE(Opening(OrderItems({{"001", "CAFE", 1.0, 2.5}})));
  ASSERT_TRUE(Opening(OrderItems({{"002", "SUCO", 2.0, 4.0}, {"003", "BOLO", 1.0, 6.0}})));
  EXPECT_EQ(Printer().State().counters.grg, reportsBefore + 2);
  EXPECT_EQ(CountFrames(".13S}"), 2u);
  EXPECT_EQ(CountFrames(".12}"), 2u);
  EXPECT_EQ(CountFrames(T(Centred("Abertura de Mesa", 40))), 2u);
  EXPECT_EQ(CountFrames(".080Garcom"), 0u);
  EXPECT_EQ(CountFrames(T("001 CAFE")), 1u);
  EXPECT_EQ(CountFrames(T("002 SUCO")), 1u);
  EXPECT_EQ(CountFrames(T("003 BOLO")), 1u);
  EXPECT_EQ(host_->delays, (std::vector<int>{1, 1, 1, 1}));
  // The document's frames: the open, then the layout of the conference.
  EXPECT_EQ(Frames()[1], kSpacing);
  EXPECT_EQ(Frames()[6], T("Comanda: RES12"));
}

TEST_F(TableDocumentsTest, OpeningReportListsTheRegisteredItems) {
  // Quantities and values arrive as texts; the line total is rounded.
  auto items = HostDataSet({"CDPROD:S10", "NMPROD:S40", "STQTDE:S10", "STVALOR:S10"},
                           {{"77", "PAO", "1", "1,239"}});
  ASSERT_TRUE(Registration(items.get(), "0012"));
  const std::vector<AnsiString> expected = {
      ".13S}",
      T(Blanks(48) + "\n"),
      T("       Relat\xF3rio de abertura da mesa 0012\n"),
      T(kRule48),
      T(Blanks(15) + "REGISTRO DE VENDA\n"),
      T(kRule48),
      T("CODIGO     NOME\nQTDE" + Right("VR. UNIT", 12) + Right("VLR.TOT.", 32) + "\n"),
      T(kRule48),
      T(""),
      T("77 PAO\n"),
      T("1,00   X 1,24     " + Right("1,24", 29) + "\n"),
      T(Blanks(48) + "\n"),
      T(kRule48),
      T(kContact),
      ".12}",
  };
  EXPECT_EQ(Frames(), expected);
  EXPECT_EQ(host_->delays, (std::vector<int>{1}));

  struct Case {
    const char* number;
    AnsiString title;
  } cases[] = {
      {"12", "   Relat\xF3rio de abertura da comanda 12\n"},
      {"00012", "   Relat\xF3rio de abertura da comanda 00012\n"},
  };
  for (const Case& c : cases) {
    ForgetFrames();
    ASSERT_TRUE(Registration(items.get(), c.number));
    EXPECT_EQ(Frames()[2], T(c.title)) << c.number;
  }
}

TEST_F(TableDocumentsTest, OpenTablesAreListedBySection) {
  const Variant tables =
      HostDataSet({"DSCOMANDA:S20", "NRMESA:S4", "DTHRABERMESA:S20"},
                  {{"RES01", "0001", "15/01/2024 09:00"},
                   {"0045", "", "15/01/2024 09:10"},
                   {"PKR07", "0007", "15/01/2024 09:20"},
                   {"DLV3", "", "15/01/2024 09:30"}})
          ->Data();
  TClientDataSet* unused = nullptr;
  ASSERT_TRUE(Op<OpenTablesFn>("ImprimeMesasAbertas")(unused, "x", "x", "001", tables));
  const AnsiString tablesHeading = T("Nr\xBA da Mesa      Data/Hora de abertura\n");
  const AnsiString tabsHeading = T("Nr\xBA da Comanda   Data/Hora de abertura\n");
  const std::vector<AnsiString> expected = {
      ".13S}",
      T(Centred("Mesas/Comandas Abertas", 48) + "\n"),
      T("Data Emiss\xE3o: 15/01/2024 10:30:00"),
      T(""), T("Mesas Abertas:\n"), tablesHeading,
      T("0001" + Blanks(13) + "15/01/2024 09:00"),
      T(""), T("Comandas Abertas:\n"), tabsHeading,
      T("0045" + Blanks(7) + "15/01/2024 09:10"),
      T(""), T("Mesas Abertas:\n"), tablesHeading,
      T("0007" + Blanks(13) + "15/01/2024 09:20"),
      T(""), T("Comandas Rapitab Abertas:\n"), tabsHeading,
      T("DLV3" + Blanks(7) + "15/01/2024 09:30"),
      ".12}",
  };
  EXPECT_EQ(Frames(), expected);
}

TEST_F(TableDocumentsTest, TransferredProductsAreGroupedByTables) {
  // Table 12 from 3, then table 1 from 23: joined, both would read "123".
  const Variant moved =
      HostDataSet({"NRMESA:S4", "NRMESADSCOMORIT:S10", "CDPRODUTO:S10", "NMPRODUTO:S40",
                   "QTPRODCOMVEN:F", "VRPRECCOMVEN:F"},
                  {{"12", "3", "10", "AGUA MINERAL SEM GAS", 2.0, 3.5},
                   {"12", "3", "11", "CAFE", 1.0, 4.0},
                   {"1", "23", "12", "SUCO", 1.5, 10.0}})
          ->Data();
  Op<TransfersFn>("imprimeProdutosTransf")("x", "x", "001", moved);
  const AnsiString columns = T("C\xF3" "digo  -  Nome Produto   -    Qtde. -  Vr Unit.\n");
  const std::vector<AnsiString> expected = {
      ".13S}",
      T("Data Emiss\xE3o: 15/01/2024 10:30:00\n"),
      T("Mes Origem: 3 -> Mesa Destino: 12\n"),
      columns,
      T(Left("10 AGUA MINERAL SEM 2,00", 37) + " " + Right("3,50", 10) + "\n"),
      T(Left("11 CAFE" + Blanks(12) + " 1,00", 37) + " " + Right("4,00", 10) + "\n"),
      T("\n"),
      T("Mes Origem: 23 -> Mesa Destino: 1\n"),
      columns,
      T(Left("12 SUCO" + Blanks(12) + " 1,50", 37) + " " + Right("10,00", 10) + "\n"),
      T("\n"),
      ".12}",
  };
  EXPECT_EQ(Frames(), expected);
}

// A price wider than its column widens the line instead of losing digits.
TEST_F(TableDocumentsTest, AmountsWiderThanTheirColumnAreKeptWhole) {
  const Variant moved = HostDataSet({"NRMESA:S4", "NRMESADSCOMORIT:S10", "CDPRODUTO:S10", "NMPRODUTO:S40",
                                     "QTPRODCOMVEN:F", "VRPRECCOMVEN:F"},
                                    {{"12", "3", "10", "ADEGA", 1.0, 12345678.9}})
                            ->Data();
  Op<TransfersFn>("imprimeProdutosTransf")("x", "x", "001", moved);
  EXPECT_EQ(FramesOf(".08010 "),
            std::vector<AnsiString>{T(Left("10 ADEGA" + Blanks(11) + " 1,00", 37) + " 12345678,90\n")});
}

TEST_F(TableDocumentsTest, DataTheDocumentCannotUseIsAnError) {
  const Variant withoutPrice =
      HostDataSet({"CDARVPROD:S20", "NMPRODUTO:S40", "QTPRODCOMVEN:F"}, {{"001", "CAFE", 1.0}})->Data();
  auto textQuantity = HostDataSet({"CDPROD:S10", "NMPROD:S40", "STQTDE:S10", "STVALOR:S10"},
                                  {{"77", "PAO", "muitos", "1,00"}});
  TClientDataSet* unused = nullptr;
  struct Case {
    const char* name;
    std::function<void()> call;
    bool reachesThePrinter;
  } cases[] = {
      {"conference without data", [&] { Conference("0045", Variant::Null(), 0, 0, 0); }, false},
      {"conference without a price", [&] { Conference("0045", withoutPrice, 0, 0, 0); }, false},
      {"opening without data", [&] { Opening(Variant()); }, false},
      {"opening report without a dataset", [&] { Registration(nullptr, "0012"); }, false},
      {"open tables without data",
       [&] { Op<OpenTablesFn>("ImprimeMesasAbertas")(unused, "x", "x", "001", Variant::Null()); },
       false},
      {"transfers without data",
       [&] { Op<TransfersFn>("imprimeProdutosTransf")("x", "x", "001", Variant::Null()); }, false},
      // Found while the report prints: the report is closed first.
      {"quantity that is no number", [&] { Registration(textQuantity.get(), "0012"); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetFrames();
    EXPECT_THROW(c.call(), Exception);
    if (c.reachesThePrinter) {
      ASSERT_FALSE(Frames().empty());
      EXPECT_EQ(Frames().back(), ".12}");
    } else {
      EXPECT_TRUE(Frames().empty());
    }
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  }
}

TEST_F(TableDocumentsTest, ConferenceReachesThePaperTape) {
  const size_t before = Printer().State().tape.size();
  ASSERT_TRUE(Conference("0045", OrderItems(kTwoItems), 1, 0, 0));
  const std::vector<AnsiString> whole = Printer().State().tape;
  const std::vector<AnsiString> tape(whole.begin() + static_cast<long>(before), whole.end());
  // In this order, among the printer's own header and end lines.
  const std::vector<AnsiString> expected = {
      "RELATORIO GERENCIAL",    "Conferencia de Comanda", "Comanda: 0045",
      "Garcom: JOAO",           "001 REFRIGERANTE",       "3,000   X 2,99                    8,97",
      "002 PAO",                "1,000   X 1,24                    1,23",
      "Desconto:                         1,00",
      "VLR.TOT.:                         9,70", "Desenvolvido por Korvana Sistemas"};
  size_t at = 0;
  for (const AnsiString& line : expected) {
    while (at < tape.size() && tape[at].find(line) == AnsiString::npos) ++at;
    ASSERT_LT(at, tape.size()) << "missing or out of order: " << line;
  }
  EXPECT_EQ(tape.back().find_first_not_of('='), AnsiString::npos);
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
}

}  // namespace
}  // namespace mdx::test
