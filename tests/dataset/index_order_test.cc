// The order an index gives for every kind of field: nulls first, text by
// unsigned byte codes with a prefix before what extends it, numbers
// numerically (NaN last, -0 equal to 0), and rows with equal keys in the
// order they came in, also when a second field decides.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"

namespace mdx {
namespace {

struct OrderCase {
  const char* name;
  TFieldType type;
  int size;
  std::vector<Variant> values;  // appended in this order; empty Variant = null
  std::vector<int> expected;    // the positions above, in index order
};

std::vector<int> IndexOrder(TClientDataSet& ds) {
  std::vector<int> order;
  for (ds.First(); !ds.Eof(); ds.Next()) order.push_back(ds.FieldByName("N").AsInteger());
  return order;
}

TEST(IndexOrder, EveryFieldKindSortsAsItCompares) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::string withZero("a\0b", 3);
  const OrderCase cases[] = {
      {"text", ftString, 10,
       {"b", Variant(), "ab", "a", "\xE9", "", "B", withZero, "a"},
       // "" is null; "a" before "a\0b" before "ab"; 0xE9 after ASCII.
       {1, 5, 6, 3, 8, 7, 2, 0, 4}},
      {"wide text", ftWideString, 10,
       {L"b", L"a", Variant(), L"\u00e9", L"ab", L"A"},
       {2, 5, 1, 4, 0, 3}},
      {"integer", ftInteger, 0,
       {0, -1, std::numeric_limits<int>::max(), Variant(), std::numeric_limits<int>::min(), 1, 0},
       {3, 4, 1, 0, 6, 5, 2}},
      {"large integer", ftLargeint, 0,
       {(long long)1 << 40, -((long long)1 << 40), 5, Variant()},
       {3, 1, 2, 0}},
      {"boolean", ftBoolean, 0, {true, Variant(), false, true}, {1, 2, 0, 3}},
      {"float", ftFloat, 0,
       {nan, 2.5, 0.0, -inf, Variant(), -0.0, -1e300, inf, 1e-300, -1.5, nan},
       {4, 3, 6, 9, 2, 5, 8, 1, 7, 0, 10}},
      {"date and time", ftDateTime, 0,
       {EncodeDate(2024, 1, 15), EncodeDate(1850, 3, 1), Variant(), EncodeDate(2024, 1, 15) + 0.5},
       {2, 1, 0, 3}},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    TClientDataSet ds;
    ds.FieldDefs().Add("N", ftInteger);
    ds.FieldDefs().Add("V", c.type, c.size);
    ds.CreateDataSet();
    for (size_t i = 0; i < c.values.size(); ++i) {
      ds.Append();
      ds.FieldByName("N").SetAsInteger(static_cast<int>(i));
      if (c.values[i].IsEmpty())
        ds.FieldByName("V").Clear();
      else
        ds.FieldByName("V").SetValue(c.values[i]);
      ds.Post();
    }
    ds.SetIndexFieldNames("V");
    EXPECT_EQ(IndexOrder(ds), c.expected);
  }
}

// Equal first fields leave the second to decide; equal whole keys keep the
// order of arrival, over enough rows that the sort's own order would show.
TEST(IndexOrder, TiesKeepTheirOrderOverManyRows) {
  TClientDataSet ds;
  ds.FieldDefs().Add("N", ftInteger);
  ds.FieldDefs().Add("KIND", ftString, 1);
  ds.FieldDefs().Add("RATE", ftFloat);
  ds.CreateDataSet();
  const int rows = 2000;
  for (int i = 0; i < rows; ++i) {
    ds.Append();
    ds.FieldByName("N").SetAsInteger(i);
    ds.FieldByName("KIND").SetAsString((i * 7) % 3 == 0 ? "T" : "F");
    ds.FieldByName("RATE").SetAsFloat((i * 13) % 5);
    ds.Post();
  }
  ds.SetIndexFieldNames("KIND;RATE");
  std::vector<std::vector<int>> expected(10);
  for (int i = 0; i < rows; ++i) {
    const int group = ((i * 7) % 3 == 0 ? 5 : 0) + (i * 13) % 5;
    expected[static_cast<size_t>(group)].push_back(i);
  }
  std::vector<int> flat;
  for (const std::vector<int>& group : expected) flat.insert(flat.end(), group.begin(), group.end());
  EXPECT_EQ(IndexOrder(ds), flat);
}

}  // namespace
}  // namespace mdx
