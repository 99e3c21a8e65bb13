// Text types of the runtime. AnsiString holds Windows-1252 bytes, as on the
// tills: widths, positions and padding count bytes. WideString holds UTF-16
// (or UTF-32 on Linux) code units; conversion to single-byte text maps
// through code page 1252.
#pragma once

#include <string>

namespace mdx {

using AnsiString = std::string;
using WideString = std::wstring;

// Code page 1252 <-> Unicode. Characters outside 1252 become '?'.
WideString AnsiToWide(const AnsiString& text);
AnsiString WideToAnsi(const WideString& text);

// Code page 1252 <-> UTF-8, for hosts and tools that show text. Invalid UTF-8
// sequences and characters outside 1252 become '?'.
AnsiString Utf8ToAnsi(const std::string& utf8);
std::string AnsiToUtf8(const AnsiString& text);

// The Unicode code point of one 1252 byte, and back (-1 when unmapped).
unsigned Cp1252ToUnicode(unsigned char byte);
int UnicodeToCp1252(unsigned codepoint);

// Text helpers with the platform's semantics (1252 letters included).
AnsiString UpperCase(const AnsiString& text);  // ASCII letters only, like UpperCase
AnsiString LowerCase(const AnsiString& text);
AnsiString AnsiUpperCase(const AnsiString& text);  // accented letters too
AnsiString AnsiLowerCase(const AnsiString& text);
bool SameText(const AnsiString& a, const AnsiString& b);  // ASCII case-insensitive
bool AnsiSameText(const AnsiString& a, const AnsiString& b);
AnsiString Trim(const AnsiString& text);       // removes bytes <= ' ' at both ends
AnsiString TrimLeft(const AnsiString& text);
AnsiString TrimRight(const AnsiString& text);

// 1-based substring as the platform's Copy: out-of-range starts give "",
// counts past the end are clipped.
AnsiString Copy(const AnsiString& text, int start, int count);
// 1-based position of sub in text, 0 when absent.
int Pos(const AnsiString& sub, const AnsiString& text);

AnsiString StringReplaceAll(const AnsiString& text, const AnsiString& from,
                            const AnsiString& to);

AnsiString IntToStr(long long value);
// Decimal integer text; raises EConvertError when it is not one.
int StrToInt(const AnsiString& text);
int StrToIntDef(const AnsiString& text, int fallback);

}  // namespace mdx
