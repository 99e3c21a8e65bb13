// Indexes (named and by field names), their storage in packets, and Locate.
#include <gtest/gtest.h>

#include <random>

#include "dataset/dataset_test_util.h"
#include "dataset/packet_bytes.h"
#include "mdx00200/dataset.h"
#include "mdx00200/format_settings.h"

namespace mdx {
namespace {

using test::Column;
using test::DatabaseErrorOf;
using Codes = std::vector<std::string>;

void MakeRates(TClientDataSet& ds) {
  ds.FieldDefs().Add("CDALIQIMPFIS", ftString, 10);
  ds.FieldDefs().Add("VRALIQIMPFIS", ftFloat);
  ds.FieldDefs().Add("IDALIQIMPFIS", ftString, 1);
  ds.IndexDefs().Add("IdxIdAliqVrAliq", "IDALIQIMPFIS;VRALIQIMPFIS");
  ds.CreateDataSet();
  const struct {
    const char* code;
    double rate;
    const char* kind;
  } rows[] = {{"T1800", 18, "T"}, {"S0500", 5, "S"}, {"T0700", 7, "T"}, {"F", 0, "F"},
              {"T1200", 12, "T"}, {"T0700b", 7, "T"}, {"X", 3, ""}};
  for (const auto& r : rows) {
    ds.Append();
    ds.FieldByName("CDALIQIMPFIS").SetAsString(r.code);
    ds.FieldByName("VRALIQIMPFIS").SetAsFloat(r.rate);
    ds.FieldByName("IDALIQIMPFIS").SetAsString(r.kind);
    ds.Post();
  }
}

TEST(Index, NamedIndexOrdersByKindThenRate) {
  TClientDataSet ds("cdsAliqImpFis");
  MakeRates(ds);
  ds.SetIndexName("IdxIdAliqVrAliq");
  // Null kind first; equal keys keep the order they came in.
  EXPECT_EQ(Column(ds, "CDALIQIMPFIS"), (Codes{"X", "F", "S0500", "T0700", "T0700b", "T1200", "T1800"}));
  ds.SetIndexName("");
  EXPECT_EQ(Column(ds, "CDALIQIMPFIS")[0], "T1800");
  ds.SetIndexFieldNames("VRALIQIMPFIS");
  EXPECT_EQ(ds.IndexName(), "");
  EXPECT_EQ(Column(ds, "CDALIQIMPFIS")[0], "F");
  ds.SetIndexName("IdxIdAliqVrAliq");
  EXPECT_EQ(ds.IndexFieldNames(), "");
}

TEST(Index, PostingKeepsTheOrderAndTheCurrentRecord) {
  TClientDataSet ds;
  MakeRates(ds);
  ds.SetIndexName("IdxIdAliqVrAliq");
  ASSERT_TRUE(ds.Locate("CDALIQIMPFIS", "T1800"));
  ds.SetIndexName("DEFAULT_ORDER");  // switching keeps the current record
  EXPECT_EQ(ds.FieldByName("CDALIQIMPFIS").AsString(), "T1800");
  ds.SetIndexName("IdxIdAliqVrAliq");
  ds.Edit();
  ds.FieldByName("VRALIQIMPFIS").SetAsFloat(1);  // moves before T0700
  ds.Post();
  EXPECT_EQ(ds.FieldByName("CDALIQIMPFIS").AsString(), "T1800");
  EXPECT_EQ(ds.RecNo(), 4);
  ds.Append();
  ds.FieldByName("CDALIQIMPFIS").SetAsString("S0100");
  ds.FieldByName("VRALIQIMPFIS").SetAsFloat(1);
  ds.FieldByName("IDALIQIMPFIS").SetAsString("S");
  ds.Post();
  EXPECT_EQ(ds.RecNo(), 3);
  EXPECT_EQ(Column(ds, "CDALIQIMPFIS"), (Codes{"X", "F", "S0100", "S0500", "T1800", "T0700", "T0700b", "T1200"}));
}

TEST(Index, CaseInsensitiveIndex) {
  TClientDataSet ds;
  ds.FieldDefs().Add("NM", ftString, 5);
  ds.IndexDefs().Add("idxNm", "NM", {ixCaseInsensitive});
  ds.CreateDataSet();
  for (const char* name : {"b", "A", "a", "B", "\xE9", "\xC9"}) {  // é, É
    ds.Append();
    ds.FieldByName("NM").SetAsString(name);
    ds.Post();
  }
  ds.SetIndexFieldNames("NM");
  EXPECT_EQ(Column(ds, "NM"), (Codes{"A", "B", "a", "b", "\xC9", "\xE9"}));
  ds.SetIndexName("idxNm");
  EXPECT_EQ(Column(ds, "NM"), (Codes{"A", "a", "b", "B", "\xE9", "\xC9"}));
  EXPECT_NE(DatabaseErrorOf([&] { ds.IndexDefs().Add("idxU", "NM", {ixUnique}); }).find("only the case-insensitive"),
            std::string::npos);
}

TEST(Index, DefinitionsTravelInThePacket) {
  using namespace packet_bytes;
  TClientDataSet ds;
  ds.FieldDefs().Add("A", ftString, 3);
  ds.FieldDefs().Add("B", ftInteger);
  ds.IndexDefs().Add("idxAB", "A;B");
  ds.IndexDefs().Add("idxA", "A", {ixCaseInsensitive});
  ds.CreateDataSet();
  ds.IndexDefs().Add("idxB", "B");
  ds.IndexDefs().Add("idxGone", "A;Z");  // names a field this structure lacks: not stored

  // The MDX_INDEXDEFS property: varying bytes (0x4B) with a 4-byte length.
  const Bytes body = U16(1) + U16(3) + Name("idxAB") + U16(3) + Raw("A;B") + U16(0) + Name("idxA") + U16(1) +
                     Raw("A") + U16(1) + Name("idxB") + U16(1) + Raw("B") + U16(0);
  const Bytes indexProp = Name("MDX_INDEXDEFS") + U16(4) + U16(0x4B) + U32(uint32_t(body.size())) + body;
  const auto expected = Packet(2, 0, Field("A", 1, 0x49, 0, Props({WidthProp(3)})) + Field("B", 4, 0x01),
                               Props({LcidProp(), indexProp}), {});
  EXPECT_EQ(ds.Data().ByteData(), expected);

  TClientDataSet other;
  other.IndexDefs().Add("idxOwn", "B");
  other.SetData(Variant::Bytes(expected));
  ASSERT_EQ(other.IndexDefs().Count(), 3);
  EXPECT_EQ(other.IndexDefs()[0].Name, "idxAB");
  EXPECT_EQ(other.IndexDefs()[0].Fields, "A;B");
  EXPECT_TRUE(other.IndexDefs()[1].Options.Contains(ixCaseInsensitive));
  EXPECT_EQ(other.IndexDefs().Find("idxOwn"), nullptr);
  other.SetIndexName("idxB");

  // A packet without definitions keeps the dataset's own (a module dataset
  // that gets its data from the host).
  TClientDataSet plain;
  plain.FieldDefs().Add("A", ftString, 3);
  plain.FieldDefs().Add("B", ftInteger);
  plain.CreateDataSet();
  TClientDataSet host;
  host.IndexDefs().Add("idxOwn", "B");
  host.SetIndexName("idxOwn");
  host.SetData(plain.Data());
  EXPECT_EQ(host.IndexDefs().Count(), 1);
  EXPECT_EQ(host.IndexName(), "idxOwn");
}

class Locating : public ::testing::Test {
 protected:
  void SetUp() override {
    FormatSettings() = BrazilianFormatSettings();
    test::MakeReceb(ds, {{"1", "5", "01", "DINHEIRO"},
                         {"2", "5", "", "Cheque"},
                         {"3", "4", "02", "CARTAO"},
                         {"4", "5", "01", "TICKET"}});
  }
  std::string Code() { return ds.FieldByName("CDTIPORECE").AsString(); }

