#include "mdx00200/variant.h"

#include <gtest/gtest.h>

#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"

namespace mdx {
namespace {

TEST(VariantTest, ConversionsToText) {
  FormatSettingsGuard guard;
  struct Case {
    Variant value;
    const char* text;
  } cases[] = {
      {Variant(), ""},
      {Variant(true), "True"},
      {Variant(false), "False"},
      {Variant(42), "42"},
      {Variant(-7), "-7"},
      {Variant(1.5), "1,5"},
      {Variant("abc"), "abc"},
      {Variant(AnsiString("\xE7\xE3o")), "\xE7\xE3o"},
      {Variant(L"a\u00e7"), "a\xE7"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value.AsString(), c.text) << c.value.TypeName();

  FormatSettings().DecimalSeparator = '.';
  EXPECT_EQ(Variant(1.5).AsString(), "1.5");
}

TEST(VariantTest, ConversionsToNumbersAndBool) {
  FormatSettingsGuard guard;
  EXPECT_EQ(Variant().AsDouble(), 0.0);
  EXPECT_EQ(Variant().AsInteger(), 0);
  EXPECT_FALSE(Variant().AsBoolean());
  EXPECT_DOUBLE_EQ(Variant("12,5").AsDouble(), 12.5);
  EXPECT_EQ(Variant(2.5).AsInteger(), 2);  // half to even, as the platform
  EXPECT_EQ(Variant(3.5).AsInteger(), 4);
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_TRUE(Variant("True").AsBoolean());
  EXPECT_TRUE(Variant("true").AsBoolean());
  EXPECT_FALSE(Variant("False").AsBoolean());
  EXPECT_TRUE(Variant(1).AsBoolean());
  EXPECT_THROW(Variant("12.5").AsDouble(), EVariantError);  // dot is no decimal separator here
  EXPECT_THROW(Variant("abc").AsInteger(), EVariantError);
  EXPECT_THROW(Variant("maybe").AsBoolean(), EVariantError);
  EXPECT_THROW(Variant(1e12).AsInteger(), EVariantError);
}

TEST(VariantTest, NullRaisesWhenRead) {
  Variant null = Variant::Null();
  EXPECT_TRUE(null.IsNull());
  EXPECT_THROW(null.AsString(), EVariantError);
  EXPECT_THROW(null.AsDouble(), EVariantError);
  EXPECT_THROW(null.AsInteger(), EVariantError);
  EXPECT_THROW(null.AsBoolean(), EVariantError);
  EXPECT_EQ(VarToStr(null), "");
  try {
    null.AsString();
  } catch (const EVariantError& e) {
    EXPECT_STREQ(e.what(), "Could not convert variant of type (Null) into type (String)");
  }
}

TEST(VariantTest, ArraysHaveBoundsAndValueSemantics) {
  Variant record = VarArrayOf({VarArrayOf({"CDFILIAL", "0001"}), VarArrayOf({"BOUTILTAA", true})});
  ASSERT_TRUE(record.IsArray());
  EXPECT_EQ(record.LowBound(), 0);
  EXPECT_EQ(record.HighBound(), 1);
  EXPECT_EQ(record[1][0].AsString(), "BOUTILTAA");
  EXPECT_TRUE(record[1][1].AsBoolean());

  Variant copy = record;
  copy[0][1] = "0002";  // writing the copy leaves the original as it was
  EXPECT_EQ(record[0][1].AsString(), "0001");
  EXPECT_EQ(copy[0][1].AsString(), "0002");

  Variant cells = VarArrayCreate(1, 3);
  EXPECT_EQ(cells.Count(), 3);
  EXPECT_TRUE(cells[1].IsEmpty());
  cells[3] = 9;
  EXPECT_EQ(cells[3].AsInteger(), 9);
  EXPECT_THROW(cells[0], EVariantError);
  EXPECT_THROW(cells[4], EVariantError);
  EXPECT_THROW(Variant(5)[0], EVariantError);
  cells.Redim(5);
  EXPECT_EQ(cells.HighBound(), 5);
  EXPECT_EQ(cells[3].AsInteger(), 9);
}

TEST(VariantTest, ByteArraysCarryDataPackets) {
  Variant packet = Variant::Bytes({0x96, 0x19, 0xE0, 0xBD});
  EXPECT_TRUE(packet.IsByteArray());
  EXPECT_TRUE(VarIsArray(packet));
  EXPECT_EQ(packet.HighBound(), 3);
  EXPECT_EQ(packet.ByteData()[3], 0xBD);
  Variant copy = packet;
  EXPECT_EQ(copy, packet);
  EXPECT_THROW(Variant("x").ByteData(), EVariantError);
  EXPECT_THROW(packet.AsString(), EVariantError);
}

TEST(VariantTest, DatesReadAsDateTimeAndText) {
  Variant when = Variant::FromDateTime(EncodeDate(2026, 12, 10) + EncodeTime(8, 5, 0, 0));
  EXPECT_EQ(when.Type(), VarType::Date);
  EXPECT_EQ(when.AsString(), "10/12/2026 08:05:00");
  EXPECT_DOUBLE_EQ(Variant("10/12/2026").AsDateTime(), EncodeDate(2026, 12, 10));
  EXPECT_EQ(Variant::FromDateTime(EncodeDate(2026, 1, 2)).AsString(), "02/01/2026");
}

TEST(VariantTest, EqualityNeedsSameKindAndValue) {
  EXPECT_EQ(Variant(1), Variant(1));
  EXPECT_NE(Variant(1), Variant(1.0));
  EXPECT_NE(Variant("1"), Variant(1));
  EXPECT_EQ(Variant::Null(), Variant::Null());
  EXPECT_NE(Variant::Null(), Variant());
  EXPECT_EQ(Variant(static_cast<long long>(1) << 40).Type(), VarType::Double);
}

}  // namespace
}  // namespace mdx
