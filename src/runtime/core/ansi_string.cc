#include "mdx00200/ansi_string.h"

#include <cctype>
#include <charconv>

#include "mdx00200/exceptions.h"

namespace mdx {

namespace {

// Unicode code points of the bytes 0x80..0x9F in code page 1252 (0 = unmapped).
constexpr unsigned kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char ToAnsiByte(unsigned cp) {
  int b = UnicodeToCp1252(cp);
  return b < 0 ? '?' : static_cast<char>(b);
}

bool IsAsciiSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

unsigned Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    unsigned cp = kHighControls[byte - 0x80];
    return cp == 0 ? byte : cp;  // unmapped bytes pass through as C1 controls
  }
  return byte;
}

int UnicodeToCp1252(unsigned codepoint) {
  if (codepoint < 0x80 || (codepoint >= 0xA0 && codepoint <= 0xFF)) {
    return static_cast<int>(codepoint);
  }
  for (int i = 0; i < 32; ++i) {
    unsigned mapped = kHighControls[i] == 0 ? 0x80u + i : kHighControls[i];
    if (mapped == codepoint) return 0x80 + i;
  }
  return -1;
}

WideString AnsiToWide(const AnsiString& text) {
  WideString out;
  out.reserve(text.size());
  for (unsigned char c : text) out += static_cast<wchar_t>(Cp1252ToUnicode(c));
  return out;
}

AnsiString WideToAnsi(const WideString& text) {
  AnsiString out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned cp = static_cast<unsigned>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      // Surrogate pairs are outside 1252: one '?' for the pair.
      if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
        unsigned low = static_cast<unsigned>(text[i + 1]);
        if (low >= 0xDC00 && low <= 0xDFFF) ++i;
      }
    }
    out += ToAnsiByte(cp);
  }
  return out;
}

AnsiString Utf8ToAnsi(const std::string& utf8) {
  AnsiString out;
  out.reserve(utf8.size());
  size_t i = 0;
  const size_t n = utf8.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    int extra;
    unsigned cp;
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1;
      cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2;
      cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3;
      cp = c & 0x07;
    } else {
      out += '?';
      ++i;
      continue;
    }
    bool valid = true;
    for (int k = 1; valid && k <= extra; ++k) {
      if (i + k >= n) {
        valid = false;
        break;
      }
      unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
      if ((cc & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    out += ToAnsiByte(cp);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

std::string AnsiToUtf8(const AnsiString& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (unsigned char c : text) AppendUtf8(out, Cp1252ToUnicode(c));
  return out;
}

AnsiString UpperCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

AnsiString LowerCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

namespace {
// 1252 letters with case: a-z, 0xE0-0xFE except 0xF7, and the few in 0x80-0x9F.
unsigned char AnsiUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}
unsigned char AnsiLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}
}  // namespace

AnsiString AnsiUpperCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out) c = static_cast<char>(AnsiUpper(static_cast<unsigned char>(c)));
  return out;
}

AnsiString AnsiLowerCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out) c = static_cast<char>(AnsiLower(static_cast<unsigned char>(c)));
  return out;
}

bool SameText(const AnsiString& a, const AnsiString& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

bool AnsiSameText(const AnsiString& a, const AnsiString& b) {
  return AnsiUpperCase(a) == AnsiUpperCase(b);
}

AnsiString Trim(const AnsiString& text) { return TrimLeft(TrimRight(text)); }

AnsiString TrimLeft(const AnsiString& text) {
  size_t i = 0;
  while (i < text.size() && IsAsciiSpaceOrControl(text[i])) ++i;
  return text.substr(i);
}

AnsiString TrimRight(const AnsiString& text) {
  size_t n = text.size();
  while (n > 0 && IsAsciiSpaceOrControl(text[n - 1])) --n;
  return text.substr(0, n);
}

AnsiString Copy(const AnsiString& text, int start, int count) {
  if (start < 1) start = 1;
  if (count <= 0 || static_cast<size_t>(start) > text.size()) return AnsiString();
  return text.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(count));
}

int Pos(const AnsiString& sub, const AnsiString& text) {
  if (sub.empty()) return 0;
  size_t at = text.find(sub);
  return at == AnsiString::npos ? 0 : static_cast<int>(at) + 1;
}

AnsiString StringReplaceAll(const AnsiString& text, const AnsiString& from, const AnsiString& to) {
  if (from.empty()) return text;
  AnsiString out;
  out.reserve(text.size());
  size_t start = 0;
  for (;;) {
    size_t at = text.find(from, start);
    if (at == AnsiString::npos) break;
    out.append(text, start, at - start);
    out += to;
    start = at + from.size();
  }
  out.append(text, start, AnsiString::npos);
  return out;
}

AnsiString IntToStr(long long value) { return std::to_string(value); }

int StrToInt(const AnsiString& text) {
  AnsiString t = Trim(text);
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (t.empty() || ec != std::errc() || ptr != last) {
    throw EConvertError("'" + text + "' is not a valid integer value");
  }
  return value;
}

int StrToIntDef(const AnsiString& text, int fallback) {
  try {
    return StrToInt(text);
  } catch (const EConvertError&) {
    return fallback;
  }
}

}  // namespace mdx
