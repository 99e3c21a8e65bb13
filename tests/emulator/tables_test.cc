// Command "29" reads of the three tables, and their programming with "39"
// (payment methods) and "38" (totalizers).
#include <gtest/gtest.h>

#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

const char kOpenLeft[] = ".-E010ERRO-OPERACAO NAO ENCERRADA}";

// A piece of a table: the positions of one "29" reply that carry it.
struct Piece {
  char subCode;
  int position;
  int width;
};

const Piece kTaxRatePieces[] = {{'3', 49, 28}, {'4', 8, 49}, {'5', 8, 28}};
const Piece kPaymentPieces[] = {{'5', 36, 48}, {'6', 8, 112}, {'Q', 8, 96}, {'R', 8, 64}};
const Piece kTotalizerPieces[] = {{'7', 38, 90},  {'8', 8, 120}, {'9', 8, 120}, {'A', 8, 120},
                                  {'B', 8, 120}, {'C', 8, 120}, {'D', 8, 60}};

class TableTest : public PrinterTest {
 protected:
  // The whole table as the till joins it from its "29" pieces.
  template <size_t N>
  AnsiString Read(const Piece (&pieces)[N]) {
    AnsiString table;
    for (const Piece& piece : pieces) {
      table += Field(Send(AnsiString("29") + piece.subCode), piece.position, piece.width);
    }
    return table;
  }
  AnsiString TaxRates() { return Read(kTaxRatePieces); }
  AnsiString PaymentMethods() { return Read(kPaymentPieces); }
  AnsiString Totalizers() { return Read(kTotalizerPieces); }
};

AnsiString Filled(const AnsiString& text, size_t width) {
  AnsiString filled = text;
  filled.resize(width, ' ');
  return filled;
}

// Payment entries: "S" + name, 16 characters each.
AnsiString Methods(std::initializer_list<const char*> names) {
  AnsiString list;
  for (const char* name : names) list += Filled(AnsiString("S") + name, 16);
  return list;
}

// Totalizer entries: marker and name, 15 characters each.
AnsiString Entries(std::initializer_list<const char*> entries) {
  AnsiString list;
  for (const char* entry : entries) list += Filled(entry, 15);
  return list;
}

TEST_F(TableTest, EveryReadIsACompleteBlockOfItsLength) {
  struct Case {
    char subCode;
    size_t length;
  };
  const Case cases[] = {{'3', 76},  {'4', 56},  {'5', 83},  {'6', 119}, {'Q', 103},
                        {'R', 71},  {'7', 127}, {'8', 127}, {'9', 127}, {'A', 127},
                        {'B', 127}, {'C', 127}, {'D', 67}};
  for (const Case& c : cases) {
    const AnsiString reply = Send(AnsiString("29") + c.subCode);
    EXPECT_EQ(reply.size(), c.length) << c.subCode;
    EXPECT_EQ(Field(reply, 1, 7), AnsiString(".+C001") + c.subCode);
  }
  EXPECT_EQ(Field(Send("293"), 8, 41), AnsiString(41, '0'));  // before the rates
  EXPECT_EQ(Field(Send("297"), 8, 30), AnsiString(30, '0'));  // before the totalizers
  for (const char* frame : {"29", "291", "292", "29E", "29q", "2933"}) {
    EXPECT_EQ(Send(frame), ".-E003") << frame;
  }
}

TEST_F(TableTest, FreshPrinterHasFourRatesCashAndNoTotalizers) {
  EXPECT_EQ(TaxRates(), Filled("T011800T021200T030700S010500", 105));
  EXPECT_EQ(PaymentMethods(), Filled("SDinheiro", 320));
  EXPECT_EQ(Totalizers(), AnsiString(750, ' '));
}

TEST_F(TableTest, EveryEntryOfEveryTableIsReadInOrder) {
  AnsiString rates, methods, totalizers;
  Edit([&](PrinterState& s) {
    for (size_t k = 0; k < kTaxRateCount; ++k) {
      s.taxRates[k] = {"T" + std::to_string(10 + k), static_cast<int>(100 + k)};
      rates += s.taxRates[k].code + "0" + std::to_string(100 + k);
    }
    for (size_t k = 0; k < kPaymentMethodCount; ++k) {
      s.paymentMethods[k] = {'N', "METHOD " + std::to_string(k + 1)};
      methods += Filled("NMETHOD " + std::to_string(k + 1), 16);
    }
    for (size_t k = 0; k < kTotalizerCount; ++k) {
      s.totalizers[k] = {k % 2 ? '+' : '-', "TOTAL " + std::to_string(k + 1)};
      totalizers += Filled((k % 2 ? "+TOTAL " : "-TOTAL ") + std::to_string(k + 1), 15);
    }
  });
  EXPECT_EQ(TaxRates(), rates);
  EXPECT_EQ(PaymentMethods(), methods);
  EXPECT_EQ(Totalizers(), totalizers);
}

