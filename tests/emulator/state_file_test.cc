// The state file: what it keeps, a restart that finds it, and files that are
// missing, damaged or cannot be written.
#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <filesystem>
#include <functional>
#include <iterator>
#include <sstream>

#include "emulator/state_codec.h"
#include "emulator/state_lines.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"
#include "printer_fixture.h"
#include "sale_frames.h"

namespace mdx::emulator::test {
namespace {

PrinterState EveryFieldSet() {
  PrinterState s;
  s.dayOpen = true;
  s.zPending = true;
  s.document = DocumentKind::kNonFiscalReceipt;
  s.lastCouponCoo = 41;
  s.chequeInProgress = true;
  s.cheque = Cheque{"341 \\x\xe9", {"ANO 2026", AnsiString(120, 'A')}, true};
  s.drawerOpen = true;
  TDateTime zDate = 0;
  TryEncodeDate(2026, 12, 5, zDate);
  s.fiscalMemory = {{3, zDate, 40, 123456, 2000, 300, 40, 5}, {4, zDate + 1, 44, 9, 8, 7, 6, 1}};
  s.paper = PaperLevel::kLow;
  s.counters = Counters{123, 45, 6, 7, 8, 9, 10, 11};
  s.clockOffsetMs = -86400123;
  s.summerTime = true;
  s.tapeWidth = kNarrowTape;
  s.tape = {"PLAIN", "", "back\\slash \x01 del \x7f", "\xc7\xc3O 1252 \xe9", "|pipe"};

  s.movementDate = EncodeDate(2026, 12, 5);
  s.closedDay = EncodeDate(2026, 12, 4);
  s.lastDocumentTime = EncodeDate(2026, 12, 5) + EncodeTime(23, 59, 58, 7);
  s.couponPaying = true;
  s.serialNumber = "X\\Y\xe9";
  s.ecfNumber = 999;
  s.grandTotal = 99999999999999999;
  s.day.grossSales = 999999999999;
  s.day.cancelledIcms = 1;
  s.day.cancelledIss = 2;
  s.day.discounts = 3;
  s.day.surcharges = 4;
  s.day.exemptSales = 5;
  s.day.nonIncidenceSales = 6;
  s.day.substitutionSales = 7;
  s.day.taxableBases[0] = 10;
  s.day.taxableBases[14] = 11;
  s.day.payments[19] = {9999, 12};
  s.day.totalizers[0] = {1, 13};
  s.day.totalizers[49] = {2, 0};
  s.taxRates = TaxRateTable{};  // the fresh rates gone
  s.taxRates[14] = {"S99", 9999};
  s.paymentMethods[0] = {};  // a free entry before used ones
  s.paymentMethods[1] = {'#', "  lead \\ \xc7"};
  s.paymentMethods[19] = {'S', AnsiString(15, 'Z')};
  s.totalizers[0] = {'&', "ENTRADA-SAIDA"};
  s.totalizers[49] = {'-', AnsiString(14, '\xe9')};

  s.coupon.coo = 999999;
  s.coupon.consumer = "123.456.789-09 \\x";
  CouponItem item;
  item.code = "  A B\\\xe9";  // blanks, a backslash and a 1252 letter
  item.description = "?KG CAFE  TORRADO";
  item.taxCode = "F";
  item.bucket = 17;
  item.quantity = 9999999;
  item.unitPrice = 999999999;
  item.amount = 999999999000;
  item.discount = 999999999001;
  item.surcharge = 1;
  s.coupon.items = {item, CouponItem{"", "", "", 0, 1, 1, 0, 0, 0}};
  s.coupon.items[1].cancelled = true;
  s.coupon.subtotalDiscount = 5;
  s.coupon.subtotalSurcharge = 6;
  s.coupon.payments = {{20, 1}, {1, 999999999998}};
  s.lastCoupon.coo = 40;
  s.lastCoupon.items = {CouponItem{"1", "X", "T01", 0, 1000, 100, 100, 0, 0}};
  s.lastCoupon.payments = {{2, 100}};
  s.receipt.group = 50;
  s.receipt.linkedMethod = 20;
  s.receipt.entries = {{1, 10}, {50, 999999999989}};
  s.receipt.payments = {{3, 7}};
  s.lastReceipt.group = 1;
  s.lastReceipt.entries = {{2, 10000}, {5, 1}};
  s.lastReceipt.payments = {{1, 10001}};

  // A record of every kind; the first ones with every field set.
  DetailDocument sale;
  sale.coo = 40;
  sale.kind = DetailKind::kFiscalCoupon;
  sale.issued = MillisecondsToDateTime(DateTimeToMilliseconds(zDate) + 86399999);
  sale.counter = 999999;
  sale.cancelled = true;
  sale.coupon = s.coupon;
  sale.lines = {AnsiString(40, '='), "", "|pipe \\x41 \xc7\xe3O", "  lead"};
  DetailDocument linked;
  linked.coo = 999999;
  linked.kind = DetailKind::kLinkedReceipt;
  linked.cancelledCoo = 999999;
  linked.receipt = s.receipt;
  s.detail = {sale, linked};
  for (DetailKind kind : {DetailKind::kCouponCancellation, DetailKind::kNonFiscalReceipt,
                          DetailKind::kReceiptReversal, DetailKind::kManagementReport,
                          DetailKind::kXReading, DetailKind::kZReduction,
                          DetailKind::kMemoryReading}) {
    DetailDocument d;
    d.coo = static_cast<int>(s.detail.size()) + 1;
    d.kind = kind;
    d.issued = zDate + 0.5;
    d.lines = {AnsiString(40, '-')};
    s.detail.push_back(d);
  }
  // Lines and records before these are kept in a journal only.
  s.tapeBase = 1000;
  s.detailBase = 20;
  s.detailTapeStart = 1005;  // the open receipt's lines start at the tape's end
  return s;
}

std::string WithChecksum(const std::string& body) {
  return body + "checksum " + Hex8(Crc32(body)) + "\n";
}

// A state file as the printer wrote it before it kept identity, totals and
// tables.
const char kVersionOneBody[] =
    "MDX virtual printer state 1\n"
    "day_open 1\n"
    "z_pending 0\n"
    "document coupon\n"
    "last_coupon_coo 0\n"
    "cheque 0\n"
    "paper ok\n"
    "coo 17\n"
    "ccf 5\n"
    "gnf 3\n"
    "grg 2\n"
    "cfc 1\n"
    "crz 4\n"
    "cro 1\n"
    "clock_offset_ms 0\n"
    "summer_time 0\n"
    "tape_width 40\n"
    "tape 1\n"
    "|OLD LINE\n";

TEST(StateCodecTest, EveryFieldSurvivesTheRoundTrip) {
  const PrinterState original = EveryFieldSet();
  PrinterState decoded;
  AnsiString error;
  ASSERT_TRUE(DecodeState(EncodeState(original), decoded, error)) << error;
  EXPECT_EQ(decoded, original);
}

TEST(StateCodecTest, DamageIsRecognised) {
  const std::string good = EncodeState(EveryFieldSet());
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x20;
  std::string noChecksum = good.substr(0, good.rfind("checksum"));
  PrinterState wide = EveryFieldSet();
  wide.tape.push_back(AnsiString(41, 'x'));  // wider than its 40-column tape
  PrinterState oddWidth = EveryFieldSet();
  oddWidth.tapeWidth = 44;
  PrinterState negative = EveryFieldSet();
  negative.counters.coo = -1;
  PrinterState badRate = EveryFieldSet();
  badRate.taxRates[0] = {"t1", 100};
  PrinterState badName = EveryFieldSet();
  badName.paymentMethods[0] = {'S', "TRAILING "};
  PrinterState badAmount = EveryFieldSet();
  badAmount.day.discounts = kLargestAmount + 1;
  PrinterState badEcf = EveryFieldSet();
  badEcf.ecfNumber = 0;
  std::string newer = good.substr(0, good.rfind("checksum"));
  newer.replace(newer.find("state 8"), 7, "state 9");
  std::string backwards = good.substr(0, good.rfind("checksum"));
  backwards.replace(backwards.find("totalizer 1 "), 12, "totalizer 77 ");
  std::string itemOrder = good.substr(0, good.rfind("checksum"));
  itemOrder.replace(itemOrder.find("coupon_item 1 "), 14, "coupon_item 2 ");
  std::string itemFields = good.substr(0, good.rfind("checksum"));
  itemFields.replace(itemFields.find("coupon_item 2 0 "), 16, "coupon_item 2 0  ");
  std::string cancelMark = good.substr(0, good.rfind("checksum"));
  const std::string markedItem = "\\x20\\x20TORRADO 0\n";
  cancelMark.replace(cancelMark.find(markedItem), markedItem.size(), "\\x20\\x20TORRADO 2\n");
  PrinterState badReceipt = EveryFieldSet();
  badReceipt.lastReceipt.entries[0].totalizer = 51;
  PrinterState badBucket = EveryFieldSet();
  badBucket.coupon.items[0].bucket = 18;
  PrinterState bigDiscount = EveryFieldSet();
  bigDiscount.lastCoupon.items[0].discount = 101;
  PrinterState badRecord = EveryFieldSet();
  badRecord.fiscalMemory[1].crz = 0;
  std::string recordFields = good.substr(0, good.rfind("checksum"));
  recordFields.replace(recordFields.find("z_record 2 4 20261206"), 21, "z_record 2 4 20261306");
  std::string recordsCut = good.substr(0, good.rfind("checksum"));
  recordsCut.replace(recordsCut.find("z_records 2"), 11, "z_records 3");
  PrinterState strayCheque = EveryFieldSet();
  strayCheque.chequeInProgress = false;
  std::string changesCut = good.substr(0, good.rfind("checksum"));
  changesCut.replace(changesCut.find("cheque_changes 2"), 16, "cheque_changes 3");
  std::string badEscape = good.substr(0, good.rfind("checksum"));
  badEscape.replace(badEscape.find("cheque_format 341"), 17, "cheque_format \\xZZ");
  PrinterState detailCoo = EveryFieldSet();
  detailCoo.detail[3].coo = 0;
  PrinterState detailLine = EveryFieldSet();
  detailLine.detail[0].lines.push_back(AnsiString(41, 'x'));
  PrinterState detailStart = EveryFieldSet();
  detailStart.detailTapeStart = 1006;  // past the 5 tape lines
  PrinterState startBeforeBase = EveryFieldSet();
  startBeforeBase.detailTapeStart = 999;  // a line kept in the journal only
  // Text edits of the first record's line "detail_document 1 40 coupon ...".
  const std::string body = good.substr(0, good.rfind("checksum"));
  const std::string head = "detail_document 1 40 coupon 20261205 235959999 999999 1 0";
  const auto detailEdit = [&body, &head](const std::string& from, const std::string& to) {
    std::string line = head;
    line.replace(line.find(from), from.size(), to);
    std::string edited = body;
    edited.replace(edited.find(head), head.size(), line);
    return WithChecksum(edited);
  };
  std::string linesCut = body;
  linesCut.replace(linesCut.find("detail_lines 4"), 14, "detail_lines 5");
  std::string documentsCut = body;
  documentsCut.replace(documentsCut.find("detail_documents 9"), 18, "detail_documents 10");
  std::string detailEscape = body;
  detailEscape.replace(detailEscape.find("|  lead"), 7, "|\\x4");

  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"cut in half", good.substr(0, good.size() / 2)},
      {"last byte gone", good.substr(0, good.size() - 1)},
      {"one byte altered", flipped},
      {"checksum line gone", noChecksum},
      {"not a state file", "hello\nworld\n"},
      {"tape line too wide", EncodeState(wide)},
      {"tape width not offered", EncodeState(oddWidth)},
      {"negative counter", EncodeState(negative)},
      {"tax rate code", EncodeState(badRate)},
      {"payment name", EncodeState(badName)},
      {"amount past its digits", EncodeState(badAmount)},
      {"ECF number", EncodeState(badEcf)},
      {"newer version", WithChecksum(newer)},
      {"entry past the table", WithChecksum(backwards)},
      {"items out of order", WithChecksum(itemOrder)},
      {"an item's fields", WithChecksum(itemFields)},
      {"an item's cancellation mark", WithChecksum(cancelMark)},
      {"last receipt's totalizer", EncodeState(badReceipt)},
      {"item bucket", EncodeState(badBucket)},
      {"discount larger than the item", EncodeState(bigDiscount)},
      {"Z record's CRZ", EncodeState(badRecord)},
      {"Z record's date", WithChecksum(recordFields)},
      {"Z records missing", WithChecksum(recordsCut)},
      {"cheque details with no cheque", EncodeState(strayCheque)},
      {"cheque alterations missing", WithChecksum(changesCut)},
      {"cheque format's escape", WithChecksum(badEscape)},
      {"detail record's COO", EncodeState(detailCoo)},
      {"detail line too wide", EncodeState(detailLine)},
      {"detail tape start past the tape", EncodeState(detailStart)},
      {"detail tape start before the lines held", EncodeState(startBeforeBase)},
      {"detail kind", detailEdit(" coupon ", " ticket ")},
      {"detail date", detailEdit(" 20261205 ", " 20261305 ")},
      {"detail hour", detailEdit(" 235959999 ", " 245959999 ")},
      {"detail time's digits", detailEdit(" 235959999 ", " 2359599 ")},
      {"detail cancel mark", detailEdit(" 1 0", " 2 0")},
      {"detail field missing", detailEdit(" 1 0", " 1")},
      {"detail records out of order", detailEdit("document 1 ", "document 2 ")},
      {"detail lines missing", WithChecksum(linesCut)},
      {"detail records missing", WithChecksum(documentsCut)},
      {"detail line's escape", WithChecksum(detailEscape)},
  };
  for (const Case& c : cases) {
    PrinterState decoded;
    AnsiString error;
    EXPECT_FALSE(DecodeState(c.text, decoded, error)) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
  }
}

