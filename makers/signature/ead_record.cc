#include "signature/ead_record.h"

#include "signature/hex_text.h"
#include "signature/rsa_key.h"

namespace mdx::ead {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsUpperHex(std::string_view text) {
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return !text.empty();
}

}  // namespace

std::string MakeRecord(std::string_view signatureHex) {
  std::string record(kRecordTag);
  record.append(signatureHex);
  record.append(kLineEnd);
  return record;
}

LastLine FindLastLine(std::string_view bytes) {
  LastLine line;
  size_t end = bytes.size();
  if (end > 0 && bytes[end - 1] == '\n') {
    --end;
    if (end > 0 && bytes[end - 1] == '\r') --end;
  }
  const size_t feed = end == 0 ? std::string_view::npos : bytes.rfind('\n', end - 1);
  line.start = feed == std::string_view::npos ? 0 : feed + 1;
  for (size_t i = 0; i < line.start; ++i) {
    if (bytes[i] == '\n') ++line.number;
  }
  line.text = bytes.substr(line.start, end - line.start);
  line.withEnd = bytes.substr(line.start);
  return line;
}

bool LooksLikeRecord(std::string_view line) {
  return line.size() == kRecordTag.size() + kKeyDigits && line.substr(0, kRecordTag.size()) == kRecordTag &&
         IsHexText(line.substr(kRecordTag.size()));
}

std::optional<std::string_view> RecordSignature(std::string_view lastLineWithEnd) {
  const std::string_view line = lastLineWithEnd;
  if (line.size() != kRecordTag.size() + kKeyDigits + kLineEnd.size() ||
      line.substr(0, kRecordTag.size()) != kRecordTag || line.substr(line.size() - kLineEnd.size()) != kLineEnd) {
    return std::nullopt;
  }
  const std::string_view digits = line.substr(kRecordTag.size(), kKeyDigits);
  if (!IsUpperHex(digits)) return std::nullopt;
  return digits;
}

std::string PadDigest(std::string_view digest) {
  std::string padded;
  padded.reserve(kKeyBytes);
  padded.push_back('\x00');
  padded.push_back('\x01');
  padded.append(kKeyBytes - 3 - digest.size(), '\xFF');
  padded.push_back('\x00');
  padded.append(digest);
  return padded;
}

}  // namespace mdx::ead