TEST_F(TableTest, PaymentMethodsAreAddedOnceInTheNextFreePositions) {
  // As the till sends them: upper-cased names, a "#" method, and the
  // management-report method last, two characters short of its 16.
  const AnsiString list = Methods({"CARTAO CREDITO", "DINHEIRO", "#TICKET"}) + "SRel Gerencial";
  ASSERT_EQ(Send("39" + list), ".+0000");
  const AnsiString table = Methods({"Dinheiro", "CARTAO CREDITO", "#TICKET", "Rel Gerencial"});
  EXPECT_EQ(PaymentMethods(), Filled(table, 320));

  // Names already there, whatever their case or flag, are taken once.
  EXPECT_EQ(Send("39" + list), ".+0000");
  EXPECT_EQ(Send("39" + Methods({"rel gerencial", "PIX", "Pix"})), ".+0000");
  EXPECT_EQ(PaymentMethods(), Filled(table + Methods({"PIX"}), 320));

  EXPECT_EQ(Send("39"), ".+0000");  // the till sends it even with nothing to add
  EXPECT_EQ(PaymentMethods(), Filled(table + Methods({"PIX"}), 320));
}

TEST_F(TableTest, PaymentTableTakesTwentyAndThenRefusesWithoutChange) {
  AnsiString nineteen;
  for (int k = 2; k <= 20; ++k) nineteen += Methods({("METHOD " + std::to_string(k)).c_str()});
  // One too many: nothing is added.
  EXPECT_EQ(Send("39" + nineteen + Methods({"ONE TOO MANY"})), ".-E005");
  EXPECT_EQ(PaymentMethods(), Filled("SDinheiro", 320));

  ASSERT_EQ(Send("39" + nineteen), ".+0000");
  const AnsiString full = PaymentMethods();
  EXPECT_EQ(full.substr(304), Methods({"METHOD 20"}));
  EXPECT_EQ(Send("39" + Methods({"ANOTHER"})), ".-E005");
  EXPECT_EQ(Send("39" + Methods({"method 7"})), ".+0000");  // present: nothing to add
  EXPECT_EQ(PaymentMethods(), full);
}

TEST_F(TableTest, PaymentEntriesThatCannotBeReadAreRefused) {
  const PrinterState before = printer->State();
  const AnsiString good = Methods({"CHEQUE"});
  for (const AnsiString& list : {good + "S",                           // a flag alone
                                 good + Filled(" NO FLAG", 16),       // blank flag
                                 AnsiString("S") + AnsiString(15, ' '),  // no name
                                 Methods({"LINE\nFEED"})}) {
    EXPECT_EQ(Send("39" + list), ".-E003") << list;
  }
  Hold(DocumentKind::kFiscalCoupon);
  EXPECT_EQ(Send("39" + good), kOpenLeft);
  EXPECT_EQ(printer->State().paymentMethods, before.paymentMethods);
}

TEST_F(TableTest, TotalizersAreAddedInOrderAndRepeatsAreTakenOnce) {
  const AnsiString nine = Entries({"&ENTRADA-SAIDA", "+Suprimento", "-Sangria", "&OUTROS",
                                   "+Cartao Consum.", "+Cred Pessoal", "+Canc Credito",
                                   "-CONTRA-VALE EM"});
  ASSERT_EQ(Send("38N" + nine), ".+0000");
  EXPECT_EQ(Totalizers(), Filled(nine, 750));

  // What the till sends for a voucher totalizer it did not find: its group
  // again, then the name alone. Both are there already.
  EXPECT_EQ(Send("38N" + Entries({"&OUTROS", "-CONTRA-VALE EM"})), ".+0000");
  EXPECT_EQ(Send("38N" + Entries({"-contra-vale em"})), ".+0000");
  EXPECT_EQ(Send("38N"), ".+0000");
  EXPECT_EQ(Totalizers(), Filled(nine, 750));

  // The marker belongs to the entry: the same name adding to the till is new.
  EXPECT_EQ(Send("38N" + Entries({"+CONTRA-VALE EM"})), ".+0000");
  EXPECT_EQ(Totalizers(), Filled(nine + Entries({"+CONTRA-VALE EM"}), 750));
}

TEST_F(TableTest, TotalizerTableTakesFiftyAndRefusesBadEntries) {
  AnsiString fifty;
  for (int k = 1; k <= 50; ++k) fifty += Entries({("+TOTAL " + std::to_string(k)).c_str()});
  EXPECT_EQ(Send("38N" + fifty + Entries({"+ONE TOO MANY"})), ".-E005");
  EXPECT_EQ(Totalizers(), AnsiString(750, ' '));
  ASSERT_EQ(Send("38N" + fifty), ".+0000");
  EXPECT_EQ(Totalizers(), fifty);
  EXPECT_EQ(Send("38N" + Entries({"-ANOTHER"})), ".-E005");
  EXPECT_EQ(Send("38N" + Entries({"+total 50"})), ".+0000");

  printer = CreateVirtualPrinter(Options());
  for (const AnsiString& params : {AnsiString(""), "S" + Entries({"+SUPRIMENTO"}),
                                   "N" + Entries({"*STAR"}), "N" + Entries({"+OK"}) + "+",
                                   "N" + AnsiString("+") + AnsiString(14, ' ')}) {
    EXPECT_EQ(Send("38" + params), ".-E003") << params;
  }
  Hold(DocumentKind::kManagementReport);
  EXPECT_EQ(Send("38N" + Entries({"+SUPRIMENTO"})), kOpenLeft);
  EXPECT_EQ(Totalizers(), AnsiString(750, ' '));
}

}  // namespace
}  // namespace mdx::emulator::test
