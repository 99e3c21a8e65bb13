#include "emulator/state_codec.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace mdx::emulator {

namespace {

constexpr char kHeader[] = "MDX virtual printer state 1";
constexpr char kChecksumName[] = "checksum ";
constexpr int64_t kLargestCounter = 999999;
constexpr int64_t kLongestTape = 10000000;
// About a hundred years either way.
constexpr int64_t kLongestOffsetMs = int64_t{36600} * 86400000;

uint32_t Crc32(std::string_view bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

AnsiString Hex8(uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
  return text;
}

const char* DocumentName(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::kNone: return "none";
    case DocumentKind::kFiscalCoupon: return "coupon";
    case DocumentKind::kNonFiscalReceipt: return "receipt";
    case DocumentKind::kManagementReport: return "report";
  }
  return "none";
}

const char* PaperName(PaperLevel level) {
  switch (level) {
    case PaperLevel::kOk: return "ok";
    case PaperLevel::kLow: return "low";
    case PaperLevel::kOut: return "out";
  }
  return "ok";
}

AnsiString EscapeLine(std::string_view line) {
  AnsiString out;
  for (unsigned char c : line) {
    if (c < 0x20 || c == 0x7F || c == '\\') {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
      out += code;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool UnescapeLine(std::string_view text, AnsiString& line) {
  line.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      line += text[i];
      continue;
    }
    if (text.size() - i < 4 || text[i + 1] != 'x') return false;
    const int high = HexDigit(text[i + 2]);
    const int low = HexDigit(text[i + 3]);
    if (high < 0 || low < 0) return false;
    line += static_cast<char>(high * 16 + low);
    i += 3;
  }
  return true;
}

// Reads the lines of the text in order, with the number of the current one.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool Next(std::string_view& line) {
    if (at_ >= text_.size()) return false;
    const size_t end = text_.find('\n', at_);
    if (end == std::string_view::npos) return false;  // every line ends with LF
    line = text_.substr(at_, end - at_);
    at_ = end + 1;
    ++number_;
    return true;
  }
  int Number() const { return number_; }

 private:
  std::string_view text_;
  size_t at_ = 0;
  int number_ = 0;
};

class Decoder {
 public:
  explicit Decoder(std::string_view body) : lines_(body) {}

  bool Header() {
    std::string_view line;
    if (!lines_.Next(line)) return Fail("the file is empty");
    if (line != kHeader) return Fail("not a virtual printer state file");
    return true;
  }

  bool Value(const char* name, std::string_view& value) {
    std::string_view line;
    if (!lines_.Next(line)) return Fail(std::string("missing '") + name + "'");
    const std::string_view prefix = name;
    if (line.substr(0, prefix.size()) != prefix || line.size() <= prefix.size() ||
        line[prefix.size()] != ' ') {
      return Fail(std::string("expected '") + name + "'");
    }
    value = line.substr(prefix.size() + 1);
    return true;
  }

  bool Number(const char* name, int64_t low, int64_t high, int64_t& number) {
    std::string_view text;
    if (!Value(name, text)) return false;
    const char* end = text.data() + text.size();
    auto [stop, status] = std::from_chars(text.data(), end, number);
    if (status != std::errc() || stop != end || number < low || number > high) {
      return Fail(std::string("bad value of '") + name + "'");
    }
    return true;
  }

  bool Int(const char* name, int64_t low, int64_t high, int& number) {
    int64_t wide = 0;
    if (!Number(name, low, high, wide)) return false;
    number = static_cast<int>(wide);
    return true;
  }

  bool Flag(const char* name, bool& flag) {
    int64_t value = 0;
    if (!Number(name, 0, 1, value)) return false;
    flag = value == 1;
    return true;
  }

  bool Document(DocumentKind& kind) {
    std::string_view text;
    if (!Value("document", text)) return false;
    for (DocumentKind k : {DocumentKind::kNone, DocumentKind::kFiscalCoupon,
                           DocumentKind::kNonFiscalReceipt, DocumentKind::kManagementReport}) {
      if (text == DocumentName(k)) {
        kind = k;
        return true;
      }
    }
    return Fail("bad value of 'document'");
  }

  bool Paper(PaperLevel& level) {
    std::string_view text;
    if (!Value("paper", text)) return false;
    for (PaperLevel l : {PaperLevel::kOk, PaperLevel::kLow, PaperLevel::kOut}) {
      if (text == PaperName(l)) {
        level = l;
        return true;
      }
    }
    return Fail("bad value of 'paper'");
  }

