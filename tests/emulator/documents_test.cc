// Management report, document text, closing and coupon cancelling, as they
// land on the paper tape.
#include <gtest/gtest.h>

#include "emulator/paper_tape.h"
#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

using Lines = std::vector<AnsiString>;
using DocumentTest = PrinterTest;

const char kOpenLeft[] = ".-E010ERRO-OPERACAO NAO ENCERRADA}";

TEST_F(DocumentTest, ManagementReportPrintsHeaderTextAndEnd) {
  printer = CreateVirtualPrinter(Options("", kNarrowTape));
  ASSERT_EQ(Send("13S"), ".+0000");
  EXPECT_EQ(Send("28").substr(9, 8), "E RELGER");
  EXPECT_EQ(Send("080FIRST LINE\n\rSECOND LINE"), ".+0000");
  EXPECT_EQ(Send("0891"), ".+0000");
  EXPECT_EQ(Send("080"), ".+0000");
  EXPECT_EQ(Send("08" "0" "CODIGO       0NOME"), ".+0000");
  ASSERT_EQ(Send("12"), ".+0000");

  EXPECT_EQ(printer->State().tape, (Lines{
                                       "========================================",
                                       "06/12/2026 14:05:30           COO:000001",
                                       "          RELATORIO GERENCIAL",
                                       "----------------------------------------",
                                       "GNF:000001                    GRG:000001",
                                       "FIRST LINE",
                                       "SECOND LINE",
                                       "",
                                       "",
                                       "CODIGO       0NOME",
                                       "========================================",
                                   }));
  const PrinterState state = printer->State();
  EXPECT_EQ(state.document, DocumentKind::kNone);
  EXPECT_EQ(state.counters.coo, 1);
  EXPECT_EQ(state.counters.gnf, 1);
  EXPECT_EQ(state.counters.grg, 1);
  EXPECT_EQ(Send("28").substr(9, 8), "C LIVRE ");
}

TEST(PaperTapeTest, TextBecomesLinesOfTheTapeWidth) {
  const AnsiString sixty(60, 'x');
  struct Case {
    AnsiString text;
    int width;
    Lines lines;
  };
  const Case cases[] = {
      {"A\n\rB", 40, {"A", "B"}},
      {"A\nB\n", 40, {"A", "B"}},  // the last line end starts no line
      {"A\n\n", 40, {"A", ""}},
      {"", 40, {""}},
      {"A\x01\tB\x1b" "C\x7f", 40, {"ABC"}},  // control characters print nothing
      {"A\n\x01", 40, {"A"}},
      {"  indented   ", 40, {"  indented"}},
      {sixty, 48, {AnsiString(48, 'x'), AnsiString(12, 'x')}},
      {sixty, 40, {AnsiString(40, 'x'), AnsiString(20, 'x')}},
      {"\xc7" "AF\xc9", 40, {"\xc7" "AF\xc9"}},  // 1252 letters are one column each
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Tape tape;
    PrintText(tape, c.width, c.text);
    EXPECT_EQ(tape, c.lines);
  }
}

TEST_F(DocumentTest, TextNeedsAReportOrReceiptOpen) {
  for (DocumentKind document : {DocumentKind::kNone, DocumentKind::kFiscalCoupon}) {
    Hold(document);
    EXPECT_EQ(Send("080TEXT"), ".-E004");
  }
  Hold(DocumentKind::kNonFiscalReceipt);
  const size_t before = printer->State().tape.size();
  EXPECT_EQ(Send("080TEXT"), ".+0000");
  EXPECT_EQ(Send("08\nLINE FED"), ".+0000");  // no attribute: printed whole
  EXPECT_EQ(TapeFrom(before), (Lines{"TEXT", "", "LINE FED"}));
  for (const char* bad : {"08", "089", "0890", "0892X"}) EXPECT_EQ(Send(bad), ".-E003") << bad;
}

TEST_F(DocumentTest, OpeningAReportWhileADocumentIsOpenIsAnOperationLeftOpen) {
  for (DocumentKind document : {DocumentKind::kFiscalCoupon, DocumentKind::kNonFiscalReceipt,
                                DocumentKind::kManagementReport}) {
    Hold(document);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send("13S"), kOpenLeft);
    EXPECT_EQ(printer->State(), before);
  }
}

