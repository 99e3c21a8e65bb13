// cdstool end to end: the program built beside this test binary makes a
// ".cds" file from JSON, dumps it back, and names the file and the place of
// every mistake in its input.
#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/platform.h"

namespace mdx {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string out, err;
};

class CdsTool : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    tool = platform::ExecutableDirectory() + "cdstool.exe";
#else
    tool = platform::ExecutableDirectory() + "cdstool";
#endif
    if (!fs::exists(tool)) GTEST_SKIP() << "cdstool is not built beside the tests (" << tool << ")";
    dir = mdx::test::MakeTemporaryFolder("mdx_cdstool");
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const char* name, const std::string& content) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  ToolRun Tool(const std::string& arguments) {
    const std::string out = (dir / "out.txt").string(), err = (dir / "err.txt").string();
    std::string command = "\"" + tool + "\" " + arguments + " > \"" + out + "\" 2> \"" + err + "\"";
#ifdef _WIN32
    command = "\"" + command + "\"";  // cmd keeps the inner quotes this way
#endif
    ToolRun run;
    const int status = std::system(command.c_str());
#ifdef _WIN32
    run.status = status;
#else
    run.status = (status >> 8) & 0xFF;
#endif
    run.out = Read(out);
    run.err = Read(err);
    return run;
  }
  static std::string Q(const std::string& path) { return "\"" + path + "\""; }

  std::string tool;
  fs::path dir;
};

const char kFields[] = R"({"fields": [
  {"name": "CDFILIAL", "kind": "text", "width": 4, "required": true},
  {"name": "NMCIDADE", "kind": "text", "width": 20},
  {"name": "VR", "kind": "float"},
  {"name": "QT", "kind": "integer"},
  {"name": "OK", "kind": "boolean"},
  {"name": "DT", "kind": "datetime"},
  {"name": "DA", "kind": "date"},
  {"name": "TI", "kind": "time"},
  {"name": "BL", "kind": "blob"}
 ],
 "indexes": [{"name": "idxFilial", "fields": "CDFILIAL", "caseInsensitive": false}]})";

const char kRows[] = R"([
 {"CDFILIAL": "01", "NMCIDADE": "S\u00e3o Jos\u00e9", "VR": 1.5, "QT": -3, "OK": true,
  "DT": "2024-01-15 10:30:15", "DA": "2024-01-15", "TI": "10:30:15.250", "BL": "AP8K"},
 ["02", null, 0.1, 0, false, null, null, null, null]
])";

const char kDump[] = R"({
  "fields": [
    {"name": "CDFILIAL", "kind": "text", "width": 4, "required": true},
    {"name": "NMCIDADE", "kind": "text", "width": 20},
    {"name": "VR", "kind": "float", "width": 0},
    {"name": "QT", "kind": "integer", "width": 0},
    {"name": "OK", "kind": "boolean", "width": 0},
    {"name": "DT", "kind": "datetime", "width": 0},
    {"name": "DA", "kind": "date", "width": 0},
    {"name": "TI", "kind": "time", "width": 0},
    {"name": "BL", "kind": "blob", "width": 0}
  ],
  "indexes": [
    {"name": "idxFilial", "fields": "CDFILIAL", "caseInsensitive": false}
  ],
  "rows": [
    {"CDFILIAL": "01", "NMCIDADE": "São José", "VR": 1.5, "QT": -3, "OK": true, "DT": "2024-01-15 10:30:15", "DA": "2024-01-15", "TI": "10:30:15.250", "BL": "AP8K"},
    {"CDFILIAL": "02", "NMCIDADE": null, "VR": 0.1, "QT": 0, "OK": false, "DT": null, "DA": null, "TI": null, "BL": null}
  ]
}
)";