  bool TapeLines(int width, std::vector<AnsiString>& tape) {
    int64_t count = 0;
    if (!Number("tape", 0, kLongestTape, count)) return false;
    tape.clear();
    for (int64_t i = 0; i < count; ++i) {
      std::string_view line;
      if (!lines_.Next(line)) return Fail("the tape is cut short");
      AnsiString printed;
      if (line.empty() || line[0] != '|' || !UnescapeLine(line.substr(1), printed)) {
        return Fail("bad tape line");
      }
      if (printed.size() > static_cast<size_t>(width)) return Fail("tape line wider than the tape");
      tape.push_back(printed);
    }
    return true;
  }

  bool End() {
    std::string_view line;
    if (lines_.Next(line)) return Fail("unexpected text after the tape");
    return true;
  }

  const AnsiString& Error() const { return error_; }

 private:
  bool Fail(const std::string& reason) {
    error_ = "line " + std::to_string(lines_.Number()) + ": " + reason;
    return false;
  }

  LineReader lines_;
  AnsiString error_;
};

}  // namespace

std::string EncodeState(const PrinterState& s) {
  std::string text;
  auto put = [&text](const char* name, const std::string& value) {
    text += name;
    text += ' ';
    text += value;
    text += '\n';
  };
  text += kHeader;
  text += '\n';
  put("day_open", s.dayOpen ? "1" : "0");
  put("z_pending", s.zPending ? "1" : "0");
  put("document", DocumentName(s.document));
  put("last_coupon_coo", std::to_string(s.lastCouponCoo));
  put("cheque", s.chequeInProgress ? "1" : "0");
  put("paper", PaperName(s.paper));
  put("coo", std::to_string(s.counters.coo));
  put("ccf", std::to_string(s.counters.ccf));
  put("gnf", std::to_string(s.counters.gnf));
  put("grg", std::to_string(s.counters.grg));
  put("cfc", std::to_string(s.counters.cfc));
  put("crz", std::to_string(s.counters.crz));
  put("cro", std::to_string(s.counters.cro));
  put("clock_offset_ms", std::to_string(s.clockOffsetMs));
  put("summer_time", s.summerTime ? "1" : "0");
  put("tape_width", std::to_string(s.tapeWidth));
  put("tape", std::to_string(s.tape.size()));
  for (const AnsiString& line : s.tape) {
    text += '|';
    text += EscapeLine(line);
    text += '\n';
  }
  text += kChecksumName + Hex8(Crc32(text)) + '\n';
  return text;
}

bool DecodeState(std::string_view text, PrinterState& state, AnsiString& error) {
  if (text.empty()) {
    error = "the file is empty";
    return false;
  }
  // The checksum line comes last and covers everything before it.
  const size_t lastLine =
      text.size() >= 2 ? text.rfind('\n', text.size() - 2) : std::string_view::npos;
  const size_t checksumAt = lastLine == std::string_view::npos ? 0 : lastLine + 1;
  const std::string expected = kChecksumName + Hex8(Crc32(text.substr(0, checksumAt))) + "\n";
  if (text.substr(checksumAt) != expected) {
    error = "checksum does not match (the file is cut short or altered)";
    return false;
  }

  Decoder d(text.substr(0, checksumAt));
  PrinterState s;
  int tapeWidth = 0;
  const bool ok = d.Header() && d.Flag("day_open", s.dayOpen) && d.Flag("z_pending", s.zPending) &&
                  d.Document(s.document) &&
                  d.Int("last_coupon_coo", 0, kLargestCounter, s.lastCouponCoo) &&
                  d.Flag("cheque", s.chequeInProgress) && d.Paper(s.paper) &&
                  d.Int("coo", 0, kLargestCounter, s.counters.coo) &&
                  d.Int("ccf", 0, kLargestCounter, s.counters.ccf) &&
                  d.Int("gnf", 0, kLargestCounter, s.counters.gnf) &&
                  d.Int("grg", 0, kLargestCounter, s.counters.grg) &&
                  d.Int("cfc", 0, kLargestCounter, s.counters.cfc) &&
                  d.Int("crz", 0, kLargestCounter, s.counters.crz) &&
                  d.Int("cro", 0, kLargestCounter, s.counters.cro) &&
                  d.Number("clock_offset_ms", -kLongestOffsetMs, kLongestOffsetMs,
                           s.clockOffsetMs) &&
                  d.Flag("summer_time", s.summerTime) &&
                  d.Int("tape_width", kNarrowTape, kWideTape, tapeWidth);
  if (!ok) {
    error = d.Error();
    return false;
  }
  if (tapeWidth != kNarrowTape && tapeWidth != kWideTape) {
    error = "tape_width must be 40 or 48";
    return false;
  }
  s.tapeWidth = tapeWidth;
  if (!d.TapeLines(tapeWidth, s.tape) || !d.End()) {
    error = d.Error();
    return false;
  }
  state = std::move(s);
  return true;
}

}  // namespace mdx::emulator