  FormatSettingsGuard settings;
  TClientDataSet ds{"cdsReceb"};
};

TEST_F(Locating, OneOrMoreFieldsAndOptions) {
  EXPECT_TRUE(ds.Locate("CDFPIMPFIS", "02"));
  EXPECT_EQ(Code(), "3");
  EXPECT_TRUE(ds.Locate("CDFPIMPFIS", "01"));  // the first match in the view
  EXPECT_EQ(Code(), "1");
  EXPECT_TRUE(ds.Locate("IDTPBUTTON;CDFPIMPFIS", VarArrayOf({"5", "01"})));
  EXPECT_EQ(Code(), "1");
  EXPECT_TRUE(ds.Locate("CDFPIMPFIS;DSIMPFISCAL", VarArrayOf({"01", "TICKET"})));
  EXPECT_EQ(Code(), "4");
  EXPECT_FALSE(ds.Locate("DSIMPFISCAL", "cheque"));
  EXPECT_EQ(Code(), "4");  // not found: stays put
  EXPECT_TRUE(ds.Locate("DSIMPFISCAL", "cheque", {loCaseInsensitive}));
  EXPECT_EQ(Code(), "2");
  EXPECT_TRUE(ds.Locate("DSIMPFISCAL", "CAR", {loPartialKey}));
  EXPECT_EQ(Code(), "3");
  EXPECT_TRUE(ds.Locate("DSIMPFISCAL", "tic", {loPartialKey, loCaseInsensitive}));
  EXPECT_EQ(Code(), "4");
  EXPECT_TRUE(ds.Locate("CDFPIMPFIS", Variant::Null()));
  EXPECT_EQ(Code(), "2");
  EXPECT_TRUE(ds.Locate("CDFPIMPFIS", ""));  // an empty key is null, as the field's empty text is
  EXPECT_EQ(Code(), "2");
  EXPECT_TRUE(ds.Locate("CDTIPORECE", 4));  // converted to the field's kind
  EXPECT_EQ(Code(), "4");
}

TEST_F(Locating, KeysConvertToTheFieldKind) {
  TClientDataSet rates;
  MakeRates(rates);
  EXPECT_TRUE(rates.Locate("VRALIQIMPFIS", "12,00"));
  EXPECT_EQ(rates.FieldByName("CDALIQIMPFIS").AsString(), "T1200");
  EXPECT_TRUE(rates.Locate("VRALIQIMPFIS", 7));
  EXPECT_EQ(rates.FieldByName("CDALIQIMPFIS").AsString(), "T0700");
  EXPECT_THROW(rates.Locate("VRALIQIMPFIS", "doze"), Exception);
}

// Locate takes shortcuts (the active index, a sorted copy of the view after
// repeated searches); whatever happens in between, it finds what a plain walk
// over the view finds.
TEST(LocateShortcuts, AgreeWithAWalkOverTheView) {
  TClientDataSet ds;
  ds.FieldDefs().Add("K", ftString, 2);
  ds.FieldDefs().Add("N", ftInteger);
  ds.CreateDataSet();
  std::mt19937 random(7);
  auto key = [&] { return std::string(1, char('a' + random() % 6)) + (random() % 2 ? "x" : "X"); };
  for (int i = 0; i < 200; ++i) {
    ds.Append();
    ds.FieldByName("K").SetAsString(key());
    ds.FieldByName("N").SetAsInteger(int(random() % 5));
    ds.Post();
  }
  for (int step = 0; step < 3000; ++step) {
    const int op = int(random() % 10);
    if (op == 0 && !ds.IsEmpty()) {
      ds.SetRecNo(int(random() % ds.RecordCount()) + 1);
      ds.Edit();
      ds.FieldByName("K").SetAsString(key());
      ds.Post();
    } else if (op == 1) {
      ds.Append();
      ds.FieldByName("K").SetAsString(key());
      ds.FieldByName("N").SetAsInteger(int(random() % 5));
      ds.Post();
    } else if (op == 2 && !ds.IsEmpty()) {
      ds.SetRecNo(int(random() % ds.RecordCount()) + 1);
      ds.Delete();
    } else if (op == 3) {
      const char* orders[] = {"", "K", "K;N", "N"};
      ds.SetIndexFieldNames(orders[random() % 4]);
    } else if (op == 4) {
      ds.SetFilter("N <> " + std::to_string(random() % 5));
      ds.SetFiltered(random() % 2);
    } else {
      const std::string wanted = key();
      const bool caseless = random() % 3 == 0;
      const bool twoFields = random() % 3 == 0;
      const int n = int(random() % 5);
      int expected = -1;
      int recNo = 0;
      for (ds.First(); !ds.Eof(); ds.Next()) {
        ++recNo;
        const std::string k = ds.FieldByName("K").AsString();
        const bool same = caseless ? SameText(k, wanted) : k == wanted;
        if (same && (!twoFields || ds.FieldByName("N").AsInteger() == n)) {
          expected = recNo;
          break;
        }
      }
      const TLocateOptions options = caseless ? TLocateOptions{loCaseInsensitive} : TLocateOptions{};
      // Searching twice takes the sorted shortcut the second time.
      for (int again = 0; again < 2; ++again) {
        ds.First();
        const bool found = twoFields ? ds.Locate("K;N", VarArrayOf({wanted, n}), options)
                                     : ds.Locate("K", wanted, options);
        ASSERT_EQ(found, expected > 0) << "step " << step << " key " << wanted;
        if (!found) continue;
        ASSERT_EQ(ds.RecNo(), expected) << "step " << step << " key " << wanted;
      }
    }
  }
}

}  // namespace
}  // namespace mdx
