// Command frames and the common part of every reply, as the package sees them.
#pragma once

#include "mdx00200/ansi_string.h"

namespace Mdx00200::channel {

// The code that goes on the wire for a caller's code ("12SN" -> "12N", ...).
mdx::AnsiString WireCode(const mdx::AnsiString& code);
// ESC "." wire code + params[0..lastIndex] + "}".
mdx::AnsiString BuildFrame(const mdx::AnsiString& code, const mdx::AnsiString* params,
                           int lastIndex);

// Reply checks, all on 1-based positions of the raw reply; a reply too short
// for a position never matches there.
bool IsAccepted(const mdx::AnsiString& reply);   // ".+" at 1-2
bool IsBusy(const mdx::AnsiString& reply);       // "-P006" at 2-6
bool IsPaperCode(const mdx::AnsiString& reply);  // ".+P" or ".-P" at 1-3 and "5" at 6
bool IsOperationLeftOpen(const mdx::AnsiString& reply);  // 7 to end "ERRO-OPERACAO NAO ENCERRADA}"

}  // namespace Mdx00200::channel
