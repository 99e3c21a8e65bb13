// The C interface as a host in another language calls it: every operation of
// the headers is in its table and can be called with arguments of its forms
// (before and after the session starts) without a crash and with a coherent
// answer; bad input comes back as a clear last error naming the argument.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "json/json_text.h"
#include "mdx00200/mdx00200_c.h"
#include "support/declared_operations.h"
#include "support/temp_folder.h"

namespace mdx::test {
namespace {

using mdxjson::Json;

const char kSession[] =
    R"([{"CDFILIAL": "0001", "CDCAIXA": "001", "NRSERIEIMP": "SW0000001", "ESQUEMA": "001",
        "CDPORTAIMPFIS": "COM1", "BOUTILTAA": false}])";

const char kCoupon[] = R"([{"ESQUEMACOR": "001", "INTTEFERRO": 0, "INCLUICPF": "", "INCLUINOME": "",
    "INCLUIENDERECO": "", "CUPNR": "", "CONTCUPOM": "", "IDUTILTEF": "N", "UTILTEF": false}])";
const char kItem[] = R"([{"ESQUEMACOR": "001", "INTTEFERRO": 0, "CDARVPROD": "1", "NMPROD": "CAFE", "CDALIQ": "T01",
    "QTDE": 1.0, "VALOR": 4.5, "DESCONT": 0.0, "UNIDADE": "", "IDUTILTEF": "N", "UTILTEF": false,
    "ACRESCIMO": 0.0}])";

// A call's outcome: the parsed result (null when mdx_call gave NULL) and
// the last error.
struct Outcome {
  Json result;
  int code = MDX_OK;
  std::string message;
};

Outcome Call(const std::string& name, const std::string& args) {
  const char* text = mdx_call(name.c_str(), args.c_str());
  Outcome o;
  if (text) o.result = mdxjson::ParseJson(text);
  o.code = mdx_last_error_code();
  o.message = mdx_last_error_message();
  return o;
}

void MDX_C_CALL NoDelay(void*, int) {}

int MDX_C_CALL CountDialog(void* context, const char*, const char*, int, const char*) {
  ++*static_cast<int*>(context);
  return 0;
}

class CInterfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(mdx_set_host_folder(folder_.path().string().c_str()), MDX_OK);
    mdx_set_delay_callback(NoDelay, nullptr);
    mdx_set_dialog_callback(CountDialog, &dialogs_);
  }
  void TearDown() override {
    mdx_call("FechaPorta", "[]");
    mdx_call("StopImpFiscal", "[]");
    mdx_set_dialog_callback(nullptr, nullptr);
    mdx_set_delay_callback(nullptr, nullptr);
    mdx_set_encoding(MDX_ENCODING_UTF8);
  }

  TemporaryFolder folder_{"mdx_capi"};
  int dialogs_ = 0;
};

// Arguments of the forms mdx_operations lists, empty or zero: every operation
// must take them without crashing.
std::string PlainArguments(const Json& parameters) {
  Json args = Json::array();
  const Json emptyDataSet = {{"fields", {{{"name", "X"}, {"kind", "text"}, {"width", 1}}}}, {"rows", Json::array()}};
  for (const Json& kind : parameters) {
    const std::string k = kind.get<std::string>();
    if (k.rfind("text", 0) == 0) args.push_back("");
    else if (k.rfind("integer", 0) == 0 || k.rfind("number", 0) == 0) args.push_back(0);
    else if (k.rfind("boolean", 0) == 0) args.push_back(false);
    else if (k.rfind("value", 0) == 0) args.push_back(nullptr);
    else if (k.rfind("dataset", 0) == 0) args.push_back(emptyDataSet);
    else args.push_back(Json::array());  // lists
  }
  return mdxjson::JsonText(args);
}