// Files of state 3 know no cancelled items and no reversible receipt.
TEST(StateCodecTest, ThirdVersionFileLoadsWithNoCancelledItemsNorLastReceipt) {
  PrinterState expected = EveryFieldSet();
  expected.coupon.items[1].cancelled = false;
  expected.lastReceipt = Receipt{};
  std::string body;
  std::istringstream lines(EncodeState(EveryFieldSet()));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("checksum", 0) == 0 || line.rfind("last_receipt_", 0) == 0) continue;
    if (line.rfind("MDX virtual printer state", 0) == 0) line = "MDX virtual printer state 3";
    if (line.rfind("coupon_item ", 0) == 0 || line.rfind("closed_coupon_item ", 0) == 0) {
      line.resize(line.size() - 2);  // the cancellation mark
    }
    body += line + "\n";
  }
  PrinterState decoded;
  AnsiString error;
  ASSERT_TRUE(DecodeState(WithChecksum(body), decoded, error)) << error;
  EXPECT_EQ(decoded, expected);
}

// Files of state 5 know neither the drawer nor the cheque's details.
TEST(StateCodecTest, FifthVersionFileLoadsWithTheDrawerClosedAndABareCheque) {
  PrinterState expected = EveryFieldSet();
  expected.drawerOpen = false;
  expected.cheque = Cheque{};  // still in progress: that flag is older
  std::string body;
  std::istringstream lines(EncodeState(EveryFieldSet()));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("checksum", 0) == 0 || line.rfind("drawer_", 0) == 0 ||
        line.rfind("cheque_", 0) == 0) {
      continue;
    }
    if (line.rfind("MDX virtual printer state", 0) == 0) line = "MDX virtual printer state 5";
    body += line + "\n";
  }
  PrinterState decoded;
  AnsiString error;
  ASSERT_TRUE(DecodeState(WithChecksum(body), decoded, error)) << error;
  EXPECT_EQ(decoded, expected);
}

