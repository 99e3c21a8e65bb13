// Opening, closing, navigation and editing of TClientDataSet.
#include <gtest/gtest.h>

#include "dataset/dataset_test_util.h"
#include "mdx00200/dataset.h"

namespace mdx {
namespace {

using test::Column;
using test::DatabaseErrorOf;

void MakeCodes(TClientDataSet& ds, std::initializer_list<const char*> codes) {
  ds.FieldDefs().Clear();
  ds.FieldDefs().Add("CD", ftString, 3);
  ds.FieldDefs().Add("QT", ftInteger);
  ds.CreateDataSet();
  int n = 0;
  for (const char* code : codes) {
    ds.Append();
    ds.FieldByName("CD").SetAsString(code);
    ds.FieldByName("QT").SetAsInteger(++n);
    ds.Post();
  }
}

TEST(DataSetState, WrongStateErrorsNameTheDataSet) {
  TClientDataSet ds("cdsFoo");
  ds.FieldDefs().Add("CD", ftString, 3);
  const struct {
    const char* what;
    std::function<void()> run;
    const char* message;
  } cases[] = {
      {"first when closed", [&] { ds.First(); }, "cdsFoo: Cannot perform this operation on a closed dataset"},
      {"read when closed", [&] { (void)ds.FieldByName("CD").AsString(); }, "closed dataset"},
      {"count when closed", [&] { (void)ds.RecordCount(); }, "closed dataset"},
      {"open without data", [&] { ds.Open(); }, "cdsFoo: Missing data provider or data packet"},
      {"missing field", [&] { ds.FieldByName("NOPE"); }, "cdsFoo: Field 'NOPE' not found"},
      {"create twice", [&] { ds.CreateDataSet(); ds.CreateDataSet(); }, "Cannot perform this operation on an open dataset"},
      {"write in browse", [&] { ds.FieldByName("CD").SetAsString("x"); }, "cdsFoo: Dataset not in edit or insert mode"},
      {"post in browse", [&] { ds.Post(); }, "not in edit or insert mode"},
      {"delete on empty", [&] { ds.Delete(); }, "Cannot perform this operation on an empty dataset"},
      {"unknown index", [&] { ds.SetIndexName("idxNope"); }, "cdsFoo: Index 'idxNope' not found"},
      {"index on missing field", [&] { ds.SetIndexFieldNames("CD;XX"); }, "Field 'XX' not found"},
      {"locate on missing field", [&] { ds.Locate("XX", "1"); }, "Field 'XX' not found"},
      {"locate with too few values", [&] { ds.Locate("CD;CD", "1"); }, "needs an array of 2 values"},
  };
  for (const auto& c : cases) {
    const std::string message = DatabaseErrorOf(c.run);
    EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": \"" << message << "\"";
  }
  TClientDataSet none("cdsNone");
  EXPECT_EQ(DatabaseErrorOf([&] { none.CreateDataSet(); }), "cdsNone: Cannot create a dataset without field definitions");
}

TEST(DataSetState, EmptyDataSetReadsAsNull) {
  TClientDataSet ds;
  MakeCodes(ds, {});
  ds.First();
  EXPECT_TRUE(ds.Bof() && ds.Eof() && ds.IsEmpty());
  EXPECT_EQ(ds.RecNo(), -1);
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "");  // no record: reads as null
  EXPECT_TRUE(ds.FieldByName("QT").IsNull());
}

TEST(DataSetState, WalkForwardAndBack) {
  TClientDataSet ds;
  MakeCodes(ds, {"A", "B", "C"});
  ds.First();
  EXPECT_TRUE(ds.Bof());
  EXPECT_FALSE(ds.Eof());
  EXPECT_EQ(ds.RecNo(), 1);
  ds.Next();
  ds.Next();
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "C");
  EXPECT_FALSE(ds.Eof());
  ds.Next();  // past the end: Eof, still on the last record
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "C");
  ds.Prior();
  EXPECT_FALSE(ds.Eof());
  EXPECT_EQ(ds.RecNo(), 2);
  ds.Last();
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(ds.RecNo(), 3);
  ds.SetRecNo(1);
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "A");
  ds.Prior();
  EXPECT_TRUE(ds.Bof());
  EXPECT_EQ(ds.RecordCount(), 3);
}

