// Hex fixtures that pin the data-packet layout: each is decoded through the
// dataset and, where it is in the form a dataset writes, encoded back byte
// for byte.
#include <gtest/gtest.h>

#include <cstdio>

#include "dataset/packet_bytes.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/format_settings.h"

namespace mdx {
namespace {

using namespace packet_bytes;

std::string HexDump(const std::vector<uint8_t>& bytes) {
  std::string out;
  char cell[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(cell, sizeof cell, "%02X", bytes[i]);
    out += cell;
    out += (i % 16 == 15) ? '\n' : ' ';
  }
  return out;
}

// Loads the packet and checks that the dataset writes the same bytes back.
void ExpectRoundTrip(TClientDataSet& ds, const std::vector<uint8_t>& packet) {
  ds.SetData(AsPacket(packet));
  EXPECT_EQ(HexDump(ds.Data().ByteData()), HexDump(packet));
}

TEST(PacketLayout, OneTextField) {
  // Spelled out once in full: every other fixture uses the same helpers.
  const std::vector<uint8_t> packet = (Hex("96 19 E0 BD") + Hex("01 00 00 00") + Hex("18 00 00 00") +
                                       Hex("01 00") +            // one field
                                       Hex("01 00 00 00") +      // one record
                                       Hex("03 00 00 00") +      //
                                       Hex("44 00") +            // records start at 68
                                       Hex("08") + Raw("CDFILIAL") +
                                       Hex("01 00") +            // one-byte length prefix
                                       Hex("49 00") +            // varying single-byte string
                                       Hex("00 00") +            // no attributes
                                       Hex("01 00") + Hex("05") + Raw("WIDTH") + Hex("02 00 02 00 04 00") +
                                       Hex("01 00") + Hex("04") + Raw("LCID") + Hex("04 00 01 00 16 04 00 00") +
                                       Hex("00") + Hex("00") + Hex("02") + Raw("01"))
                                          .b;
  ASSERT_EQ(packet.size(), 68u + 5u);  // record: status, field status, length, "01"
  TClientDataSet ds("cdsFilial");
  ExpectRoundTrip(ds, packet);
  ASSERT_EQ(ds.FieldCount(), 1);
  EXPECT_EQ(ds.Fields(0).FieldName(), "CDFILIAL");
  EXPECT_EQ(ds.Fields(0).DataType(), ftString);
  EXPECT_EQ(ds.Fields(0).Size(), 4);
  EXPECT_EQ(ds.RecordCount(), 1);
  EXPECT_EQ(ds.FieldByName("CDFILIAL").AsString(), "01");

  // A dataset built from definitions writes the same bytes.
  TClientDataSet made;
  made.FieldDefs().Add("CDFILIAL", ftString, 4);
  made.CreateDataSet();
  made.SetLogChanges(false);  // otherwise the appends are logged insertions (0x04)
  made.Append();
  made.FieldByName("CDFILIAL").SetAsString("01");
  made.Post();
  EXPECT_EQ(HexDump(made.Data().ByteData()), HexDump(packet));
}

TEST(PacketLayout, NullAndEmptyText) {
  const Bytes fields = Field("A", 1, 0x49, 0, Props({WidthProp(5)})) + Field("B", 1, 0x49, 0, Props({WidthProp(5)}));
  // Record 1: A null (status 1 at bits 0-1), B "x". Record 2: A "", B null (bits 2-3).
  const Bytes records = U8(0) + U8(0x01) + Var1("x") + U8(0) + U8(0x04) + Var1("");
  const auto packet = Packet(2, 2, fields, Props({LcidProp()}), records);
  TClientDataSet ds;
  ExpectRoundTrip(ds, packet);
  ds.First();
  EXPECT_TRUE(ds.FieldByName("A").IsNull());
  EXPECT_EQ(ds.FieldByName("B").AsString(), "x");
  ds.Next();
  EXPECT_FALSE(ds.FieldByName("A").IsNull());  // an empty text in a packet stays an empty text
  EXPECT_EQ(ds.FieldByName("A").AsString(), "");
  EXPECT_TRUE(ds.FieldByName("B").IsNull());
}

TEST(PacketLayout, WidthAbove255UsesTwoByteLengths) {
  const std::string text(300, 'm');
  const Bytes fields = Field("DSMESSAGEBUT", 2, 0x49, 0, Props({WidthProp(300)}));
  const auto packet = Packet(1, 1, fields, Props({LcidProp()}), U8(0) + U8(0) + Var2(text));
  TClientDataSet ds;
  ExpectRoundTrip(ds, packet);
  EXPECT_EQ(ds.Fields(0).Size(), 300);
  EXPECT_EQ(ds.Fields(0).AsString(), text);

  TClientDataSet made;
  made.FieldDefs().Add("DSMESSAGEBUT", ftString, 300);
  made.CreateDataSet();
  made.SetLogChanges(false);
  made.Append();
  made.Fields(0).SetAsString(text + "cut");  // longer than the width: cut to it
  made.Post();
  EXPECT_EQ(HexDump(made.Data().ByteData()), HexDump(packet));
}

TEST(PacketLayout, NumericAndDateKinds) {
  const Bytes fields = Field("SI", 2, 0x01) + Field("IN", 4, 0x01) + Field("LI", 8, 0x01) + Field("WO", 2, 0x02) +
                       Field("BO", 2, 0x03) + Field("FL", 8, 0x04) +
                       Field("CU", 8, 0x04, 0, Props({SubtypeProp("Money")})) + Field("DA", 4, 0x06) +
                       Field("TI", 4, 0x07) + Field("DT", 8, 0x08);
  const double stampMs = 738900.0 * 86400000.0 + 37815000.0;  // 2024-01-15 10:30:15
  const Bytes values = U16(0xFFFE) + I32(100000) + U64(uint64_t{1} << 40) + U16(65535) + U16(0xFFFF) +
                       F64(1.5) + F64(12.34) + I32(738900) + I32(37815250) + F64(stampMs);
  const Bytes records = U8(0) + U8(0) + U8(0) + U8(0) + values;  // 10 fields: three status bytes
  const auto packet = Packet(10, 1, fields, Props({LcidProp()}), records);
  TClientDataSet ds;
  ExpectRoundTrip(ds, packet);

  const TFieldType types[] = {ftSmallint, ftInteger, ftLargeint, ftWord,  ftBoolean,
                              ftFloat,    ftCurrency, ftDate,    ftTime,  ftDateTime};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(ds.Fields(i).DataType(), types[i]) << ds.Fields(i).FieldName();
  EXPECT_EQ(ds.FieldByName("SI").AsInteger(), -2);
  EXPECT_EQ(ds.FieldByName("IN").AsInteger(), 100000);
  EXPECT_EQ(ds.FieldByName("LI").AsFloat(), 1099511627776.0);
  EXPECT_EQ(ds.FieldByName("WO").AsInteger(), 65535);
  EXPECT_TRUE(ds.FieldByName("BO").AsBoolean());
  EXPECT_EQ(ds.FieldByName("FL").AsFloat(), 1.5);
  EXPECT_EQ(ds.FieldByName("CU").AsFloat(), 12.34);
  EXPECT_EQ(ds.FieldByName("DA").AsDateTime(), EncodeDate(2024, 1, 15));
  EXPECT_EQ(DateTimeToMilliseconds(ds.FieldByName("TI").AsDateTime()), 37815250);
  EXPECT_EQ(DateTimeToMilliseconds(ds.FieldByName("DT").AsDateTime()),
            DateTimeToMilliseconds(EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 15, 0)));