class StateFileTest : public PrinterTest {
 protected:
  void SetUp() override {
    folder_ = mdx::test::MakeTemporaryFolder("mdx_emulator_state");
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    file_ = (folder_ / "printer.state").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
  AnsiString file_;
};

TEST_F(StateFileTest, RestartedPrinterFindsItsStateAsItWas) {
  printer = CreateVirtualPrinter(Options(file_, kNarrowTape));
  EXPECT_EQ(warnings.size(), 1u);  // no file yet
  ASSERT_EQ(Send("36S"), ".+0000");
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("080LEFT OPEN"), ".+0000");
  printer->SetClock(EncodeDate(2027, 1, 15) + EncodeTime(10, 30, 0, 0));
  const PrinterState before = printer->State();
  EXPECT_FALSE(platform::FileExists(file_ + ".tmp"));

  warnings.clear();
  printer = CreateVirtualPrinter(Options(file_, kWideTape));  // the file's width wins
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State(), before);
  const AnsiString status = Send("28");
  EXPECT_EQ(status.substr(9, 8), "E RELGER");
  EXPECT_EQ(status.substr(46, 11), "1501271030S");
  EXPECT_EQ(Send("12"), ".+0000");
  EXPECT_EQ(printer->State().tape.back(), AnsiString(40, '='));
}

