// Reading and writing the properties of fields and packets (name, value
// size, value type, value), and reading the few values this layer uses.
#pragma once

#include <optional>
#include <string>

#include "runtime/dataset/byte_io.h"
#include "runtime/dataset/schema.h"

namespace mdx::dataset {

// Raises EDatabaseError (through the reader) when the property runs past the
// end or its value size cannot be.
RawProperty ReadProperty(ByteReader& in);
void WriteProperty(ByteWriter& out, const RawProperty& property);

// The value of a plain integer property (signed or unsigned, 1, 2 or 4 bytes).
std::optional<int64_t> PropertyInteger(const RawProperty& property);
// The text of a varying single-byte string property, without its NULs.
std::optional<std::string> PropertyText(const RawProperty& property);

RawProperty MakeUInt16Property(const std::string& name, uint16_t value);
RawProperty MakeTextProperty(const std::string& name, const std::string& text);

}  // namespace mdx::dataset