  // The same record made through the fields writes the same bytes.
  TClientDataSet made;
  for (int i = 0; i < 10; ++i) made.FieldDefs().Add(ds.Fields(i).FieldName(), types[i]);
  made.CreateDataSet();
  made.SetLogChanges(false);
  made.Append();
  made.FieldByName("SI").SetAsInteger(-2);
  made.FieldByName("IN").SetAsInteger(100000);
  made.FieldByName("LI").SetAsFloat(1099511627776.0);
  made.FieldByName("WO").SetAsInteger(65535);
  made.FieldByName("BO").SetAsBoolean(true);
  made.FieldByName("FL").SetAsFloat(1.5);
  made.FieldByName("CU").SetAsFloat(12.34);
  made.FieldByName("DA").SetAsDateTime(EncodeDate(2024, 1, 15) + 0.75);  // a date field drops the time
  made.FieldByName("TI").SetAsDateTime(7.0 + EncodeTime(10, 30, 15, 250));  // a time field drops the date
  made.FieldByName("DT").SetAsDateTime(EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 15, 0));
  made.Post();
  EXPECT_EQ(HexDump(made.Data().ByteData()), HexDump(packet));
}

TEST(PacketLayout, VaryingKinds) {
  const Bytes fields = Field("WI", 2, 0x4A, 0, Props({WidthProp(3)})) +
                       Field("ME", 4, 0x4B, 0, Props({SubtypeProp("Text")})) +
                       Field("BL", 4, 0x4B, 0, Props({SubtypeProp("Binary")})) +
                       Field("GR", 4, 0x4B, 0, Props({SubtypeProp("Graphics")}));
  const std::string wide("\xE9\x00" "a\x00", 4);   // "éa" in UTF-16LE
  const std::string blob("\x00\x01\xFF", 3);
  const Bytes records = U8(0) + U8(0) + Var2(wide) + Var4("line 1\r\nline 2") + Var4(blob) + Var4("");
  const auto packet = Packet(4, 1, fields, Props({LcidProp()}), records);
  TClientDataSet ds;
  ExpectRoundTrip(ds, packet);
  EXPECT_EQ(ds.FieldByName("WI").DataType(), ftWideString);
  EXPECT_EQ(ds.FieldByName("WI").AsString(), "\xE9" "a");
  EXPECT_EQ(ds.FieldByName("ME").DataType(), ftMemo);
  EXPECT_EQ(ds.FieldByName("ME").AsString(), "line 1\r\nline 2");
  EXPECT_EQ(ds.FieldByName("BL").DataType(), ftBlob);
  EXPECT_EQ(ds.FieldByName("BL").Value().ByteData(), std::vector<uint8_t>({0, 1, 0xFF}));
  EXPECT_EQ(ds.FieldByName("GR").DataType(), ftGraphic);
}