void WalkTable(const std::set<std::string>& skipped, bool sessionStarted) {
  const Json operations = mdxjson::ParseJson(mdx_operations());
  for (const Json& op : operations) {
    const std::string name = op["name"].get<std::string>();
    if (skipped.count(name)) continue;
    SCOPED_TRACE(name);
    const Outcome o = Call(name, PlainArguments(op["parameters"]));
    if (o.result.is_null()) {
      EXPECT_NE(o.code, MDX_OK);
    } else {
      ASSERT_TRUE(o.result.contains("result") && o.result["args"].is_array());
      EXPECT_EQ(o.result["args"].size(), op["arguments"].get<size_t>());
      if (o.result["result"] == false) {
        EXPECT_NE(o.code, MDX_OK);
      }
    }
    if (o.code != MDX_OK) {
      EXPECT_NE(o.message.find(name), std::string::npos) << o.message;
    }
    EXPECT_NE(o.code, MDX_ERROR_INTERNAL) << o.message;
    if (sessionStarted) {
      EXPECT_NE(o.code, MDX_ERROR_NO_SESSION) << o.message;
    }
  }
}

TEST_F(CInterfaceTest, EveryDeclaredOperationIsInTheTable) {
  const std::set<std::string> declared = DeclaredOperations(MDX_HEADERS_DIR);
  ASSERT_TRUE(declared.count("AbreCupom") && declared.count("GetValue"));
  std::set<std::string> listed;
  for (const Json& op : mdxjson::ParseJson(mdx_operations())) listed.insert(op["name"].get<std::string>());
  EXPECT_EQ(listed, declared);
}

TEST_F(CInterfaceTest, EveryOperationAnswersBeforeAndAfterTheSessionStarts) {
  // The session's own operations would end the walk's session.
  const std::set<std::string> session = {"StartImpFiscal", "AbrePorta", "FechaPorta", "StopImpFiscal"};
  WalkTable(session, false);
  ASSERT_EQ(Call("StartImpFiscal", kSession).code, MDX_OK);
  WalkTable(session, true);
}

TEST_F(CInterfaceTest, BeforeTheSessionAnOperationSaysSo) {
  const Outcome o = Call("Leitura_X_Imp", R"(["", "", "001", ""])");
  EXPECT_EQ(o.result["result"], false);
  EXPECT_EQ(o.code, MDX_ERROR_NO_SESSION);
  EXPECT_EQ(o.message, "Leitura_X_Imp: the printer session has not started (call StartImpFiscal first)");
}

