// The journal beside a state file, "<state file>.journal.<n>": what only
// grows (the paper tape, the detail-tape memory, the fiscal memory),
// appended and never rewritten. Each record is
//
//   checksum  4 bytes, little-endian: CRC-32 of the type byte and the
//             payload, masked (MaskedCrc) so that a record holding CRCs of
//             its own does not checksum to a pattern
//   length    4 bytes, little-endian: the payload's length
//   type      1 byte; 0 is never written, so zeroed space is no record
//   payload   `length` bytes of "name value" lines (state_lines.h):
//     tape:    "tape_from <line>" then one "|"-line per printed line
//     detail:  one "detail_document" record (detail_codec.h), its position
//              the record's place in the detail memory, from 1
//     z:       one "z_record" line (fiscal_memory_codec.h)
//
// The state file says how many bytes of the journal it covers; bytes after
// them belong to a command that was never answered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mdx::emulator {

enum class JournalType : unsigned char { kTape = 1, kDetail = 2, kZ = 3 };

inline constexpr size_t kJournalHeaderSize = 9;
// No record is longer: a larger length is damage, not a record.
inline constexpr uint32_t kLongestJournalPayload = 64u << 20;

uint32_t MaskedCrc(std::string_view typeAndPayload);

// The record's bytes, header and payload.
std::string JournalRecord(JournalType type, std::string_view payload);

}  // namespace mdx::emulator
