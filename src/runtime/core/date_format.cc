// FormatDateTime and the text-to-date conversions, with the platform's mask
// letters and scanning rules. Names of months and days are the Brazilian
// (Portuguese) ones, in code page 1252.
#include <string>

#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"

namespace mdx {
namespace {

const char* const kShortMonthNames[12] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                          "jul", "ago", "set", "out", "nov", "dez"};
const char* const kLongMonthNames[12] = {"janeiro", "fevereiro", "mar\xE7o",  "abril",
                                         "maio",    "junho",     "julho",     "agosto",
                                         "setembro", "outubro",  "novembro",  "dezembro"};
// Indexed by DayOfWeek - 1 (Sunday first).
const char* const kShortDayNames[7] = {"dom", "seg", "ter", "qua", "qui", "sex", ("s\xE1" "b")};
const char* const kLongDayNames[7] = {"domingo",      "segunda-feira", ("ter\xE7" "a-feira"),
                                      "quarta-feira", "quinta-feira",  "sexta-feira",
                                      ("s\xE1" "bado")};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Case-insensitive (ASCII) comparison of `word` with the text at `pos`.
bool MatchesAt(const AnsiString& text, size_t pos, const char* word) {
  for (size_t k = 0; word[k] != '\0'; ++k) {
    if (pos + k >= text.size() || Upper(text[pos + k]) != Upper(word[k])) return false;
  }
  return true;
}

void AppendNumber(AnsiString& out, int value, int minDigits) {
  AnsiString digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < minDigits) {
    out.append(static_cast<size_t>(minDigits) - digits.size(), '0');
  }
  out += digits;
}

struct Decoded {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, ms = 0;
  int dayOfWeek = 1;
};

class DateFormatter {
 public:
  explicit DateFormatter(TDateTime value) {
    // One decoding on whole milliseconds for date and time alike, so that
    // 23:59:59.9996 is the next day at 00:00:00.000 everywhere.
    const TDateTime rounded = MillisecondsToDateTime(DateTimeToMilliseconds(value));
    DecodeDate(rounded, d_.year, d_.month, d_.day);
    DecodeTime(rounded, d_.hour, d_.minute, d_.second, d_.ms);
    d_.dayOfWeek = DayOfWeek(rounded);
  }

  AnsiString Format(const AnsiString& mask) {
    out_.clear();
    Append(mask.empty() ? AnsiString("C") : mask, 0);
    return out_;
  }