TEST_F(DocumentTest, CloseFitsWhatIsOpen) {
  struct Case {
    DocumentKind document;
    const char* frame;
    const char* reply;
    DocumentKind after;
    bool printsEnd;
  };
  const Case cases[] = {
      // Nothing to close: refused, so a report whose opening was refused fails.
      {DocumentKind::kNone, "12", ".-E004", DocumentKind::kNone, false},
      {DocumentKind::kNone, "12N", ".-E004", DocumentKind::kNone, false},
      {DocumentKind::kManagementReport, "12", ".+0000", DocumentKind::kNone, true},
      {DocumentKind::kNonFiscalReceipt, "12", ".+0000", DocumentKind::kNone, true},
      {DocumentKind::kNonFiscalReceipt, "12N", ".+0000", DocumentKind::kNone, true},
      {DocumentKind::kFiscalCoupon, "12", ".-E004", DocumentKind::kFiscalCoupon, false},
      // A coupon without items cannot close; it can only be cancelled.
      {DocumentKind::kFiscalCoupon, "12N", ".-E004", DocumentKind::kFiscalCoupon, false},
      {DocumentKind::kManagementReport, "12X", ".-E003", DocumentKind::kManagementReport, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.frame << " on document "
                                      << static_cast<int>(c.document));
    Hold(c.document);
    const size_t before = printer->State().tape.size();
    EXPECT_EQ(Send(c.frame), c.reply);
    EXPECT_EQ(printer->State().document, c.after);
    EXPECT_EQ(TapeFrom(before), c.printsEnd ? Lines{AnsiString(48, '=')} : Lines{});
  }
}

TEST_F(DocumentTest, CouponCloseWithFooterPairsPrintsEachLine) {
  const AnsiString first = "OBRIGADO PELA PREFERENCIA" + AnsiString(15, ' ');
  const AnsiString tax = "Trib aprox R$: 1,00 Federal e 2,00 Estad";
  const AnsiString paraiba = "PARAIBA LEGAL - RECEITA CIDADA\n\rTORPEDO ";
  ASSERT_EQ(tax.size(), 40u);
  ASSERT_EQ(paraiba.size(), 40u);
  OpenPaidCoupon();
  const size_t before = printer->State().tape.size();

  EXPECT_EQ(Send("12N0" + first + "0" + tax + "0" + paraiba + "0" + AnsiString(40, ' ') + "000"),
            ".+0000");
  EXPECT_EQ(TapeFrom(before), (Lines{AnsiString(48, '-'), "OBRIGADO PELA PREFERENCIA", tax,
                                     "PARAIBA LEGAL - RECEITA CIDADA", "TORPEDO", "",
                                     "ECF:001" + AnsiString(28, ' ') + "FAB:SW0000001",
                                     AnsiString(48, '=')}));
  EXPECT_EQ(printer->State().document, DocumentKind::kNone);
}

TEST_F(DocumentTest, MisalignedFooterPairsAreRefusedAndTheCouponStaysOpen) {
  const AnsiString line(40, 'A');
  for (const AnsiString& params : {"N" + line, "N0" + line + "1", "N0" + line + "0SHORT",
                                   "N0" + line.substr(0, 39), "S0" + line}) {
    Hold(DocumentKind::kFiscalCoupon);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send("12" + params), ".-E003") << params;
    EXPECT_EQ(printer->State(), before);
  }
}

TEST_F(DocumentTest, CancelTakesTheOpenCouponOrTheLastClosedOne) {
  Hold(DocumentKind::kFiscalCoupon);
  size_t before = printer->State().tape.size();
  EXPECT_EQ(Send("05"), ".+0000");
  EXPECT_EQ(TapeFrom(before), (Lines{"             CUPOM FISCAL CANCELADO", AnsiString(48, '=')}));
  EXPECT_EQ(printer->State().document, DocumentKind::kNone);
  EXPECT_EQ(printer->State().counters.cfc, 1);
  EXPECT_EQ(Send("05"), ".-E004");  // a cancelled coupon is not cancelled twice

  Edit([](PrinterState& s) { s.counters.coo = 121; });
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  before = printer->State().tape.size();
  EXPECT_EQ(Send("05"), ".+0000");
  const Lines printed = TapeFrom(before);
  ASSERT_EQ(printed.size(), 7u);
  EXPECT_EQ(printed[1].substr(38), "COO:000123");
  EXPECT_EQ(printed[2], "          CANCELAMENTO DE CUPOM FISCAL");
  EXPECT_EQ(printed[4], "COO DO CUPOM CANCELADO: 000122");
  EXPECT_EQ(printed[5], "TOTAL CANCELADO R$" + AnsiString(25, ' ') + "10,00");
  EXPECT_EQ(printer->State().counters.cfc, 2);
  EXPECT_EQ(Send("05"), ".-E004");
}

TEST_F(DocumentTest, AnotherDocumentMakesTheClosedCouponNoLongerCancellable) {
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  ASSERT_EQ(Send("13S"), ".+0000");
  EXPECT_EQ(Send("05"), kOpenLeft);  // the report must be closed first
  ASSERT_EQ(Send("12"), ".+0000");
  EXPECT_EQ(Send("05"), ".-E004");
}

}  // namespace
}  // namespace mdx::emulator::test
