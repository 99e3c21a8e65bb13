// The default cipher of configuration fields (HostServices::Cripto/Uncripto).
//
// Scheme: a key stream of one byte per position comes from a 32-bit linear
// congruential generator seeded with the key (state = state * 1103515245 +
// 12345, taking bits 16..23 of each new state). Each text byte is added to its
// key byte modulo 256 and written as two letters "A".."P" (high half first).
// So:
//   - the same text and key always give the same cipher text (callers filter
//     a dataset on it);
//   - the cipher text has only the letters A..P: printable, no quote, no
//     blank, no backslash, the same under any case folding of the filter;
//   - the cipher text is exactly twice as long as the text, so a field that
//     holds it needs twice the width of the clear value;
//   - every byte 0..255 round-trips, for texts of any length.
// It hides values from a casual reader; it is no protection against anyone
// who has this code.
#pragma once

#include "mdx00200/ansi_string.h"

namespace mdx::hostlib {

AnsiString DefaultCripto(const AnsiString& text, int key);
// Raises mdx::Exception when text is not a cipher text of this scheme (odd
// length, or a character other than A..P).
AnsiString DefaultUncripto(const AnsiString& text, int key);

}  // namespace mdx::hostlib
