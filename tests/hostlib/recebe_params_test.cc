// Reading one value of a parameter record by name.
#include <gtest/gtest.h>

#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"

namespace {

using mdx::AnsiString;
using mdx::Variant;
using Xop_korvana::RecebeParams;

Variant Pair(const char* name, const Variant& value) { return mdx::VarArrayOf({name, value}); }

Variant SessionRecord() {
  return mdx::VarArrayOf({Pair("CDFILIAL", "0001"), Pair("CDCAIXA", 12), Pair("BOUTILTAA", true),
                          Pair("ESQUEMA", Variant::Null()), Pair("CDFILIAL", "second")});
}

TEST(RecebeParams, ReturnsTheValuePairedWithTheNameWhateverItsCase) {
  Variant record = SessionRecord();
  EXPECT_EQ(RecebeParams(record, "CDFILIAL"), Variant("0001"));  // the first pair wins
  EXPECT_EQ(RecebeParams(record, "cdCaixa"), Variant(12));
  EXPECT_EQ(RecebeParams(record, "boutiltaa"), Variant(true));
  EXPECT_TRUE(RecebeParams(record, "ESQUEMA").IsNull());
}

TEST(RecebeParams, ReadsRecordsWithAnyLowBoundAndSkipsCellsThatAreNoPairs) {
  Variant record = mdx::VarArrayCreate(3, 6);
  record[3] = "not a pair";
  record[4] = mdx::VarArrayOf({"ONLYNAME"});
  Variant pair = mdx::VarArrayCreate(1, 2);
  pair[1] = "NRSERIEIMP";
  pair[2] = "SW123";
  record[5] = pair;
  record[6] = Pair("CDPORTAIMPFIS", "COM2");
  EXPECT_EQ(RecebeParams(record, "NRSERIEIMP"), Variant("SW123"));
  EXPECT_EQ(RecebeParams(record, "CDPORTAIMPFIS"), Variant("COM2"));
}

// The message reaches the operator after the parameter-error text, so it must
// name the parameter and, for a record that is none, what came instead.
TEST(RecebeParams, MissingNameOrNoRecordRaisesAClearError) {
  struct Case {
    Variant record;
    const char* name;
    const char* extra;  // expected in the message besides the name
  };
  const Case cases[] = {
      {SessionRecord(), "CDPORTAIMPFIS", ""},
      {mdx::VarArrayOf({}), "CDFILIAL", ""},
      {Variant::Null(), "CDFILIAL", "Null"},
      {Variant(), "CDFILIAL", "vetor"},
      {Variant("CDFILIAL"), "CDFILIAL", "String"},
  };
  for (const Case& c : cases) {
    try {
      RecebeParams(c.record, c.name);
      ADD_FAILURE() << "no error for " << c.name << " in a " << c.record.TypeName();
    } catch (const mdx::Exception& e) {
      AnsiString message = e.what();
      EXPECT_NE(message.find(AnsiString("Par\xE2metro '") + c.name + "' n\xE3o encontrado"), AnsiString::npos)
          << message;
      EXPECT_NE(message.find(c.extra), AnsiString::npos) << message;
    }
  }
}

}  // namespace