TEST_F(StateFileTest, RestartedTillFindsTheCouponItLeftOpen) {
  printer = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(Send("1712345678909"), ".+0000");
  ASSERT_EQ(Send(ItemFrame("789", 2000, 350, 700, "?KGCAFE")), ".+0000");
  ASSERT_EQ(Send(ItemDiscountFrame(50)), ".+0000");
  ASSERT_EQ(Send(PaymentFrame(1, 300)), ".+0000");
  const PrinterState before = printer->State();

  printer = CreateVirtualPrinter(Options(file_));
  EXPECT_EQ(printer->State(), before);
  EXPECT_EQ(Field(Send("28"), 10, 8), "E VENDAS");
  EXPECT_EQ(Send("12N"), ".-E008");  // 3,00 of 6,50 paid
  EXPECT_EQ(Send(PaymentFrame(1, 500)), ".+0000");
  EXPECT_EQ(Send("12N"), ".+0000");
  EXPECT_EQ(printer->State().tape.end()[-4], "TROCO R$" + AnsiString(36, ' ') + "1,50");
  EXPECT_EQ(Field(Send("271"), 105, 12), "000000000650");
  EXPECT_EQ(Field(Send("276"), 8, 16), "0002000000000650");

  // The closed coupon is still the one "05" cancels after another restart.
  printer = CreateVirtualPrinter(Options(file_));
  EXPECT_EQ(Send("05"), ".+0000");
  EXPECT_EQ(Field(Send("271"), 61, 12), "000000000650");
}

