#include "emulator/journal_reader.h"

#include <utility>

#include "emulator/journal_file.h"

namespace mdx::emulator {

namespace {

uint32_t Fixed32(const unsigned char* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
         uint32_t{bytes[3]} << 24;
}

bool KnownType(unsigned char type) {
  return type >= static_cast<unsigned char>(JournalType::kTape) &&
         type <= static_cast<unsigned char>(JournalType::kZ);
}

}  // namespace

JournalReader::JournalReader(std::FILE* file, int64_t from, int64_t end, DamageSink damage)
    : file_(file), at_(from), end_(end), damage_(std::move(damage)) {
  if (file_ && !SeekTo(file_, from)) file_ = nullptr;
}

bool JournalReader::Read(void* into, size_t bytes) {
  return bytes == 0 || std::fread(into, 1, bytes, file_) == bytes;
}

bool JournalReader::Next(JournalEntry& entry) {
  while (file_ && at_ < end_) {
    const int64_t left = end_ - at_;
    unsigned char header[kJournalHeaderSize];
    if (left < static_cast<int64_t>(kJournalHeaderSize) || !Read(header, sizeof header)) {
      damage_(at_, left, "a record cut short");
      at_ = end_;
      return false;
    }
    const uint32_t length = Fixed32(header + 4);
    const unsigned char type = header[8];
    const int64_t size = static_cast<int64_t>(kJournalHeaderSize) + length;
    if (length > kLongestJournalPayload || size > left || !KnownType(type)) {
      damage_(at_, left, length > kLongestJournalPayload || size > left
                             ? "a record's length runs past the journal's end"
                             : "a record of unknown type");
      at_ = end_;
      return false;
    }
    std::string body(1 + length, '\0');
    body[0] = static_cast<char>(type);
    if (!Read(body.data() + 1, length)) {
      damage_(at_, left, "the journal cannot be read");
      at_ = end_;
      return false;
    }
    const int64_t offset = at_;
    at_ += size;
    if (MaskedCrc(body) != Fixed32(header)) {
      damage_(offset, size, "a record's checksum does not match");
      continue;
    }
    entry.type = static_cast<JournalType>(type);
    entry.offset = offset;
    entry.payload.assign(body, 1, std::string::npos);
    return true;
  }
  return false;
}

}  // namespace mdx::emulator