TEST(PacketLayout, FieldAttributesAndUnknownPropertiesComeBack) {
  // Required and read-only bits; a field property and packet properties this
  // layer does not interpret (an array and a varying one) are written back.
  const Bytes arrayProp = Name("DEFAULT_ORDER") + U16(2) + U16(0x82) + I32(2) + U16(1) + U16(2);
  const Bytes textProp = Name("ORIGIN") + U16(1) + U16(0x49) + U8(4) + Raw("T.A") + U8(0);
  const Bytes fields = Field("A", 4, 0x01, 0x06, Props({textProp})) + Field("B", 4, 0x01);
  const auto packet = Packet(2, 1, fields, Props({arrayProp, LcidProp(0x0409)}), U8(0) + U8(0) + I32(7) + I32(8));
  TClientDataSet ds;
  ExpectRoundTrip(ds, packet);
  EXPECT_TRUE(ds.FieldByName("A").Required());
  EXPECT_TRUE(ds.FieldDefs()[0].Attributes.Contains(faReadonly));
  EXPECT_FALSE(ds.FieldByName("B").Required());
}

// Modified (original 0x01, then 0x08 with "not changed" fields), deleted
// (0x02) and inserted (0x04) records.
Bytes TwoFields() {
  return Field("A", 1, 0x49, 0, Props({WidthProp(3)})) + Field("B", 4, 0x01);
}
Bytes Rec(uint8_t status, const std::string& a, int32_t b) { return U8(status) + U8(0) + Var1(a) + I32(b); }