TEST_F(StateFileTest, MissingFileGivesAFreshPrinterSavedAtItsFirstChange) {
  printer = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(file_), AnsiString::npos);
  EXPECT_NE(warnings[0].find("not found"), AnsiString::npos);
  EXPECT_EQ(printer->State(), PrinterState());

  EXPECT_EQ(Send("23"), ".+0000");
  EXPECT_FALSE(platform::FileExists(file_));  // nothing changed yet
  EXPECT_EQ(Send("13S"), ".+0000");
  EXPECT_TRUE(platform::FileExists(file_));
}

TEST_F(StateFileTest, DamagedFileIsMovedAsideAndAFreshPrinterStarts) {
  const std::string damaged = EncodeState(EveryFieldSet()).substr(0, 100);
  platform::WriteFileAtomically(file_, damaged);

  printer = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("damaged"), AnsiString::npos);
  EXPECT_NE(warnings[0].find(file_ + ".damaged"), AnsiString::npos);
  EXPECT_EQ(printer->State(), PrinterState());
  EXPECT_EQ(platform::ReadFile(file_ + ".damaged"), damaged);
  EXPECT_EQ(Send("13S"), ".+0000");

  warnings.clear();
  printer = CreateVirtualPrinter(Options(file_));
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State().document, DocumentKind::kManagementReport);
}

