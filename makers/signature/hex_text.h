// Hexadecimal texts of big-endian unsigned numbers.
#pragma once

#include <string>
#include <string_view>

namespace mdx::ead {

// True when text is not empty and holds only 0-9, A-F, a-f.
bool IsHexText(std::string_view text);
// The bytes of an even- or odd-length hexadecimal text (an odd one gets a
// leading zero digit). The text must satisfy IsHexText.
std::string HexToBytes(std::string_view text);
// Two upper-case digits per byte.
std::string BytesToHex(std::string_view bytes);

}  // namespace mdx::ead
