// Constants of the binary data-packet layout (".cds" files and data packets).
#pragma once

#include <cstddef>
#include <cstdint>

namespace mdx::dataset::packet {

constexpr uint8_t kSignature[4] = {0x96, 0x19, 0xE0, 0xBD};
constexpr int32_t kVersion = 1;       // header offset 4
constexpr int32_t kHeaderMark = 24;   // header offset 8
constexpr int32_t kHeaderFlags = 3;   // header offset 18
constexpr size_t kHeaderSize = 24;

// Field and property types: low 6 bits the base type, plus flags.
constexpr uint16_t kTypeMask = 0x3F;
constexpr uint16_t kVarying = 0x40;
constexpr uint16_t kArray = 0x80;

constexpr uint16_t kInt = 1;
constexpr uint16_t kUInt = 2;
constexpr uint16_t kBool = 3;
constexpr uint16_t kFloat = 4;
constexpr uint16_t kBcd = 5;
constexpr uint16_t kDate = 6;
constexpr uint16_t kTime = 7;
constexpr uint16_t kTimeStamp = 8;
constexpr uint16_t kZString = 9;
constexpr uint16_t kUniString = 10;
constexpr uint16_t kBytes = 11;

// Field attributes (the bits match TFieldAttribute's order).
constexpr uint16_t kAttributeMask = 0x0F;

// Record status bits.
constexpr uint8_t kRecOriginal = 0x01;
constexpr uint8_t kRecDeleted = 0x02;
constexpr uint8_t kRecInserted = 0x04;
constexpr uint8_t kRecModified = 0x08;
constexpr uint8_t kRecUnused = 0x20;

// Field status, two bits a field.
constexpr uint8_t kFieldValue = 0;
constexpr uint8_t kFieldNull = 1;
constexpr uint8_t kFieldNotChanged = 2;

// Property names this layer reads or writes.
constexpr const char* kWidth = "WIDTH";
constexpr const char* kSubtype = "SUBTYPE";
constexpr const char* kLcid = "LCID";
constexpr const char* kChangeLog = "CHANGE_LOG";
// The dataset's index definitions (our own property; see index_defs_codec.h).
constexpr const char* kIndexDefs = "MDX_INDEXDEFS";

constexpr int32_t kLcidBrazil = 0x0416;

}  // namespace mdx::dataset::packet
