#include "console_host.h"

#include "values.h"

namespace mdxconsole {

namespace {

// Dialog texts on one line: CR LF, LF and CR show as " / ".
std::string OneLine(const mdx::AnsiString& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += " / ";
    } else {
      out += text[i];
    }
  }
  return mdx::AnsiToUtf8(out);
}

}  // namespace

ConsoleHost::ConsoleHost(mdx::AnsiString folder, std::optional<mdx::TDateTime> fixedNow, bool defaultAnswer)
    : folder_(std::move(folder)), fixedNow_(fixedNow), defaultAnswer_(defaultAnswer) {}

bool ConsoleHost::Dialog(const mdx::DialogRequest& request) {
  bool answer = defaultAnswer_;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  lines_.push_back("dialog (kind " + std::to_string(request.kind) + "): " + OneLine(request.text) + " -> " +
                   (answer ? "yes" : "no"));
  return answer;
}

void ConsoleHost::ShowMessage(const mdx::AnsiString& text) { lines_.push_back("message: " + OneLine(text)); }

mdx::TDateTime ConsoleHost::Now() { return fixedNow_ ? *fixedNow_ : mdx::SystemNow(); }

void ConsoleHost::GravaCER(const mdx::AnsiString& a, const mdx::AnsiString& b, mdx::TDateTime when) {
  lines_.push_back("document register: " + ShowText(a) + " " + ShowText(b) + " " + ShowDate(when));
}

void ConsoleHost::SetAnswers(const std::vector<bool>& answers) { answers_.assign(answers.begin(), answers.end()); }

std::vector<std::string> ConsoleHost::TakeLines() {
  std::vector<std::string> lines;
  lines.swap(lines_);
  return lines;
}

}  // namespace mdxconsole