TEST(PacketLayout, ChangeLogReadsAsTheCurrentView) {
  const Bytes records = Rec(0x00, "AAA", 1) + Rec(0x01, "BBB", 2) +
                        U8(0x08) + U8(0x02) + I32(20) +  // A not changed, B = 20
                        Rec(0x02, "CCC", 3) + Rec(0x04, "DDD", 4);
  const auto logged = Packet(2, 5, TwoFields(), Props({LcidProp()}), records);
  TClientDataSet ds;
  ds.SetData(AsPacket(logged));
  std::vector<std::string> rows;
  for (ds.First(); !ds.Eof(); ds.Next()) rows.push_back(ds.Fields(0).AsString() + "=" + ds.Fields(1).AsString());
  EXPECT_EQ(rows, (std::vector<std::string>{"AAA=1", "BBB=20", "DDD=4"}));
  EXPECT_EQ(ds.ChangeCount(), 0);

  const auto merged = Packet(2, 3, TwoFields(), Props({LcidProp()}),
                             Rec(0, "AAA", 1) + Rec(0, "BBB", 20) + Rec(0, "DDD", 4));
  EXPECT_EQ(HexDump(ds.Data().ByteData()), HexDump(merged));
}

TEST(PacketLayout, ChangeLogIsWrittenWithItsFlags) {
  TClientDataSet ds;
  ds.SetData(AsPacket(Packet(2, 3, TwoFields(), Props({LcidProp()}),
                             Rec(0, "AAA", 1) + Rec(0, "BBB", 2) + Rec(0, "CCC", 3))));
  ASSERT_TRUE(ds.LogChanges());
  ASSERT_TRUE(ds.Locate("A", "BBB"));
  ds.Edit();
  ds.FieldByName("B").SetAsInteger(20);
  ds.Post();
  ASSERT_TRUE(ds.Locate("A", "CCC"));
  ds.Delete();
  ds.Append();
  ds.FieldByName("A").SetAsString("DDD");
  ds.FieldByName("B").SetAsInteger(4);
  ds.Post();
  EXPECT_EQ(ds.ChangeCount(), 3);

  const Bytes records = Rec(0x00, "AAA", 1) + Rec(0x01, "BBB", 2) + U8(0x08) + U8(0x02) + I32(20) +
                        Rec(0x02, "CCC", 3) + Rec(0x04, "DDD", 4);
  const auto expected = Packet(2, 5, TwoFields(), Props({LcidProp()}), records);
  EXPECT_EQ(HexDump(ds.Data().ByteData()), HexDump(expected));

  // With the log off every record is written with status 0.
  ds.SetLogChanges(false);
  const auto plain = Packet(2, 3, TwoFields(), Props({LcidProp()}),
                            Rec(0, "AAA", 1) + Rec(0, "BBB", 20) + Rec(0, "DDD", 4));
  EXPECT_EQ(HexDump(ds.Data().ByteData()), HexDump(plain));
}

TEST(PacketLayout, ChangeLogKeepsOnlyWhatRemains) {
  TClientDataSet ds;
  ds.SetData(AsPacket(Packet(2, 2, TwoFields(), Props({LcidProp()}), Rec(0, "AAA", 1) + Rec(0, "BBB", 2))));
  ds.First();
  ds.Edit();
  ds.FieldByName("B").SetAsInteger(10);
  ds.Post();
  ds.Delete();  // modified, then deleted: the log keeps the loaded values
  ds.Append();
  ds.FieldByName("A").SetAsString("NEW");
  ds.Post();
  ds.Delete();  // inserted, then deleted: no trace
  ds.First();
  ds.Edit();
  ds.FieldByName("A").SetAsString("B2");
  ds.FieldByName("B").Clear();
  ds.Post();
  const Bytes records = Rec(0x02, "AAA", 1) + Rec(0x01, "BBB", 2) + U8(0x08) + U8(0x04) + Var1("B2");  // B null
  EXPECT_EQ(HexDump(ds.Data().ByteData()), HexDump(Packet(2, 3, TwoFields(), Props({LcidProp()}), records)));

  ds.MergeChangeLog();
  EXPECT_EQ(ds.ChangeCount(), 0);
  EXPECT_EQ(ds.FieldByName("A").AsString(), "B2");  // still the current record
  const Bytes merged = U8(0) + U8(0x04) + Var1("B2");
  EXPECT_EQ(HexDump(ds.Data().ByteData()), HexDump(Packet(2, 1, TwoFields(), Props({LcidProp()}), merged)));
}

}  // namespace
}  // namespace mdx