TEST_F(StateFileTest, UnwritableFileIsReportedOnceAndThePrinterGoesOn) {
  const AnsiString file = (folder_ / "missing" / "printer.state").string();
  printer = CreateVirtualPrinter(Options(file));
  warnings.clear();
  EXPECT_EQ(Send("13S"), ".+0000");
  EXPECT_EQ(Send("080TEXT"), ".+0000");
  EXPECT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("cannot save"), AnsiString::npos);
  EXPECT_FALSE(printer->Save());
  EXPECT_EQ(printer->State().document, DocumentKind::kManagementReport);
}

TEST_F(StateFileTest, ProgrammedTablesAndTotalsSurviveARestart) {
  printer = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(Send("39SCARTAO         SRel Gerencial"), ".+0000");
  ASSERT_EQ(Send("38N&ENTRADA-SAIDA +Suprimento    "), ".+0000");
  Edit([](PrinterState& s) {
    s.serialNumber = "SW4242";
    s.taxRates[4] = {"T05", 2500};
    s.day.payments[1] = {3, 4550};
  });
  const AnsiString tables = Send("295") + Send("297") + Send("294");
  const AnsiString registers = Send("273") + Send("276");

  printer = CreateVirtualPrinter(Options(file_));
  EXPECT_EQ(Send("295") + Send("297") + Send("294"), tables);
  EXPECT_EQ(Send("273") + Send("276"), registers);
  EXPECT_EQ(Field(Send("295"), 52, 32), "SCARTAO         SRel Gerencial  ");
  EXPECT_EQ(Field(Send("276"), 24, 16), "0003000000004550");
}

TEST_F(StateFileTest, FiscalMemorySurvivesARestart) {
  printer = CreateVirtualPrinter(Options(file_));
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  ASSERT_EQ(Send("14N061226"), ".+0000");
  systemNow += 1;
  ASSERT_EQ(Send("14N071226"), ".+0000");
  const FiscalMemory memory = printer->State().fiscalMemory;
  ASSERT_EQ(memory.size(), 2u);

  printer = CreateVirtualPrinter(Options(file_));
  EXPECT_EQ(printer->State().fiscalMemory, memory);
  // The restored printer still knows its last date and its closed day.
  EXPECT_EQ(Send("14N061226"), ".-E012");
  EXPECT_EQ(Send("14N071226"), ".-E011");
}

TEST_F(StateFileTest, FileOfTheFirstVersionLoadsWithAFreshPrintersTablesAndTotals) {
  platform::WriteFileAtomically(file_, WithChecksum(kVersionOneBody));
  printer = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("was of version 1; converted"), std::string::npos) << warnings[0];
  EXPECT_EQ(platform::ReadFile(file_ + ".v1"), WithChecksum(kVersionOneBody));

  PrinterState expected;
  expected.dayOpen = true;
  expected.document = DocumentKind::kFiscalCoupon;
  expected.counters = Counters{17, 5, 3, 2, 1, 4, 1, 0};
  expected.tapeWidth = kNarrowTape;
  expected.tape = {"OLD LINE"};
  EXPECT_EQ(printer->State(), expected);
  EXPECT_EQ(Field(Send("27H"), 73, 6), "000017");
  EXPECT_EQ(Field(Send("273"), 13, 9), "SW0000001");
  EXPECT_EQ(Field(Send("293"), 49, 7), "T011800");

  // Converted, it is a file of the current version with the same state.
  ASSERT_TRUE(printer->Save());
  EXPECT_EQ(platform::ReadFile(file_).substr(0, 28), "MDX virtual printer state 8\n");
  printer = CreateVirtualPrinter(Options(file_));
  EXPECT_EQ(printer->State(), expected);
}

