// Rules shared by the tables the till programs ("39" payment methods, "38"
// totalizers): how a list of entries is cut, what a valid entry holds, and
// when two names are the same.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

// Cuts a programming list into entries of `width` characters. A last piece
// shorter than `width` is taken blank-filled when it holds at least a lead
// character and one name character; a last piece of one character makes the
// list invalid (nullopt). An empty list gives no entries.
std::optional<std::vector<AnsiString>> SplitEntries(std::string_view list, size_t width);

// One programmed entry: its lead character (flag or marker) and its name
// with trailing blanks removed.
struct ProgrammedEntry {
  char lead = ' ';
  AnsiString name;
};

// Reads an entry cut by SplitEntries. nullopt when the lead is blank, the
// name is all blanks, or any character is a control character.
std::optional<ProgrammedEntry> ReadEntry(std::string_view entry);

// True when the names are the same ignoring letter case (Windows-1252
// letters included) and trailing blanks.
bool SameName(std::string_view a, std::string_view b);

// `text` blank-filled (or cut) to `width`.
AnsiString BlankFilled(std::string_view text, size_t width);

// The reason why a used entry's name is invalid, or "" when it is valid:
// 1 to `width` characters, no control characters, no trailing blank.
AnsiString NameProblem(std::string_view name, size_t width);

// True for a character a table entry may hold: not below 0x20, not 0x7F.
bool IsPrintable(char c);

}  // namespace mdx::emulator