 private:
  void Append(const AnsiString& f, int level) {
    if (level >= 2) return;  // nested formats go two levels deep, as on the platform
    const TFormatSettings& fs = FormatSettings();
    char lastToken = ' ';
    bool use12Hour = false;
    size_t i = 0;
    while (i < f.size()) {
      const char starter = f[i];
      ++i;
      char token = Upper(starter);
      if (IsLetter(token)) {
        if (token == 'M' && lastToken == 'H') token = 'N';
        lastToken = token;
      }
      // Counts the run of the same character (exactly, as the platform does).
      auto count = [&]() {
        int n = 1;
        while (i < f.size() && f[i] == starter) {
          ++n;
          ++i;
        }
        return n;
      };
      switch (token) {
        case 'Y': {
          const int n = count();
          if (n <= 2) {
            AppendNumber(out_, d_.year % 100, 2);
          } else {
            AppendNumber(out_, d_.year, 4);
          }
          break;
        }
        case 'M': {
          const int n = count();
          if (n <= 2 && NextLetterIsSecond(f, i)) {
            // "mm:ss": minutes before seconds.
            lastToken = 'N';
            AppendNumber(out_, d_.minute, n);
            break;
          }
          if (n <= 2) {
            AppendNumber(out_, d_.month, n);
          } else if (d_.month >= 1) {
            out_ += n == 3 ? kShortMonthNames[d_.month - 1] : kLongMonthNames[d_.month - 1];
          }
          break;
        }
        case 'D': {
          const int n = count();
          if (n <= 2) {
            AppendNumber(out_, d_.day, n);
          } else if (n == 3) {
            out_ += kShortDayNames[d_.dayOfWeek - 1];
          } else if (n == 4) {
            out_ += kLongDayNames[d_.dayOfWeek - 1];
          } else if (n == 5) {
            Append(fs.ShortDateFormat, level + 1);
          } else {
            Append(fs.LongDateFormat, level + 1);
          }
          break;
        }
        case 'H': {
          int n = count();
          // A 12-hour clock when an am/pm marker follows before the next "h".
          bool quoted = false;
          for (size_t p = i; p < f.size(); ++p) {
            const char c = f[p];
            if (c == '\'' || c == '"') {
              quoted = !quoted;
            } else if (!quoted && (c == 'a' || c == 'A')) {
              if (MatchesAt(f, p, "AM/PM") || MatchesAt(f, p, "A/P") || MatchesAt(f, p, "AMPM")) {
                use12Hour = true;
              }
              break;
            } else if (!quoted && (c == 'h' || c == 'H')) {
              break;
            }
          }
          int h = d_.hour;
          if (use12Hour) {
            if (h == 0) {
              h = 12;
            } else if (h > 12) {
              h -= 12;
            }
          }
          if (n > 2) n = 2;
          AppendNumber(out_, h, n);
          break;
        }
        case 'N': {
          int n = count();
          if (n > 2) n = 2;
          AppendNumber(out_, d_.minute, n);
          break;
        }
        case 'S': {
          int n = count();
          if (n > 2) n = 2;
          AppendNumber(out_, d_.second, n);
          break;
        }
        case 'Z': {
          int n = count();
          if (n > 3) n = 3;
          AppendNumber(out_, d_.ms, n);
          break;
        }
        case 'T': {
          const int n = count();
          Append(n == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, level + 1);
          break;
        }
        case 'C': {
          count();
          Append(fs.ShortDateFormat, level + 1);
          if (d_.hour != 0 || d_.minute != 0 || d_.second != 0) {
            out_ += ' ';
            Append(fs.LongTimeFormat, level + 1);
          }
          break;
        }
        case 'A': {
          const size_t p = i - 1;
          if (MatchesAt(f, p, "AM/PM")) {
            out_ += d_.hour >= 12 ? f.substr(p + 3, 2) : f.substr(p, 2);
            i = p + 5;
            use12Hour = true;
          } else if (MatchesAt(f, p, "A/P")) {
            out_ += d_.hour >= 12 ? f.substr(p + 2, 1) : f.substr(p, 1);
            i = p + 3;
            use12Hour = true;
          } else if (MatchesAt(f, p, "AMPM")) {
            out_ += d_.hour < 12 ? fs.TimeAMString : fs.TimePMString;
            i = p + 4;
            use12Hour = true;
          } else if (MatchesAt(f, p, "AAAA")) {
            out_ += kLongDayNames[d_.dayOfWeek - 1];
            i = p + 4;
          } else if (MatchesAt(f, p, "AAA")) {
            out_ += kShortDayNames[d_.dayOfWeek - 1];
            i = p + 3;
          } else {
            out_ += starter;
          }
          break;
        }
        case '/':
          if (fs.DateSeparator != '\0') out_ += fs.DateSeparator;
          break;
        case ':':
          if (fs.TimeSeparator != '\0') out_ += fs.TimeSeparator;
          break;
        case '\'':
        case '"': {
          const size_t close = f.find(starter, i);
          if (close == AnsiString::npos) {
            out_ += f.substr(i);
            i = f.size();
          } else {
            out_ += f.substr(i, close - i);
            i = close + 1;
          }
          break;
        }
        default:
          out_ += starter;
          break;
      }
    }
  }

  // True when the next mask letter after position `from` (skipping
  // separators and blanks, not quoted text) is an "s".
  static bool NextLetterIsSecond(const AnsiString& f, size_t from) {
    for (size_t p = from; p < f.size(); ++p) {
      const char c = f[p];
      if (c == '\'' || c == '"') return false;
      if (IsLetter(c)) return Upper(c) == 'S';
    }
    return false;
  }

  Decoded d_;
  AnsiString out_;
};

// ---------------------------------------------------------------- scanning

class Scanner {
 public:
  explicit Scanner(const AnsiString& text) : s_(text) {}

  bool AtEnd() const { return pos_ >= s_.size(); }

