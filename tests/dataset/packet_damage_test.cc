// Damaged and hostile packets: each is refused with EDatabaseError and a
// message that says what is wrong, and the dataset keeps what it had.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dataset/packet_bytes.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"

namespace mdx {
namespace {

using namespace packet_bytes;

Bytes TwoFields() { return Field("A", 1, 0x49, 0, Props({WidthProp(3)})) + Field("B", 4, 0x01); }
Bytes Rec(uint8_t status, const std::string& a, int32_t b) { return U8(status) + U8(0) + Var1(a) + I32(b); }

std::vector<uint8_t> Baseline() {
  return Packet(2, 2, TwoFields(), Props({LcidProp()}), Rec(0, "AAA", 1) + Rec(0, "BBB", 2));
}

// A header with the given counts and header size, followed by body.
std::vector<uint8_t> RawHeader(uint16_t fields, int32_t records, uint16_t headerSize, const Bytes& body) {
  return (Hex("96 19 E0 BD") + I32(1) + I32(24) + U16(fields) + I32(records) + I32(3) + U16(headerSize) + body).b;
}

std::vector<uint8_t> OneField(const Bytes& field, const Bytes& records, int32_t count = 1) {
  return Packet(1, count, field, Props({}), records);
}

Bytes IndexDefsProp(const Bytes& body) { return Name("MDX_INDEXDEFS") + U16(4) + U16(0x4B) + U32(uint32_t(body.size())) + body; }

struct BadPacket {
  const char* what;
  std::vector<uint8_t> bytes;
  const char* message;
};

std::vector<BadPacket> BadPackets() {
  const Bytes text = Field("A", 1, 0x49, 0, Props({WidthProp(3)}));
  const Bytes date = Field("D", 4, 0x06);
  std::vector<uint8_t> badSignature = Baseline();
  badSignature[0] = 0x97;
  std::vector<uint8_t> headerPastEnd = Baseline();
  headerPastEnd[22] = 0xFF;
  headerPastEnd[23] = 0x7F;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<uint8_t> baseline = Baseline();
  return {
      {"empty", {}, "truncated in the header"},
      {"bad signature", badSignature, "bad signature"},
      {"cut header", std::vector<uint8_t>(baseline.begin(), baseline.begin() + 10), "truncated in the header"},
      {"no fields", RawHeader(0, 0, 26, U16(0)), "no fields"},
      {"field count past the end", RawHeader(65535, 0, 40, U16(0)), "claims 65535 fields"},
      {"negative record count", RawHeader(1, -1, 40, text + U16(0)), "negative record count"},
      {"record count past the end", Packet(1, 0x7FFFFFFF, text, Props({}), Rec(0, "A", 0)), "claims 2147483647 records"},
      {"header size below metadata", RawHeader(1, 0, 30, text + U16(0)), "header size 30"},
      {"header size past the end", headerPastEnd, "points past the end"},
      {"property count past the end", OneField(Name("A") + U16(4) + U16(1) + U16(0) + U16(60000), {}, 0),
       "claims 60000 properties"},
      {"field length prefix of 3", OneField(Field("A", 3, 0x49), {}, 0), "length prefix of 3"},
      {"property length prefix of 3",
       Packet(1, 0, Field("A", 4, 0x01), Props({Name("P") + U16(3) + U16(0x49) + U8(0)}), {}),
       "property 'P' has a length prefix of 3"},
      {"array property past the end",
       Packet(1, 0, Field("A", 4, 0x01), Props({Name("P") + U16(2) + U16(0x82) + I32(0x7FFFFFFF)}), {}),
       "claims 2147483647 elements"},
      {"unsupported type", OneField(Field("ADT", 0, 0x0C), {}, 0), "type this dataset does not support"},
      {"array field", OneField(Field("ARR", 4, 0x81), {}, 0), "type this dataset does not support"},
      {"empty field name", OneField(Field("", 4, 0x01), {}, 0), "empty name"},
      {"duplicate field", Packet(2, 0, Field("A", 4, 0x01) + Field("a", 4, 0x01), Props({}), {}),
       "duplicate field name 'a'"},
      {"string width 0", OneField(Field("A", 1, 0x49, 0, Props({WidthProp(0)})), {}, 0), "has width 0"},
      {"field status 3", OneField(text, U8(0) + U8(0x03)), "has status 3"},
      {"not changed outside a modification", OneField(text, U8(0) + U8(0x02)), "marked unchanged"},
      {"modification first", OneField(text, U8(0x08) + U8(0x02)), "without the record it changes"},
      {"date 0", OneField(date, U8(0) + U8(0) + I32(0)), "invalid date 0"},
      {"time past midnight", OneField(Field("T", 4, 0x07), U8(0) + U8(0) + I32(86400000)), "invalid time"},
      {"date-time NaN", OneField(Field("S", 8, 0x08), U8(0) + U8(0) + F64(nan)), "invalid date-time"},
      {"date-time huge", OneField(Field("S", 8, 0x08), U8(0) + U8(0) + F64(1e300)), "invalid date-time"},
      {"odd wide text", OneField(Field("W", 2, 0x4A, 0, Props({WidthProp(4)})), U8(0) + U8(0) + Var2("abc")),
       "odd byte length"},
      {"value past the end", OneField(text, U8(0) + U8(0) + U8(200) + Raw("abc")), "truncated in a value"},
      {"index definitions cut",
       Packet(1, 0, text, Props({IndexDefsProp(U16(1) + U16(1) + Name("idx"))}), {}),
       "index definitions are damaged"},
      {"index definitions of an unknown version",
       Packet(1, 0, text, Props({IndexDefsProp(U16(9) + U16(0))}), {}), "layout version 9"},
      {"index on a missing field",
       Packet(1, 0, text, Props({IndexDefsProp(U16(1) + U16(1) + Name("idx") + U16(1) + Raw("Z") + U16(0))}), {}),
       "Field 'Z' not found"},
  };
}

TEST(PacketDamage, RefusedWithAClearMessageAndNothingChanges) {
  for (const BadPacket& bad : BadPackets()) {
    TClientDataSet ds("cdsBase");
    ds.SetData(AsPacket(Baseline()));
    ds.Next();
    try {
      ds.SetData(AsPacket(bad.bytes));
      ADD_FAILURE() << bad.what << ": loaded";
    } catch (const EDatabaseError& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("cdsBase: ", 0), 0u) << bad.what << ": " << message;
      EXPECT_NE(message.find(bad.message), std::string::npos) << bad.what << ": " << message;
    }
    ASSERT_TRUE(ds.Active()) << bad.what;
    EXPECT_EQ(ds.RecordCount(), 2) << bad.what;
    EXPECT_EQ(ds.FieldByName("A").AsString(), "BBB") << bad.what;  // still on the second record
  }
}

TEST(PacketDamage, NotAPacket) {
  TClientDataSet ds("cdsX");
  EXPECT_THROW(ds.SetData(Variant("text")), EDatabaseError);
  ds.SetData(AsPacket(Baseline()));
  ds.SetData(Variant::Null());  // Null closes, as on the platform
  EXPECT_FALSE(ds.Active());
}

// Packets of every kind the dataset knows: hand-made ones (including the
// change-log form) and one the dataset writes with index definitions.
std::vector<std::vector<uint8_t>> Fixtures() {
  std::vector<std::vector<uint8_t>> fixtures;
  fixtures.push_back(Baseline());
  fixtures.push_back(Packet(2, 5, TwoFields(), Props({LcidProp()}),
                            Rec(0, "AAA", 1) + Rec(0x01, "BBB", 2) + U8(0x08) + U8(0x02) + I32(20) +
                                Rec(0x02, "CCC", 3) + Rec(0x04, "DDD", 4)));
  TClientDataSet ds;
  const TFieldType types[] = {ftString,   ftWideString, ftSmallint, ftInteger, ftWord,
                              ftBoolean,  ftFloat,      ftCurrency, ftDate,    ftTime,
                              ftDateTime, ftMemo,       ftBlob,     ftLargeint, ftBytes};
  int n = 0;
  for (TFieldType type : types) {
    const bool sized = type == ftString || type == ftWideString || type == ftBytes;
    ds.FieldDefs().Add("F" + std::to_string(n++), type, sized ? 5 : 0);
  }
  ds.IndexDefs().Add("idx", "F0;F3", {ixCaseInsensitive});
  ds.CreateDataSet();
  ds.SetLogChanges(false);
  for (int row = 0; row < 2; ++row) {
    ds.Append();
    for (int f = 0; f < ds.FieldCount(); ++f) {
      if (row == 1 && f % 2 == 0) continue;  // nulls in the second row
      TField& field = ds.Fields(f);
      switch (field.DataType()) {
        case ftBoolean:
          field.SetAsBoolean(true);
          break;
        case ftString:
        case ftWideString:
        case ftMemo:
        case ftBlob:
        case ftBytes:
          field.SetAsString("ab");
          break;
        default:
          field.SetAsFloat(30000.25);  // fits a smallint, and is a date
      }
    }
    ds.Post();
  }
  fixtures.push_back(ds.Data().ByteData());
  return fixtures;
}

// Loads or refuses with EDatabaseError; whatever loads can be read, written
// and loaded again.
void LoadsOrRefuses(TClientDataSet& ds, const std::vector<uint8_t>& bytes, const std::string& what) {
  try {
    ds.SetData(AsPacket(bytes));
  } catch (const EDatabaseError&) {
    return;
  } catch (const std::exception& e) {
    ADD_FAILURE() << what << ": " << e.what();
    return;
  }
  for (ds.First(); !ds.Eof(); ds.Next())
    for (int f = 0; f < ds.FieldCount(); ++f) (void)ds.Fields(f).Value();
  const Variant again = ds.Data();
  TClientDataSet copy;
  copy.SetData(again);
  EXPECT_EQ(copy.RecordCount(), ds.RecordCount()) << what;
}

TEST(PacketDamage, MutationsLoadOrRaiseDatabaseError) {
  for (const std::vector<uint8_t>& fixture : Fixtures()) {
    TClientDataSet ds;
    for (size_t cut = 0; cut < fixture.size(); ++cut)
      LoadsOrRefuses(ds, std::vector<uint8_t>(fixture.begin(), fixture.begin() + cut), "cut at " + std::to_string(cut));
    for (size_t at = 0; at < fixture.size(); ++at) {
      std::vector<uint8_t> mutated = fixture;
      for (int bit = 0; bit < 8; ++bit) {
        mutated[at] = uint8_t(fixture[at] ^ (1u << bit));
        LoadsOrRefuses(ds, mutated, "bit " + std::to_string(bit) + " of byte " + std::to_string(at));
      }
      for (uint8_t value : {0x00, 0x7F, 0x80, 0xFF}) {
        mutated[at] = value;
        LoadsOrRefuses(ds, mutated, "byte " + std::to_string(at) + " set");
      }
      std::vector<uint8_t> grown = fixture;
      grown.insert(grown.begin() + static_cast<std::ptrdiff_t>(at), {0xFF, 0x00, 0x7F});
      LoadsOrRefuses(ds, grown, "bytes inserted at " + std::to_string(at));
    }
    std::vector<uint8_t> extended = fixture;
    extended.resize(fixture.size() + 64, 0xAB);
    LoadsOrRefuses(ds, extended, "extended");
  }
}

}  // namespace
}  // namespace mdx
