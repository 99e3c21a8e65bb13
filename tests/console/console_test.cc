// The console as a user runs it: the bundled scripts end with the summary
// their figures give, malformed scripts stop with a message naming the entry
// before anything reaches the printer, and every operation the package's
// headers declare can be called from a script.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "mdx00200/platform.h"
#include "session/run_program.h"
#include "support/declared_operations.h"
#include "support/temp_folder.h"

namespace mdx::test {
namespace {

namespace fs = std::filesystem;

struct ConsoleRun {
  int status = -1;
  std::string out, err;
  // The last line of the standard output.
  std::string LastLine() const {
    std::string text = out;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const size_t start = text.find_last_of('\n');
    std::string line = start == std::string::npos ? text : text.substr(start + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
};

ConsoleRun Console(const TemporaryFolder& temp, const std::vector<AnsiString>& args) {
  ConsoleRun run;
  const AnsiString output = temp.File("console.out");
  run.status = RunProgram(platform::ExecutableDirectory(), "mdxconsole", args, output);
  run.out = platform::ReadFile(output);
  run.err = platform::ReadFile(output + ".err");
  return run;
}

struct BundledCase {
  const char* script;
  const char* summary;
};

// Three days: a coupon of 23.97 a day, three Z reductions (the second made
// the morning after a missed night).
// Till day: four coupons (23.97, 41.80 with its cancelled item, 41.00 with
// its surcharge, 5.90 cancelled afterwards), one Z reduction, three signed
// fiscal-menu files. Restaurant day: two coupons (98.90 with the service
// charge as a surcharge, 15.00).
const BundledCase kBundled[] = {
    {"till-day.json",
     "{\"coupons\":4,\"cancelled\":1,\"grand_total\":112.67,\"gross\":112.67,\"z_reductions\":1,"
     "\"files\":[\"Dados/MenuFiscal/Ato_Cotepe.txt\",\"Dados/MenuFiscal/Espelho_MFD_06122026090000.txt\","
     "\"Dados/MenuFiscal/LMFS_SW0000001_20261206_090000.txt\"],\"errors\":0}"},
    {"restaurant-day.json",
     "{\"coupons\":2,\"cancelled\":0,\"grand_total\":113.90,\"gross\":113.90,\"z_reductions\":1,"
     "\"files\":[],\"errors\":0}"},
    {"three-days.json",
     "{\"coupons\":3,\"cancelled\":0,\"grand_total\":71.91,\"gross\":71.91,\"z_reductions\":3,"
     "\"files\":[],\"errors\":0}"},
};

TEST(ConsoleTest, BundledScriptsEndWithTheirSummary) {
  for (const BundledCase& c : kBundled) {
    SCOPED_TRACE(c.script);
    TemporaryFolder temp("mdx_console");
    const ConsoleRun run = Console(temp, {"--work", temp.File("work"), std::string(MDX_DEMO_DIR) + "/" + c.script});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.LastLine(), c.summary) << run.out;
    EXPECT_NE(run.out.find("---- paper tape ----"), std::string::npos);
  }
}

struct MalformedCase {
  const char* name;
  const char* script;
  std::vector<const char*> message;  // parts the message must hold
};

const char kStart[] =
    "{\"op\": \"StartImpFiscal\", \"args\": [{\"CDFILIAL\": \"0001\", \"CDCAIXA\": \"001\", "
    "\"NRSERIEIMP\": \"SW0000001\", \"ESQUEMA\": \"007\", \"CDPORTAIMPFIS\": \"COM1\", \"BOUTILTAA\": false}]}";

std::string Calls(const std::string& second) { return std::string("{\"calls\": [") + kStart + ",\n" + second + "]}"; }

const MalformedCase kMalformed[] = {
    {"unknown operation", "", {"entry 2 (AbreCupon)", "unknown operation \"AbreCupon\""}},
    {"wrong count", "", {"entry 2 (Sangria)", "Sangria takes 3 arguments, the entry gives 2"}},
    {"wrong type", "", {"entry 2 (Estado_Imp)", "argument 2: expected true or false, got a text"}},
    {"text for a number", "", {"entry 2 (Suprimento)", "argument 3:", "\"cem\" is not a date"}},
    {"unreadable file", "", {"entry 2 (ImprimeProdBloq)", "argument 2: cannot load the dataset file", "missing.cds"}},
    {"unknown dataset name", "", {"entry 2 (ImpSaldo)", "no earlier entry made a dataset named \"saldos\""}},
    {"unknown console step", "", {"entry 2 (console copy)", "unknown console step \"copy\""}},
    {"clock not a date", "", {"entry 2 (console set_clock)", "\"tomorrow\" is not a date"}},
    {"bad tax-rate code", "", {"entry 2 (console program_tax_rates)", "3 capital letters or digits"}},
    {"bad JSON", "", {"script.json: parse error at line 2, column 28: syntax error while parsing object"}},
};

std::string ScriptOf(const std::string& name) {
  if (name == "unknown operation") return Calls("{\"op\": \"AbreCupon\", \"args\": [{}]}");
  if (name == "wrong count") return Calls("{\"op\": \"Sangria\", \"args\": [\"\", \"007\"]}");
  if (name == "wrong type") return Calls("{\"op\": \"Estado_Imp\", \"args\": [\"007\", \"yes\", false]}");
  if (name == "text for a number") return Calls("{\"op\": \"Suprimento\", \"args\": [\"\", \"007\", \"cem\"]}");
  if (name == "unreadable file") return Calls("{\"op\": \"ImprimeProdBloq\", \"args\": [\"007\", {\"file\": \"missing.cds\"}]}");
  if (name == "unknown dataset name")
    return Calls("{\"op\": \"ImpSaldo\", \"args\": [\"007\", {\"name\": \"saldos\"}, \"\", \"\"]}");
  if (name == "unknown console step") return Calls("{\"console\": \"copy\"}");
  if (name == "clock not a date") return Calls("{\"console\": \"set_clock\", \"clock\": \"tomorrow\"}");
  if (name == "bad tax-rate code")
    return Calls("{\"console\": \"program_tax_rates\", \"rates\": [{\"code\": \"t1\", \"rate\": 18}]}");
  return "{\"calls\": [\n  {\"op\": \"FechaPorta\" \"args\": []}]}";  // a missing comma
}

TEST(ConsoleTest, MalformedScriptsStopBeforeAnythingIsSent) {
  for (const MalformedCase& c : kMalformed) {
    SCOPED_TRACE(c.name);
    TemporaryFolder temp("mdx_console");
    {
      std::ofstream(temp.File("script.json"), std::ios::binary) << ScriptOf(c.name);
    }
    const ConsoleRun run = Console(temp, {"--work", temp.File("work"), temp.File("script.json")});
    EXPECT_EQ(run.status, 2);
    for (const char* part : c.message) EXPECT_NE(run.err.find(part), std::string::npos) << part << "\n" << run.err;
    // The work folder, where the printer's state and the debug log would be,
    // was never made: the session did not even start.
    EXPECT_FALSE(fs::exists(temp.path() / "work"));
    EXPECT_EQ(run.out, "");
  }
}

// The printer steps run only where the printer would take them: the clock
// never goes back past its last document, and the tax rates are programmed
// only with no day open. Each refusal is a failed step the summary counts.
TEST(ConsoleTest, PrinterStepsFailWhereThePrinterRefuses) {
  TemporaryFolder temp("mdx_console");
  {
    std::ofstream(temp.File("script.json"), std::ios::binary)
        << "{\"clock\": \"06/12/2026 09:00:00\", \"calls\": [" << kStart << ",\n"
        << "{\"console\": \"program_tax_rates\", \"rates\": [{\"code\": \"T01\", \"rate\": 17.5}]},\n"
        << "{\"op\": \"Leitura_X_Imp\", \"args\": [\"key\", \"\", \"007\", \"\"], \"expect\": true},\n"
        << "{\"console\": \"detail_memory\"},\n"
        << "{\"console\": \"set_clock\", \"clock\": \"05/12/2026 09:00:00\"},\n"
        << "{\"console\": \"program_tax_rates\", \"rates\": [{\"code\": \"T01\", \"rate\": 12}]},\n"
        << "{\"console\": \"set_clock\", \"clock\": \"07/12/2026 09:00:00\"}]}";
  }
  const ConsoleRun run = Console(temp, {"--work", temp.File("work"), temp.File("script.json")});
  EXPECT_EQ(run.status, 0) << run.err;
  for (const char* part : {"tax rate 1: T01 17.5%", "detail record: COO 1 X reading", "before the last document",
                           "its tax rates are programmed only between a Z reduction",
                           "the host's and the printer's clocks read 07/12/2026 09:00:00"}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
  }
  EXPECT_NE(run.LastLine().find("\"errors\":2}"), std::string::npos) << run.LastLine();
}

// A resumed printer keeps its documents: a script whose clock is before the
// last of them stops with a message before it sends anything.
TEST(ConsoleTest, ResumedPrinterRefusesAScriptClockBeforeItsLastDocument) {
  TemporaryFolder temp("mdx_console");
  const auto write = [&temp](const char* name, const char* clock) {
    std::ofstream(temp.File(name), std::ios::binary)
        << "{\"clock\": \"" << clock << "\", \"calls\": [" << kStart << ",\n"
        << "{\"op\": \"Leitura_X_Imp\", \"args\": [\"key\", \"\", \"007\", \"\"], \"expect\": true}]}";
  };
  write("day2.json", "07/12/2026 09:00:00");
  write("day1.json", "06/12/2026 09:00:00");
  ASSERT_EQ(Console(temp, {"--work", temp.File("work"), temp.File("day2.json")}).status, 0);
  const ConsoleRun back = Console(temp, {"--work", temp.File("work"), "--resume", temp.File("day1.json")});
  EXPECT_EQ(back.status, 2);
  EXPECT_NE(back.err.find("before the last document (07/12/2026 09:00:"), std::string::npos) << back.err;
  EXPECT_EQ(back.out, "");
}

TEST(ConsoleTest, EveryDeclaredOperationCanBeCalledFromAScript) {
  const std::set<std::string> declared = DeclaredOperations(MDX_HEADERS_DIR);
  ASSERT_TRUE(declared.count("AbreCupom") && declared.count("GetValue") && declared.count("geraEad"));
  TemporaryFolder temp("mdx_console");
  const ConsoleRun run = Console(temp, {"--list"});
  ASSERT_EQ(run.status, 0) << run.err;  // and the package exports every one
  std::set<std::string> listed;
  std::istringstream lines(run.out);
  for (std::string name, arity; lines >> name >> arity;) listed.insert(name);
  for (const std::string& name : declared) EXPECT_TRUE(listed.count(name)) << "not in the console: " << name;
  for (const std::string& name : listed) EXPECT_TRUE(declared.count(name)) << "declared nowhere: " << name;
}

}  // namespace
}  // namespace mdx::test