TEST(DataSetState, InsertGoesBeforeTheCurrentRecordAppendAtTheEnd) {
  TClientDataSet ds;
  MakeCodes(ds, {"A", "B"});
  ds.Last();  // on B
  ds.Insert();
  EXPECT_EQ(ds.RecNo(), -1);
  ds.FieldByName("CD").SetAsString("X");
  ds.Post();
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "X");  // the new record is current
  EXPECT_EQ(ds.RecNo(), 2);
  ds.First();
  ds.Append();
  ds.FieldByName("CD").SetAsString("Z");
  ds.Post();
  EXPECT_EQ(ds.RecNo(), 4);
  EXPECT_EQ(Column(ds, "CD"), (std::vector<std::string>{"A", "X", "B", "Z"}));
}

TEST(DataSetState, EditPostCancelAndMovingPosts) {
  TClientDataSet ds;
  MakeCodes(ds, {"A", "B"});
  ds.First();
  ds.Edit();
  ds.FieldByName("CD").SetAsString("A2");
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "A2");  // the edit shows while editing
  ds.Cancel();
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "A");

  ds.Edit();
  ds.FieldByName("CD").SetAsString("A3");
  ds.Next();  // moving posts a changed record
  EXPECT_EQ(ds.State(), dsBrowse);
  EXPECT_EQ(Column(ds, "CD"), (std::vector<std::string>{"A3", "B"}));

  ds.First();
  ds.Insert();
  ds.Next();  // nothing was set: the insertion is dropped
  EXPECT_EQ(ds.RecordCount(), 2);
}

TEST(DataSetState, EditOnEmptyInsertsAndRequiredFieldsAreChecked) {
  TClientDataSet ds("cdsReq");
  ds.FieldDefs().Add("CD", ftString, 3, true);
  ds.FieldDefs().Add("DS", ftString, 10);
  ds.CreateDataSet();
  ds.Edit();
  EXPECT_EQ(ds.State(), dsInsert);
  ds.FieldByName("DS").SetAsString("x");
  EXPECT_EQ(DatabaseErrorOf([&] { ds.Post(); }), "cdsReq: Field 'CD' must have a value");
  ds.FieldByName("CD").SetAsString("1");
  ds.Post();
  EXPECT_EQ(ds.RecordCount(), 1);
}

TEST(DataSetState, DeleteMovesToTheNextOrTheNewLast) {
  TClientDataSet ds;
  MakeCodes(ds, {"A", "B", "C", "D"});
  ds.SetRecNo(2);
  ds.Delete();
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "C");
  ds.Last();
  ds.Delete();
  EXPECT_EQ(ds.FieldByName("CD").AsString(), "C");
  // The host's loop: delete what matches, step over the rest.
  ds.First();
  while (!ds.Eof()) {
    if (ds.FieldByName("CD").AsString() != "A")
      ds.Delete();
    else
      ds.Next();
  }
  EXPECT_EQ(Column(ds, "CD"), (std::vector<std::string>{"A"}));
  ds.Insert();
  ds.Delete();  // deleting an insertion in progress cancels it
  EXPECT_EQ(ds.RecordCount(), 1);
  ds.EmptyDataSet();
  EXPECT_TRUE(ds.IsEmpty());
}

TEST(DataSetState, CloseDropsTheDataAndKeepsTheFields) {
  TClientDataSet ds;
  MakeCodes(ds, {"A"});
  TField* field = &ds.FieldByName("CD");
  ds.Close();
  EXPECT_FALSE(ds.Active());
  EXPECT_EQ(&ds.FieldByName("CD"), field);
  ds.CreateDataSet();  // same structure: same field objects
  EXPECT_EQ(&ds.FieldByName("CD"), field);
  EXPECT_TRUE(ds.IsEmpty());
}

TEST(DataSetState, AfterOpenRunsOnEveryOpeningAndLogChangesComesBackOn) {
  TClientDataSet source;
  MakeCodes(source, {"A"});
  const Variant packet = source.Data();

  TClientDataSet ds("cdsCheckECF");
  int opened = 0;
  ds.SetAfterOpen([&](TClientDataSet& self) {
    ++opened;
    EXPECT_TRUE(self.LogChanges());  // every opening starts with the log on
    self.SetLogChanges(false);
  });
  ds.SetData(packet);
  ds.SetData(packet);
  EXPECT_EQ(opened, 2);
  EXPECT_FALSE(ds.LogChanges());
  ds.Edit();
  ds.FieldByName("CD").SetAsString("B");
  ds.Post();
  EXPECT_EQ(ds.ChangeCount(), 0);  // with the log off an edit is the data itself
  ds.Close();
  ds.FieldDefs().Clear();
  ds.FieldDefs().Add("X", ftInteger);
  ds.CreateDataSet();
  EXPECT_EQ(opened, 3);
}

}  // namespace
}  // namespace mdx
