// The tape cut into documents for the page: documents from rule to rule,
// what prints between them standing alone, the open one marked, and a
// window that starts inside a document.
#include <gtest/gtest.h>

#include "emulator/view/tape_documents.h"

namespace mdx::emulator::view {
namespace {

const AnsiString kRule(40, '=');
const AnsiString kThin(40, '-');

// Each document as its lines joined by "|", "*" in front of the open one.
std::vector<std::string> Shape(const std::vector<TapeDocument>& documents) {
  std::vector<std::string> shape;
  for (const TapeDocument& document : documents) {
    std::string text = document.open ? "*" : "";
    for (size_t k = 0; k < document.lines.size(); ++k) {
      const AnsiString& line = document.lines[k];
      text += (k ? "|" : "") + (line == kRule ? AnsiString("=") : line == kThin ? AnsiString("-") : line);
    }
    shape.push_back(text);
  }
  return shape;
}

TEST(TapeDocumentsTest, DocumentsFromRuleToRule) {
  struct Case {
    const char* name;
    std::vector<AnsiString> lines;
    int64_t firstLine;
    int64_t openFrom;
    std::vector<std::string> expected;
  } cases[] = {
      {"two closed documents and a cut mark between them",
       {kRule, "A", kThin, "a", kRule, "-- cut --", kRule, "B", kRule},
       0, -1, {"=|A|-|a|=", "-- cut --", "=|B|="}},
      {"the open document runs from its opening rule to the end",
       {kRule, "A", kRule, kRule, "B", "b1"},
       0, 3, {"=|A|=", "*=|B|b1"}},
      {"a window that starts inside a document cuts only that one",
       {"a2", "a3", kRule, kRule, "B", kRule},
       100, -1, {"a2|a3|=", "=|B|="}},
      {"an open document that started before the window fills it",
       {"b7", "b8"},
       100, 90, {"*b7|b8"}},
      {"a rule of another width is a line of the document",
       {kRule, AnsiString(48, '='), "x", kRule},
       0, -1, {"=|" + std::string(48, '=') + "|x|="}},
      {"nothing printed", {}, 0, -1, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shape(SplitTape(c.lines, c.firstLine, c.openFrom, 40)), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace mdx::emulator::view
