// DaySalesTest: sales through the package's own operations (AbreCupom,
// VendaItem, FechaCupom) against the virtual printer, every frame going to
// the printer, for tests that need a day of real sales behind them.
#pragma once

#include <vector>

#include "coupon_unit/closing_fixture.h"

namespace mdx::test {

// One item sold: its code, name, tax-rate code, quantity, price and discount.
struct Sold {
  const char* code;
  const char* name;
  const char* rate;
  double quantity;
  double price;
  double discount;
  double LineTotal() const { return quantity * price; }
  double Value() const { return LineTotal() - discount; }
};

class DaySalesTest : public ClosingTest {
 protected:
  void SetUp() override {
    ClosingTest::SetUp();
    Script().ClearRules();  // every frame goes to the virtual printer
  }

  static Variant Item(const Sold& s) {
    return Record({{"ESQUEMACOR", "007"},
                   {"INTTEFERRO", 0},
                   {"CDARVPROD", s.code},
                   {"NMPROD", s.name},
                   {"CDALIQ", s.rate},
                   {"QTDE", s.quantity},
                   {"VALOR", s.price},
                   {"DESCONT", s.discount},
                   {"UNIDADE", ""},
                   {"IDUTILTEF", "N"},
                   {"UTILTEF", false},
                   {"ACRESCIMO", 0.0}});
  }

  // The record of a plain coupon opening: no consumer, no TEF.
  static Variant Opening() {
    return Record({{"ESQUEMACOR", "007"},
                   {"INTTEFERRO", 0},
                   {"INCLUICPF", ""},
                   {"INCLUINOME", ""},
                   {"INCLUIENDERECO", ""},
                   {"CUPNR", ""},
                   {"CONTCUPOM", ""},
                   {"IDUTILTEF", "N"},
                   {"UTILTEF", false}});
  }

  void OpenCoupon() {
    Variant opening = Opening();
    ASSERT_TRUE(AbreCupom(opening)) << SwedaRet();
  }
  void Sell(const Sold& s) {
    Variant item = Item(s);
    ASSERT_TRUE(VendaItem(item)) << SwedaRet();
  }
  void CloseCoupon(double surcharge, const std::vector<Movement>& payments) {
    ClosingList list;
    list[8] = surcharge;
    list[13] = MovementsPacket(payments);
    list[14] = MethodsPacket({{"001", "01", ""}, {"002", "02", ""}});
    ASSERT_TRUE(Close(list)) << SwedaRet();
  }
};

}  // namespace mdx::test