TEST_F(CInterfaceTest, BadInputIsAClearLastError) {
  ASSERT_EQ(Call("StartImpFiscal", kSession).code, MDX_OK);
  // The bundled day's first closing, its sale's movements without the field
  // of the card's bank.
  std::ifstream dayFile(std::string(MDX_DEMO_DIR) + "/till-day.json", std::ios::binary);
  std::stringstream dayText;
  dayText << dayFile.rdbuf();
  const Json day = mdxjson::ParseJson(dayText.str());
  Json closing;
  for (const Json& call : day["calls"])
    if (call.value("op", "") == "FechaCupom" && closing.is_null()) closing = call["args"];
  ASSERT_TRUE(closing.is_array());
  Json& movements = closing[0][13]["packet"];
  for (size_t i = 0; i < movements["fields"].size(); ++i)
    if (movements["fields"][i]["name"] == "CDBANCARTCR") movements["fields"].erase(i);
  for (Json& row : movements["rows"]) row.erase("CDBANCARTCR");
  ASSERT_EQ(Call("AbreCupom", kCoupon).code, MDX_OK);
  ASSERT_EQ(Call("VendaItem", kItem).code, MDX_OK);

  const struct {
    const char* name;
    std::string args;
    int code;
    const char* message;
    bool ran = false;  // the operation ran (and returned false): its result comes back
  } cases[] = {
      {"Sangria", R"(["", "001", 5.0)", MDX_ERROR_JSON, "Sangria: the arguments are not JSON: parse error at line 1"},
      {"Sangria", R"(["", "001", 1e400])", MDX_ERROR_JSON, "Sangria: the arguments are not JSON: number overflow"},
      {"Sangria", R"({"valor": 5})", MDX_ERROR_ARGUMENT, "Sangria: the arguments must be a JSON array, not an object"},
      {"Sangrya", "[]", MDX_ERROR_UNKNOWN_NAME, "unknown operation \"Sangrya\""},
      {"Sangria", R"(["", "001"])", MDX_ERROR_ARGUMENT, "Sangria takes 3 arguments, 2 given"},
      {"Estado_Imp", R"(["001", "yes", false])", MDX_ERROR_ARGUMENT,
       "Estado_Imp: argument 2: expected true or false, got a text"},
      {"AbreCupom", R"([{"ESQUEMACOR": "001", "INCLUINOME": "\u4e2d"}])", MDX_ERROR_ARGUMENT,
       "has a character that Windows-1252 lacks"},
      {"FechaCupom", mdxjson::JsonText(closing), MDX_ERROR_ARGUMENT,
       "FechaCupom: argument 1, element 13 has no field 'CDBANCARTCR', which the operation needs", true},
      {"VendaItem", R"([{"ESQUEMACOR": "001", "CDARVPROD": "1"}])", MDX_ERROR_ARGUMENT,
       "VendaItem: argument 1 has no 'INTTEFERRO', which the operation needs", true},
      {"ImprimeProdBloq", R"(["001", {"fields": []}])", MDX_ERROR_ARGUMENT,
       "ImprimeProdBloq: argument 2: a dataset needs both \"fields\" and \"rows\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const char* result = mdx_call(c.name, c.args.c_str());
    EXPECT_EQ(result != nullptr, c.ran);
    EXPECT_EQ(mdx_last_error_code(), c.code);
    EXPECT_NE(std::string(mdx_last_error_message()).find(c.message), std::string::npos) << mdx_last_error_message();
  }
  EXPECT_EQ(mdx_call(nullptr, nullptr), nullptr);
  EXPECT_EQ(mdx_last_error_code(), MDX_ERROR_UNKNOWN_NAME);
  EXPECT_EQ(mdx_get_global("SwedaRetorno"), nullptr);
  EXPECT_EQ(mdx_last_error_code(), MDX_ERROR_UNKNOWN_NAME);
  EXPECT_EQ(mdx_set_encoding(7), MDX_ERROR_ARGUMENT);
}

TEST_F(CInterfaceTest, ASaleThroughTheInterface) {
  ASSERT_EQ(Call("StartImpFiscal", kSession).result["result"], true);
  EXPECT_STREQ(mdx_get_global("boImpFiscalOK"), "true");
  EXPECT_STREQ(mdx_get_global("SwedaEnviaComando"), "true");
  const Outcome opened = Call("AbreCupom", kCoupon);
  ASSERT_EQ(opened.code, MDX_OK) << opened.message;
  const std::string coupon = opened.result["args"][0]["CUPNR"].get<std::string>();
  EXPECT_EQ(coupon.size(), 6u);

  // A text in the printer's code page, as a host in 1252 sends it.
  ASSERT_EQ(mdx_set_encoding(MDX_ENCODING_CP1252), MDX_OK);
  std::string item = kItem;
  item.replace(item.find("CAFE"), 4, "A\xC7\xDA" "CAR");
  const char* sold = mdx_call("VendaItem", item.c_str());
  EXPECT_NE(sold, nullptr);
  EXPECT_EQ(mdx_last_error_code(), MDX_OK) << mdx_last_error_message();
  ASSERT_EQ(mdx_set_encoding(MDX_ENCODING_UTF8), MDX_OK);

  // A quantity past its field is refused before anything is sent, and the
  // operator's message comes back as the last error.
  const int before = dialogs_;
  std::string tooMany = kItem;
  tooMany.replace(tooMany.find("1.0"), 3, "10000.0");
  const Outcome refused = Call("VendaItem", tooMany);
  EXPECT_EQ(refused.result["result"], false);
  EXPECT_EQ(refused.code, MDX_ERROR_REFUSED);
  EXPECT_GT(dialogs_, before);
  EXPECT_GT(refused.message.size(), std::string("VendaItem: ").size()) << refused.message;

  const Outcome total = Call("BuscaTotGer", R"(["001", ""])");
  EXPECT_EQ(total.result["result"], true);
  EXPECT_TRUE(total.result["args"][1].is_string());
  const Outcome date = Call("DataMov", R"(["001"])");
  EXPECT_TRUE(date.result["result"].contains("date")) << date.result;
}

}  // namespace
}  // namespace mdx::test
