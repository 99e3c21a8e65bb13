// VendaItem as a host calls it: the item frames on the wire, the questions
// after a refusal, and values refused before anything is sent.
#include <gtest/gtest.h>

#include "coupon/sale_fixture.h"

namespace mdx::test {
namespace {

const AnsiString kNotResponding = "Impressora n\xE3o responde. Imprimir novamente?";
const AnsiString kItemQuestion =
    "Erro ao imprimir o item: \r\n789 - CAFE EXTRA FORTE MOI\r\nDeseja imprimir novamente?";

struct Item {
  double quantity = 2;
  double price = 3.5;
  double discount = 0;
  double surcharge = 0;
  AnsiString name = "CAFE EXTRA FORTE MOIDO 500G";
  AnsiString tefMode = "N";
  bool tefInUse = false;
};

class ItemSaleTest : public SaleTest {
 protected:
  void SetUp() override {
    SaleTest::SetUp();
    Script().Accept({"01", "02", "60"});
  }

  static Variant ItemRecord(const Item& item) {
    return Record({{"ESQUEMACOR", "007"},
                   {"INTTEFERRO", 0},
                   {"MESA", "12"},
                   {"CDARVPROD", "789"},
                   {"NMPROD", item.name},
                   {"CDALIQ", "T18"},
                   {"QTDE", item.quantity},
                   {"VALOR", item.price},
                   {"DESCONT", item.discount},
                   {"UNIDADE", "KG"},
                   {"IDUTILTEF", item.tefMode},
                   {"UTILTEF", item.tefInUse},
                   {"ACRESCIMO", item.surcharge}});
  }
};

TEST_F(ItemSaleTest, ItemWithDiscountAndSurchargeOnTheWire) {
  Item item;
  item.name = "CAFE";
  item.discount = 0.5;
  item.surcharge = 0.259;  // truncated, not rounded
  Variant record = ItemRecord(item);
  EXPECT_TRUE(VendaItem(record));
  // An attended till reads the register each command moves before it, to
  // tell a lost reply from a command that never ran.
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{
                          ".271}",
                          ".01" "0000000000789" "0002000" "000000350" "000000000700"
                          "?KGCAFE                 " "T18}",
                          ".271}",
                          ".02" "0000" "000000000050}",
                          ".271}",
                          ".60" "0000" "000000000025}",
                      }));
  EXPECT_EQ(Names(record), (std::vector<AnsiString>{"INTTEFERRO", "MENSAGEMTAA"}));
  EXPECT_EQ(Value(record, "INTTEFERRO"), Variant(0));
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(ItemSaleTest, NoDiscountNoSurchargeSendsOnlyTheItem) {
  Variant record = ItemRecord(Item{});
  EXPECT_TRUE(VendaItem(record));
  ASSERT_EQ(Frames().size(), 2u);
  EXPECT_EQ(Frames()[1].substr(0, 3), ".01");
  // A self-service till never sends an item again, so it reads no register.
  NUtilTaa() = false;
  ForgetFrames();
  record = ItemRecord(Item{});
  EXPECT_TRUE(VendaItem(record));
  ASSERT_EQ(Frames().size(), 1u);
  EXPECT_EQ(Frames()[0].substr(0, 3), ".01");
}

TEST_F(ItemSaleTest, RefusedItemAsksTheItemQuestion) {
  Script().Refuse("01");
  host_->Answer({true});
  Variant record = ItemRecord(Item{});
  EXPECT_TRUE(VendaItem(record));
  EXPECT_EQ(FramesOf(".01").size(), 2u);
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_EQ(host_->dialogs[0].text, kItemQuestion);
  EXPECT_EQ(host_->dialogs[0].kind, tmErro);
  EXPECT_EQ(host_->dialogs[0].option2, "S");
  EXPECT_EQ(host_->dialogs[0].scheme, "007");
}

TEST_F(ItemSaleTest, TefTillAsksWhetherToPrintAgain) {
  Item item;
  item.tefMode = "T";
  item.tefInUse = true;
  Script().Refuse("01");
  host_->Answer({true});
  Variant record = ItemRecord(item);
  EXPECT_TRUE(VendaItem(record));
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{kNotResponding});
  EXPECT_EQ(Value(record, "INTTEFERRO"), Variant(1));

