// Rounding and truncation give the decimal result a person expects, also
// where the binary double sits just below or above the decimal value.
#include <gtest/gtest.h>

#include "mdx00200/hostlib.h"

namespace {

struct Case {
  double value;
  double expected;
};

TEST(Trunc2, TruncatesTheDecimalValueNotTheBinaryOne) {
  const Case cases[] = {
      {1.15, 1.15},       // 1.1499999999999999...
      {2.3 * 3, 6.9},     // 6.8999999999999995
      {8.7, 8.7},         // 8.6999999999999992894...
      {4.35, 4.35},       // 4.3499999999999996447...
      {1.159, 1.15},
      {1.999, 1.99},
      {-1.15, -1.15},     // toward zero
      {-1.159, -1.15},
      {12.0, 12.0},
      {0.0, 0.0},
  };
  for (const Case& c : cases) EXPECT_EQ(Consiste::Trunc2(c.value), c.expected) << "value " << c.value;
}

TEST(Trunc3, TruncatesTheDecimalValueNotTheBinaryOne) {
  const Case cases[] = {
      {1.0005, 1.0},      // 1.000499999...: three decimals are 1.000
      {1.0015, 1.001},
      {0.3 * 3, 0.9},     // 0.8999999999999999
      {2.0009, 2.0},
      {1.2345, 1.234},
      {-1.2345, -1.234},
      {-0.0009, 0.0},
  };
  for (const Case& c : cases) EXPECT_EQ(Consiste::Trunc3(c.value), c.expected) << "value " << c.value;
}

TEST(RoundDec, RoundsHalfAwayFromZeroOnTheDecimalValue) {
  struct RoundCase {
    double value;
    int decimals;
    double expected;
  };
  const RoundCase cases[] = {
      {2.675, 2, 2.68},   // 2.67499999999999982236431605997495353221893310546875
      {1.005, 2, 1.01},   // 1.00499999999999989341858963598497211933135986328125
      {-2.675, 2, -2.68},
      {10.1, 2, 10.1},
      {1.004, 2, 1.0},
      {0.125, 2, 0.13},
      {2.5, 0, 3.0},
      {1234.5678, 3, 1234.568},
  };
  for (const RoundCase& c : cases)
    EXPECT_EQ(Consiste::RoundDec(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

TEST(Trunc2, ItemLineTotalOfTheSaleReadsAsThePersonComputesIt) {
  // Trunc2(Trunc2(price) * quantity), as the item command builds its total.
  EXPECT_EQ(Consiste::Trunc2(Consiste::Trunc2(2.3) * 3), 6.9);
  EXPECT_EQ(Consiste::Trunc2(Consiste::Trunc2(19.99) * 1.5), 29.98);  // 29.985
  EXPECT_EQ(Consiste::Trunc2(Consiste::Trunc2(0.1) * 3), 0.3);        // 0.30000000000000004
}

}  // namespace