TEST_F(StateFileTest, SetStateRefusesWhatThePrinterCannotHold) {
  const std::function<void(PrinterState&)> changes[] = {
      [](PrinterState& s) { s.serialNumber = ""; },
      [](PrinterState& s) { s.serialNumber = "SW 000001"; },
      [](PrinterState& s) { s.serialNumber = "SW00000001"; },
      [](PrinterState& s) { s.ecfNumber = 1000; },
      [](PrinterState& s) { s.movementDate = EncodeDate(2026, 12, 5) + 0.5; },
      [](PrinterState& s) { s.closedDay = EncodeDate(2026, 12, 5) + 0.5; },
      [](PrinterState& s) { s.lastDocumentTime = -1; },
      [](PrinterState& s) { s.grandTotal = -1; },
      [](PrinterState& s) { s.day.taxableBases[3] = kLargestAmount + 1; },
      [](PrinterState& s) { s.day.payments[0].count = 10000; },
      [](PrinterState& s) { s.taxRates[0].hundredths = 10000; },
      [](PrinterState& s) { s.taxRates[1].code = "T1"; },
      [](PrinterState& s) { s.taxRates[5] = {"", 100}; },
      [](PrinterState& s) { s.paymentMethods[0].name = AnsiString(16, 'X'); },
      [](PrinterState& s) { s.paymentMethods[2] = {' ', "NO FLAG"}; },
      [](PrinterState& s) { s.totalizers[0] = {'*', "STAR"}; },
      [](PrinterState& s) { s.totalizers[1] = {'+', "LINE\nFEED"}; },
      [](PrinterState& s) { s.coupon.items.push_back({"1", "X", "T01", 0, 0, 1, 0, 0, 0}); },
      [](PrinterState& s) { s.coupon.items.push_back({"1", "X", "T01", 0, 1, 1, 0, 1, 0}); },
      [](PrinterState& s) { s.coupon.payments.push_back({21, 100}); },
      [](PrinterState& s) { s.coupon.payments.push_back({1, 0}); },
      [](PrinterState& s) { s.coupon.consumer = AnsiString(31, '1'); },
      [](PrinterState& s) { s.lastCoupon.subtotalDiscount = 1; },  // more than its subtotal
      [](PrinterState& s) { s.receipt.entries.push_back({0, 100}); },
      [](PrinterState& s) { s.receipt.entries.push_back({1, kLargestAmount + 1}); },
      [](PrinterState& s) { s.receipt.linkedMethod = 21; },
      [](PrinterState& s) { s.fiscalMemory.push_back({1, EncodeDate(2026, 12, 5) + 0.5}); },
      [](PrinterState& s) { s.fiscalMemory.push_back({10000, EncodeDate(2026, 12, 5)}); },
      [](PrinterState& s) {
        s.fiscalMemory.push_back({1, EncodeDate(2026, 12, 5), 1, 0, kLargestAmount + 1});
      },
      [](PrinterState& s) { s.cheque.format = "341"; },  // no cheque in progress
      [](PrinterState& s) {
        s.chequeInProgress = true;
        s.cheque.format = AnsiString(41, '1');
      },
      [](PrinterState& s) {
        s.chequeInProgress = true;
        s.cheque.changes = {"LINE\nFEED"};
      },
      [](PrinterState& s) {
        s.chequeInProgress = true;
        s.cheque.changes = {""};
      },
      [](PrinterState& s) {
        s.chequeInProgress = true;
        s.cheque.changes = std::vector<AnsiString>(10, "A");
      },
  };
  const PrinterState before = printer->State();
  for (size_t i = 0; i < std::size(changes); ++i) {
    PrinterState state = before;
    changes[i](state);
    EXPECT_THROW(printer->SetState(state), Exception) << "change " << i;
  }
  EXPECT_EQ(printer->State(), before);
}

TEST_F(StateFileTest, TapeWidthIsFortyOrFortyEight) {
  EXPECT_THROW(CreateVirtualPrinter(Options("", 44)), Exception);
  PrinterState state = printer->State();
  state.tapeWidth = 80;
  EXPECT_THROW(printer->SetState(state), Exception);
  EXPECT_EQ(printer->State().tapeWidth, kWideTape);
}

}  // namespace
}  // namespace mdx::emulator::test
