// Ordering and equality of stored values, shared by indexes, Locate and
// filters. Null sorts before every value. Text compares by its single-byte
// codes, or by upper-cased codes when case-insensitive; wide text by UTF-16
// code units; numbers numerically (NaN after every other number), booleans
// false before true.
#pragma once

#include <string>
#include <vector>

#include "runtime/dataset/cell.h"

namespace mdx::dataset {

// <0, 0 or >0.
int CompareCells(const Cell& a, const Cell& b, Storage storage, bool caseInsensitive);
// Numbers with NaN after every other number.
int CompareNumbers(double a, double b);
// The upper-case form of a 1252 byte, as case-insensitive comparisons see it.
unsigned char UpperCase1252(unsigned char c);
// The UTF-16 unit at byte i of s (upper-cased through 1252 when asked), as
// wide-text comparisons see it.
unsigned WideCompareUnit(const std::string& s, size_t i, bool caseInsensitive);
// True when text starts with prefix (case-insensitive on request).
bool TextStartsWith(const std::string& text, const std::string& prefix, bool caseInsensitive);

// One part of a sort or search key.
struct KeyPart {
  int field = 0;
  Storage storage = Storage::Text;
  bool caseInsensitive = false;
};
using OrderKey = std::vector<KeyPart>;

int CompareRows(const Row& a, const Row& b, const OrderKey& key);
// Compares a row's key fields with key values given one per part.
int CompareRowToKey(const Row& row, const Row& keyValues, const OrderKey& key);

}  // namespace mdx::dataset