  // A no leaves the record and boClieUtil as they were.
  Script().Refuse("01");
  host_->Answer({false});
  record = ItemRecord(item);
  const Variant sent = record;
  EXPECT_FALSE(VendaItem(record));
  EXPECT_EQ(record, sent);
  EXPECT_TRUE(ClieUtil());
}

// Failures after which the host decides: the record comes back untouched and
// boClieUtil is false.
TEST_F(ItemSaleTest, GivingUpReturnsFalseWithTheRecordAsSent) {
  struct Case {
    const char* name;
    const char* refused;
    bool attended;
    Item item;
    size_t frames;
  } cases[] = {
      // An attended till reads a register before each command.
      {"no to the item question", "01", true, Item{}, 2},
      {"self-service refusal", "01", false, Item{}, 1},
      {"refused discount, answered no", "02", true, Item{2, 3.5, 1, 0}, 4},
      {"refused surcharge on a self-service terminal", "60", false, Item{2, 3.5, 0, 1}, 2},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    host_->dialogs.clear();
    NUtilTaa() = c.attended;
    ClieUtil() = true;
    Script().Refuse(c.refused);
    host_->Answer({false});
    const size_t before = Frames().size();
    Variant record = ItemRecord(c.item);
    const Variant sent = record;
    EXPECT_FALSE(VendaItem(record)) << c.name;
    EXPECT_EQ(record, sent) << c.name;
    EXPECT_FALSE(ClieUtil()) << c.name;
    EXPECT_EQ(Frames().size() - before, c.frames) << c.name;
    EXPECT_EQ(host_->dialogs.size(), c.attended ? 1u : 0u) << c.name;
    host_->answers.clear();
  }
}

// Values that do not fit their fields never reach the printer.
TEST_F(ItemSaleTest, ValuesPastTheirFieldsAreRefusedBeforeSending) {
  struct Case {
    const char* name;
    Item item;
    const char* mentions;
  } cases[] = {
      {"quantity of 10,000", Item{10000, 1}, "QTDE 10000"},
      {"negative quantity", Item{-1, 1}, "QTDE -1"},
      {"unit price of 1,000,000", Item{1, 1000000}, "VALOR 1000000"},
      {"negative price", Item{1, -0.5}, "VALOR -0,5"},
      {"negative discount", Item{1, 1, -1}, "DESCONT -1"},
      {"surcharge past 12 digits", Item{1, 1, 0, 1e10}, "ACRESCIMO"},
  };
  for (const Case& c : cases) {
    for (bool attended : {true, false}) {
      Package().ResetGlobals();
      host_->dialogs.clear();
      NUtilTaa() = attended;
      Variant record = ItemRecord(c.item);
      const Variant sent = record;
      EXPECT_FALSE(VendaItem(record)) << c.name;
      EXPECT_EQ(record, sent);
      EXPECT_TRUE(Frames().empty()) << c.name;
      const AnsiString expected = "Par\xE2metro inv\xE1lido. ";
      EXPECT_EQ(MensagemTaa().rfind(" " + expected, 0), 0u) << MensagemTaa();
      EXPECT_NE(MensagemTaa().find(c.mentions), AnsiString::npos) << MensagemTaa();
      if (attended) {
        ASSERT_EQ(host_->dialogs.size(), 1u) << c.name;
        EXPECT_EQ(" " + host_->dialogs[0].text, MensagemTaa());
        EXPECT_EQ(host_->dialogs[0].kind, tmErro);
      } else {
        EXPECT_TRUE(host_->dialogs.empty()) << c.name;
      }
    }
  }
}

TEST_F(ItemSaleTest, LongProductCodeIsRefusedNotCut) {
  Variant record = ItemRecord(Item{});
  record[3] = VarArrayOf({"CDARVPROD", "12345678901234"});
  EXPECT_FALSE(VendaItem(record));
  EXPECT_TRUE(Frames().empty());
  EXPECT_NE(MensagemTaa().find("12345678901234"), AnsiString::npos);
}

}  // namespace
}  // namespace mdx::test