TEST_F(CdsTool, MakeThenDump) {
  const std::string fields = Write("fields.json", kFields), rows = Write("rows.json", kRows);
  const std::string cds = (dir / "made.cds").string();
  const ToolRun made = Tool("make " + Q(fields) + " " + Q(rows) + " " + Q(cds));
  ASSERT_EQ(made.status, 0) << made.err;

  TClientDataSet ds;
  ds.LoadFromFile(cds);
  EXPECT_EQ(ds.RecordCount(), 2);
  EXPECT_EQ(ds.FieldByName("NMCIDADE").AsString(), "S\xE3o Jos\xE9");  // stored in 1252
  EXPECT_EQ(ds.FieldByName("DA").AsDateTime(), EncodeDate(2024, 1, 15));
  EXPECT_EQ(ds.IndexDefs().Count(), 1);

  const ToolRun dumped = Tool("dump " + Q(cds));
  ASSERT_EQ(dumped.status, 0) << dumped.err;
  EXPECT_EQ(dumped.out, kDump);

  // The dump is itself input for make, and gives the same file.
  const std::string dump = Write("dump.json", dumped.out);
  const std::string again = (dir / "again.cds").string();
  ASSERT_EQ(Tool("make " + Q(dump) + " " + Q(dump) + " " + Q(again)).status, 0);
  EXPECT_EQ(Read(again), Read(cds));
}

TEST_F(CdsTool, MistakesNameTheFileAndThePlace) {
  const std::string fields = Write("fields.json", kFields);
  const std::string out = Q((dir / "o.cds").string());
  const struct {
    const char* rows;
    const char* message;
  } cases[] = {
      {R"([{"CDFILIAL": "01", "VR": "abc"}])", "row 1, field 'VR': expected a number, got a text"},
      {R"([{"CDFILIAL": "01234"}])", "field 'CDFILIAL': the text has 5 characters, the width is 4"},
      {R"([{"NOPE": 1}])", "row 1: no field named \"NOPE\""},
      {R"([{"NMCIDADE": "x"}])", "row 1: Field 'CDFILIAL' must have a value"},
      {R"([{"CDFILIAL": "1", "QT": 1.5}])", "field 'QT': 1.5 is not a whole number"},
      {R"([{"CDFILIAL": "1", "QT": 99999999999}])", "allowed range is -2147483648 to 2147483647"},
      {R"([{"CDFILIAL": "1", "DA": "2024-02-30"}])", "\"2024-02-30\" is not a date (YYYY-MM-DD)"},
      {R"([{"CDFILIAL": "\u4e2d"}])", "character U+4E2D has no Windows-1252 form"},
      {R"([{"CDFILIAL": "1", "BL": "***"}])", "not valid base64"},
      {R"([["01"]])", "row 1: 1 values for 9 fields"},
      {R"([{"CDFILIAL": "01",}])", "line 1, column 20: syntax error while parsing object key"},
      {R"([{"CDFILIAL": "01")", "line 1, column 19: syntax error while parsing object"},
      {R"([{"CDFILIAL": "01", "CDFILIAL": "02"}])", "duplicate key \"CDFILIAL\" (bad JSON)"},
      {"[{\"CDFILIAL\": \"\xFF\"}]", "ill-formed UTF-8 byte"},
      {"[1] [2]", "expected end of input"},
      {"", "unexpected end of input"},
  };
  for (const auto& c : cases) {
    const std::string rows = Write("rows.json", c.rows);
    const ToolRun run = Tool("make " + Q(fields) + " " + Q(rows) + " " + out);
    EXPECT_EQ(run.status, 1) << c.rows;
    EXPECT_NE(run.err.find("cdstool: " + rows + ": "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.rows << "\n" << run.err;
  }
  std::string deep(200, '[');
  Write("rows.json", deep);
  EXPECT_NE(Tool("make " + Q(fields) + " " + Q((dir / "rows.json").string()) + " " + out).err.find("nested more than 64 levels deep"),
            std::string::npos);

  const std::string badFields = Write("bad.json", R"([{"name": "A", "kind": "text", "widht": 3}])");
  const ToolRun typo = Tool("make " + Q(badFields) + " " + Q(Write("r.json", "[]")) + " " + out);
  EXPECT_NE(typo.err.find("cdstool: " + badFields + ": field 1: unknown member \"widht\""), std::string::npos)
      << typo.err;

  const std::string damaged = Write("damaged.cds", "\x96\x19\xE0\xBD?");
  const ToolRun dump = Tool("dump " + Q(damaged));
  EXPECT_EQ(dump.status, 1);
  EXPECT_NE(dump.err.find("Invalid data packet"), std::string::npos) << dump.err;
  EXPECT_EQ(Tool("frobnicate").status, 2);
}

}  // namespace
}  // namespace mdx
