// Cancelling an item of the open coupon ("04"): what it refuses, what it
// takes off the subtotal and prints, and where the cancelled item lands in
// the day's totals.
#include <gtest/gtest.h>

#include <cstring>

#include "printer_fixture.h"
#include "sale_frames.h"

namespace mdx::emulator::test {
namespace {

using Lines = std::vector<AnsiString>;
using Frames = std::vector<AnsiString>;

const AnsiString kItem = ItemFrame("1", 1000, 1000, 1000, "ITEM");

// Item 1: 10,00 T01 less 1,00; item 2: 5,00 S01 plus 0,50; item 3: 3,00 exempt.
const Frames kThreeItems = {"17",
                            ItemFrame("1", 1000, 1000, 1000, "GOODS", "T01"),
                            ItemDiscountFrame(100),
                            ItemFrame("2", 1000, 500, 500, "SERVICE", "S01"),
                            ItemSurchargeFrame(50),
                            ItemFrame("3", 1000, 300, 300, "BREAD", "I")};

class ItemCancelTest : public PrinterTest {
 protected:
  void SendAll(const Frames& frames) {
    for (const AnsiString& frame : frames) ASSERT_EQ(Send(frame), ".+0000") << frame;
  }
  AnsiString Register(char selector, int position, int width) {
    return Field(Send(AnsiString("27") + selector), position, width);
  }
  void ExpectRegisters(const std::vector<std::pair<int, const char*>>& register1) {
    for (const auto& [position, text] : register1) {
      EXPECT_EQ(Register('1', position, static_cast<int>(std::strlen(text))), text)
          << "register 1 at " << position;
    }
  }
};

TEST_F(ItemCancelTest, RefusalsLeaveTheStateAsItWas) {
  const Frames none;
  const Frames report = {"13S"};
  const Frames open = {"17"};
  const Frames item = {"17", kItem};
  const Frames cancelled = {"17", kItem, "04"};
  const Frames adjusted = {"17", kItem, SubtotalDiscountFrame(100)};
  const Frames paying = {"17", kItem, PaymentFrame(1, 400)};
  struct Case {
    const Frames& setup;
    AnsiString frame;
    const char* reply;
  };
  const Case cases[] = {
      {none, "04", ".-E004"},
      {report, "04", ".-E004"},
      {open, "04", ".-E004"},
      {open, "041", ".-E004"},
      {item, "040", ".-E004"},     // items count from 1
      {item, "04000", ".-E004"},
      {item, "04002", ".-E004"},   // no such item
      {item, "042", ".-E004"},
      {item, "040001", ".-E003"},  // more than 3 digits
      {item, "04 1", ".-E003"},
      {item, "041 ", ".-E003"},
      {item, "04A", ".-E003"},
      {item, "04-1", ".-E003"},
      {cancelled, "04", ".-E004"},  // the last item is cancelled already
      {cancelled, "04001", ".-E004"},
      {cancelled, "041", ".-E004"},
      {cancelled, ItemDiscountFrame(100), ".-E004"},  // nor adjusted
      {cancelled, ItemSurchargeFrame(100), ".-E004"},
      {cancelled, SubtotalDiscountFrame(100), ".-E006"},  // a subtotal of 0
      {cancelled, PaymentFrame(1, 100), ".-E004"},        // nothing to pay
      {adjusted, "04", ".-E004"},  // the payment phase
      {paying, "04", ".-E004"},
      {paying, "04001", ".-E004"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    printer = CreateVirtualPrinter(Options());
    SendAll(c.setup);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send(c.frame), c.reply);
    EXPECT_EQ(printer->State(), before);
  }
}

TEST_F(ItemCancelTest, ItemNumberTakesOneToThreeDigits) {
  for (const char* number : {"2", "02", "002"}) {
    SCOPED_TRACE(number);
    printer = CreateVirtualPrinter(Options());
    SendAll({"17", kItem, kItem, kItem, AnsiString("04") + number});
    const std::vector<CouponItem>& items = printer->State().coupon.items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_FALSE(items[0].cancelled);
    EXPECT_TRUE(items[1].cancelled);
    EXPECT_FALSE(items[2].cancelled);
  }
}

TEST_F(ItemCancelTest, CancelledItemsLeaveTheSubtotalAndGoToTheCancelledSales) {
  SendAll(kThreeItems);
  const size_t before = printer->State().tape.size();
  SendAll({"04", "04002"});  // the last item (3), then item 2 by its number
  EXPECT_EQ(TapeFrom(before),
            (Lines{"CANCELAMENTO ITEM 003" + AnsiString(22, ' ') + "-3,00",
                   "CANCELAMENTO ITEM 002" + AnsiString(22, ' ') + "-5,50"}));
  // Only item 1 (9,00) is left in the subtotal.
  EXPECT_EQ(Send(SubtotalDiscountFrame(901)), ".-E006");
  SendAll({SubtotalDiscountFrame(100), PaymentFrame(1, 1000), "12N"});
  const Lines tape = printer->State().tape;
  const Lines closing(tape.begin() + static_cast<std::ptrdiff_t>(before) + 2,
                      tape.begin() + static_cast<std::ptrdiff_t>(before) + 7);
  EXPECT_EQ(closing, (Lines{"SUBTOTAL R$" + AnsiString(33, ' ') + "9,00",
                            "DESCONTO R$" + AnsiString(32, ' ') + "-1,00",
                            "TOTAL R$" + AnsiString(36, ' ') + "8,00",
                            "Dinheiro" + AnsiString(35, ' ') + "10,00",
                            "TROCO R$" + AnsiString(36, ' ') + "2,00"}));

  ExpectRegisters({
      {20, "00000000000001850"},  // grand total: every line total and surcharge
      {37, "0000"},               // CFC: no coupon cancelled
      {45, "000000001850"},       // gross sales, as the grand total
      {61, "000000000300"},       // cancelled ICMS: item 3 (exempt)
      {77, "000000000550"},       // cancelled ISS: item 2 with its surcharge
      {93, "000000000200"},       // discounts: item 1's and the subtotal's
      {105, "000000000800"},      // net sales: the coupon's total
  });
  EXPECT_EQ(Register('2', 56, 12), "000000000000");      // no ISS sale left
  EXPECT_EQ(Register('3', 22, 12), "000000000000");      // nor exempt sale
  EXPECT_EQ(Register('3', 94, 15), "T01000000000800");   // item 1 less the subtotal discount
  EXPECT_EQ(Register('F', 12, 12), "000000000050");      // item 2's surcharge still counts
  EXPECT_EQ(Register('6', 8, 16), "0001000000000800");   // cash less the change

  // Cancelling the closed coupon moves only what it still sold.
  SendAll({"05"});
  ExpectRegisters({{61, "000000001100"}, {77, "000000000550"}, {105, "000000000000"}});
}

TEST_F(ItemCancelTest, CancelledOpenCouponCountsEachItemOnce) {
  SendAll(kThreeItems);
  SendAll({"04001", "05"});
  ExpectRegisters({
      {45, "000000001850"},
      {61, "000000001200"},  // items 1 (9,00) and 3 (3,00)
      {77, "000000000550"},
      {93, "000000000100"},
      {105, "000000000000"},
  });
}

}  // namespace
}  // namespace mdx::emulator::test
