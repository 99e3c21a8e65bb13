// Command frames and the common part of every reply, as the package sees them.
#pragma once

#include <cstddef>

#include "mdx00200/ansi_string.h"

namespace Mdx00200::channel {

// The code that goes on the wire for a caller's code ("12SN" -> "12N", ...).
mdx::AnsiString WireCode(const mdx::AnsiString& code);
// The longest frame the package sends, ESC and "}" included. Report texts
// go out in blocks of about 500 characters and a lone line of 2,000 still
// fits; a longer text is refused rather than handed to a printer whose
// buffer it could overrun.
inline constexpr size_t kLongestFrame = 4096;

// True for the commands whose text carries line ends by design: report and
// receipt text ("08") and the footer lines of the coupon closing ("12SN").
bool CarriesLineEnds(const mdx::AnsiString& code);

// ESC "." wire code + params[0..lastIndex] + "}". No byte of the parameters
// that the printer could read as control goes out: NUL, ESC and every other
// byte below 0x20, and DEL, become a blank (which keeps fixed-width fields
// aligned), except LF and CR in a command that carries line ends.
mdx::AnsiString BuildFrame(const mdx::AnsiString& code, const mdx::AnsiString* params,
                           int lastIndex);

// Reply checks, all on 1-based positions of the raw reply; a reply too short
// for a position never matches there.
bool IsAccepted(const mdx::AnsiString& reply);   // ".+" at 1-2
bool IsBusy(const mdx::AnsiString& reply);       // "-P006" at 2-6
bool IsPaperCode(const mdx::AnsiString& reply);  // ".+P" or ".-P" at 1-3 and "5" at 6
bool IsOperationLeftOpen(const mdx::AnsiString& reply);  // 7 to end "ERRO-OPERACAO NAO ENCERRADA}"

}  // namespace Mdx00200::channel
