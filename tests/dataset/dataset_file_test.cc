// ".cds" files and round trips: packet -> dataset -> file -> dataset.
#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>

#include "dataset/dataset_test_util.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"

namespace mdx {
namespace {

namespace fs = std::filesystem;
using test::Column;
using test::DatabaseErrorOf;

class DataSetFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = mdx::test::MakeTemporaryFolder("mdx_dataset");
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const char* name) const { return (dir / name).string(); }

  fs::path dir;
};

// Every kind, a few rows, nulls in some.
void MakeAllKinds(TClientDataSet& ds) {
  ds.FieldDefs().Add("TX", ftString, 10);
  ds.FieldDefs().Add("LONGTX", ftString, 300);
  ds.FieldDefs().Add("WI", ftWideString, 4);
  ds.FieldDefs().Add("SI", ftSmallint);
  ds.FieldDefs().Add("IN", ftInteger, 0, true);
  ds.FieldDefs().Add("LI", ftLargeint);
  ds.FieldDefs().Add("WO", ftWord);
  ds.FieldDefs().Add("BO", ftBoolean);
  ds.FieldDefs().Add("FL", ftFloat);
  ds.FieldDefs().Add("CU", ftCurrency);
  ds.FieldDefs().Add("DA", ftDate);
  ds.FieldDefs().Add("TI", ftTime);
  ds.FieldDefs().Add("DT", ftDateTime);
  ds.FieldDefs().Add("ME", ftMemo);
  ds.FieldDefs().Add("BL", ftBlob);
  ds.FieldDefs().Add("BY", ftBytes, 3);
  ds.IndexDefs().Add("idxTx", "TX;IN", {ixCaseInsensitive});
  ds.CreateDataSet();
  ds.SetLogChanges(false);
  for (int row = 0; row < 3; ++row) {
    ds.Append();
    ds.FieldByName("IN").SetAsInteger(row);
    if (row != 1) {
      ds.FieldByName("TX").SetAsString("a\xE7\xE3o" + std::to_string(row));
      ds.FieldByName("LONGTX").SetAsString(std::string(280, char('a' + row)));
      ds.FieldByName("WI").SetAsString("\xE9t\xE9");
      ds.FieldByName("SI").SetAsInteger(-32768);
      ds.FieldByName("LI").SetAsFloat(-1e15);
      ds.FieldByName("WO").SetAsInteger(65535);
      ds.FieldByName("BO").SetAsBoolean(row == 0);
      ds.FieldByName("FL").SetAsFloat(0.1 + row);
      ds.FieldByName("CU").SetAsFloat(1234.56);
      ds.FieldByName("DA").SetAsDateTime(EncodeDate(1899, 12, 29));
      ds.FieldByName("TI").SetAsDateTime(EncodeTime(23, 59, 59, 999));
      ds.FieldByName("DT").SetAsDateTime(EncodeDate(1, 1, 1) + EncodeTime(0, 0, 0, 1));
      ds.FieldByName("ME").SetAsString("line\r\nline");
      ds.FieldByName("BL").SetValue(Variant::Bytes({0, 255, 13, 10}));
      ds.FieldByName("BY").SetAsString("xyz");
    }
    ds.Post();
  }
}

std::vector<std::string> AllValues(TClientDataSet& ds) {
  std::vector<std::string> values;
  for (ds.First(); !ds.Eof(); ds.Next())
    for (int f = 0; f < ds.FieldCount(); ++f)
      values.push_back(ds.Fields(f).IsNull() ? "<null>" : ds.Fields(f).AsString());
  return values;
}

TEST_F(DataSetFile, PacketToDataSetToFileToDataSet) {
  TClientDataSet source;
  MakeAllKinds(source);
  const Variant packet = source.Data();

  TClientDataSet loaded;
  loaded.SetData(packet);
  loaded.SaveToFile(Path("all.cds"));
  TClientDataSet reloaded;
  reloaded.LoadFromFile(Path("all.cds"));
  EXPECT_EQ(reloaded.Data().ByteData(), packet.ByteData());
  EXPECT_EQ(AllValues(reloaded), AllValues(source));
  for (int f = 0; f < source.FieldCount(); ++f) {
    EXPECT_EQ(reloaded.Fields(f).DataType(), source.Fields(f).DataType());
    EXPECT_EQ(reloaded.Fields(f).Size(), source.Fields(f).Size());
  }
  EXPECT_TRUE(reloaded.FieldByName("IN").Required());
  EXPECT_EQ(reloaded.IndexDefs().Count(), 1);
}

TEST_F(DataSetFile, ALoggedFileLoadsAsItsCurrentView) {
  TClientDataSet ds;
  ds.FieldDefs().Add("CD", ftString, 3);
  ds.CreateDataSet();  // the log is on: every change below is logged
  for (const char* code : {"A", "B", "C"}) {
    ds.Append();
    ds.FieldByName("CD").SetAsString(code);
    ds.Post();
  }
  ds.First();
  ds.Delete();
  ds.Edit();
  ds.FieldByName("CD").SetAsString("B2");
  ds.Post();
  ds.SaveToFile(Path("logged.cds"));
  TClientDataSet loaded;
  loaded.LoadFromFile(Path("logged.cds"));
  EXPECT_EQ(Column(loaded, "CD"), (std::vector<std::string>{"B2", "C"}));
}

TEST_F(DataSetFile, SaveReplacesTheFileAndLeavesNoTemporary) {
  TClientDataSet ds;
  MakeAllKinds(ds);
  std::ofstream(Path("cfg.cds")) << "old content";
  ds.SaveToFile(Path("cfg.cds"));
  ds.SaveToFile(Path("cfg.cds"));
  TClientDataSet loaded;
  loaded.LoadFromFile(Path("cfg.cds"));
  EXPECT_EQ(loaded.RecordCount(), 3);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(DataSetFile, FailuresNameTheFileAndChangeNothing) {
  TClientDataSet ds("cdsCheckECF");
  MakeAllKinds(ds);
  ds.Last();

  try {
    ds.LoadFromFile(Path("missing.cds"));
    ADD_FAILURE() << "loaded a missing file";
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.cds"), std::string::npos) << e.what();
  }

  std::ofstream(Path("damaged.cds"), std::ios::binary) << "\x96\x19\xE0\xBD garbage";
  const std::string message = DatabaseErrorOf([&] { ds.LoadFromFile(Path("damaged.cds")); });
  EXPECT_EQ(message.rfind("cdsCheckECF: Cannot load file \"" + Path("damaged.cds") + "\": Invalid data packet", 0), 0u)
      << message;
  EXPECT_EQ(ds.RecordCount(), 3);
  EXPECT_EQ(ds.RecNo(), 3);

  const std::string unwritable = (dir / "no" / "such" / "folder.cds").string();
  EXPECT_THROW(ds.SaveToFile(unwritable), EInOutError);
  EXPECT_FALSE(fs::exists(dir / "no"));

  ds.Close();
  EXPECT_NE(DatabaseErrorOf([&] { ds.SaveToFile(Path("closed.cds")); }).find("closed dataset"), std::string::npos);
}

}  // namespace
}  // namespace mdx
