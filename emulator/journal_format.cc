#include "emulator/journal_format.h"

#include "emulator/state_lines.h"

namespace mdx::emulator {

namespace {

void PutFixed32(std::string& out, uint32_t value) {
  for (int k = 0; k < 4; ++k) out += static_cast<char>((value >> (8 * k)) & 0xFFu);
}

}  // namespace

uint32_t MaskedCrc(std::string_view typeAndPayload) {
  const uint32_t crc = Crc32(typeAndPayload);
  return ((crc >> 15) | (crc << 17)) + 0xa282ead8u;
}

std::string JournalRecord(JournalType type, std::string_view payload) {
  std::string body(1, static_cast<char>(type));
  body += payload;
  std::string record;
  record.reserve(kJournalHeaderSize + payload.size());
  PutFixed32(record, MaskedCrc(body));
  PutFixed32(record, static_cast<uint32_t>(payload.size()));
  record += body;
  return record;
}

}  // namespace mdx::emulator
