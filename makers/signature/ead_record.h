// The EAD record that closes a signed file: "EAD", the 256 upper-case
// hexadecimal digits of the RSA signature, CR LF. It signs every byte before
// it, line ends included.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mdx::ead {

inline constexpr std::string_view kRecordTag = "EAD";

// The record line for a signature of 256 digits, CR LF included.
std::string MakeRecord(std::string_view signatureHex);

// The last line of a file. A final LF ends the last line rather than starting
// an empty one; an empty file has one empty line.
struct LastLine {
  size_t start = 0;   // offset of its first byte: the signed content ends here
  int number = 1;     // 1-based line number
  std::string_view text;      // without its line end
  std::string_view withEnd;   // up to the end of the file
};
LastLine FindLastLine(std::string_view bytes);

// True when a line (without its line end) is "EAD" and 256 hexadecimal digits
// of either case: a file whose last line looks so is treated as signed.
bool LooksLikeRecord(std::string_view line);

// The signature digits of a last line (with its line end) that is exactly a
// record as MakeRecord writes it; nullopt otherwise.
std::optional<std::string_view> RecordSignature(std::string_view lastLineWithEnd);

// PKCS#1 v1.5 type-1 padding of a 16-byte digest to 128 bytes:
// 00 01 FF..FF 00 digest.
std::string PadDigest(std::string_view digest);

}  // namespace mdx::ead
