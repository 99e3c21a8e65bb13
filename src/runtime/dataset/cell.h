// The stored value of one field of one record, and how each field type keeps
// its value in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mdx00200/dataset_defs.h"

namespace mdx::dataset {

// How a field type keeps its value in a Cell.
enum class Storage : uint8_t {
  Text,      // bytes: single-byte (1252) text
  WideText,  // bytes: UTF-16LE code units
  Integer,   // integer: signed value of every integer kind
  Boolean,   // integer: 0 or 1
  Float,     // number: double (float and currency)
  Date,      // number: TDateTime, whole days
  Time,      // number: TDateTime, time of day only
  DateTime,  // number: TDateTime, whole milliseconds
  Bytes,     // bytes: memo, blob and fixed byte fields
};

Storage StorageOf(TFieldType type);
bool IsDateStorage(Storage storage);

struct Cell {
  std::string bytes;
  double number = 0;
  int64_t integer = 0;
  bool null = true;

  void Clear() {
    bytes.clear();
    number = 0;
    integer = 0;
    null = true;
  }
};

using Row = std::vector<Cell>;

}  // namespace mdx::dataset