  void Blanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }

  // Up to four significant digits, as the platform reads them.
  bool Number(int& value, int& length) {
    Blanks();
    size_t p = pos_;
    int n = 0;
    while (p < s_.size() && s_[p] >= '0' && s_[p] <= '9' && n < 1000) {
      n = n * 10 + (s_[p] - '0');
      ++p;
    }
    if (p == pos_) return false;
    length = static_cast<int>(p - pos_);
    value = n;
    pos_ = p;
    return true;
  }

  bool Char(char c) {
    Blanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool Word(const AnsiString& word) {
    if (word.empty()) return false;
    Blanks();
    if (!MatchesAt(s_, pos_, word.c_str())) return false;
    pos_ += word.size();
    return true;
  }

  bool Date(TDateTime& result) {
    const TFormatSettings& fs = FormatSettings();
    const DateOrder order = OrderOf(fs.ShortDateFormat);
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!(Number(n1, l1) && Char(fs.DateSeparator) && Number(n2, l2))) return false;
    int y = 0, m = 0, d = 0;
    if (Char(fs.DateSeparator)) {
      if (!Number(n3, l3)) return false;
      int yearLength = 0;
      switch (order) {
        case DateOrder::MDY: y = n3; yearLength = l3; m = n1; d = n2; break;
        case DateOrder::DMY: y = n3; yearLength = l3; m = n2; d = n1; break;
        case DateOrder::YMD: y = n1; yearLength = l1; m = n2; d = n3; break;
      }
      // Two-digit years: 00..49 are 2000..2049, 50..99 are 1950..1999.
      if (yearLength <= 2) y += y < 50 ? 2000 : 1900;
    } else {
      // Day and month only: the current year.
      int cy = 0, cm = 0, cd = 0;
      DecodeDate(mdx::Now(), cy, cm, cd);
      y = cy;
      if (order == DateOrder::MDY) {
        m = n1;
        d = n2;
      } else {
        d = n1;
        m = n2;
      }
    }
    Char(fs.DateSeparator);
    Blanks();
    return TryEncodeDate(y, m, d, result);
  }

  bool Time(TDateTime& result) {
    const TFormatSettings& fs = FormatSettings();
    int baseHour = -1;
    if (Word(fs.TimeAMString) || Word("AM")) {
      baseHour = 0;
    } else if (Word(fs.TimePMString) || Word("PM")) {
      baseHour = 12;
    }
    if (baseHour >= 0) Blanks();
    int hour = 0, minute = 0, second = 0, ms = 0, length = 0;
    if (!Number(hour, length)) return false;
    if (Char(fs.TimeSeparator)) {
      if (!Number(minute, length)) return false;
      if (Char(fs.TimeSeparator)) {
        if (!Number(second, length)) return false;
        if (Char(fs.DecimalSeparator)) {
          if (!Number(ms, length)) return false;
        }
      }
    }
    if (baseHour < 0) {
      if (Word(fs.TimeAMString) || Word("AM")) {
        baseHour = 0;
      } else if (Word(fs.TimePMString) || Word("PM")) {
        baseHour = 12;
      }
    }
    if (baseHour >= 0) {
      if (hour == 0 || hour > 12) return false;
      if (hour == 12) hour = 0;
      hour += baseHour;
    }
    Blanks();
    return TryEncodeTime(hour, minute, second, ms, result);
  }

 private:
  enum class DateOrder { MDY, DMY, YMD };

  static DateOrder OrderOf(const AnsiString& format) {
    for (char c : format) {
      switch (Upper(c)) {
        case 'E':
        case 'Y':
          return DateOrder::YMD;
        case 'M':
          return DateOrder::MDY;
        case 'D':
          return DateOrder::DMY;
        default:
          break;
      }
    }
    return DateOrder::MDY;
  }

  const AnsiString& s_;
  size_t pos_ = 0;
};

bool ParseTime(const AnsiString& text, TDateTime& result) {
  Scanner scanner(text);
  TDateTime value = 0;
  if (!scanner.Time(value) || !scanner.AtEnd()) return false;
  result = value;
  return true;
}

}  // namespace

AnsiString FormatDateTime(const AnsiString& mask, TDateTime value) {
  return DateFormatter(value).Format(mask);
}

AnsiString DateToStr(TDateTime value) { return FormatDateTime("ddddd", value); }
AnsiString TimeToStr(TDateTime value) { return FormatDateTime("tt", value); }
AnsiString DateTimeToStr(TDateTime value) { return FormatDateTime("c", value); }

bool TryStrToDate(const AnsiString& text, TDateTime& result) {
  Scanner scanner(text);
  TDateTime value = 0;
  if (!scanner.Date(value) || !scanner.AtEnd()) return false;
  result = value;
  return true;
}

TDateTime StrToDate(const AnsiString& text) {
  TDateTime value = 0;
  if (!TryStrToDate(text, value)) throw EConvertError("'" + text + "' is not a valid date");
  return value;
}

TDateTime StrToTime(const AnsiString& text) {
  TDateTime value = 0;
  if (!ParseTime(text, value)) throw EConvertError("'" + text + "' is not a valid time");
  return value;
}

bool TryStrToDateTime(const AnsiString& text, TDateTime& result) {
  Scanner scanner(text);
  TDateTime date = 0;
  TDateTime time = 0;
  if (scanner.Date(date) && (scanner.AtEnd() || (scanner.Time(time) && scanner.AtEnd()))) {
    result = date >= 0 ? date + time : date - time;
    return true;
  }
  // A time alone is a date-time on day 0.
  return ParseTime(text, result);
}

TDateTime StrToDateTime(const AnsiString& text) {
  TDateTime value = 0;
  if (!TryStrToDateTime(text, value)) {
    throw EConvertError("'" + text + "' is not a valid date and time");
  }
  return value;
}

}  // namespace mdx
