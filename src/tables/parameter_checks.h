// Parameters that would go out misaligned are refused before anything is
// sent: the printer reads its fields by position, so a short or long field
// would put other values in the fields after it, and what the printer takes
// into its tables or totals cannot be undone.
#pragma once

#include "mdx00200/ansi_string.h"

namespace Mdx00200::tables {

// True when text is exactly `width` decimal digits.
bool IsDigits(const mdx::AnsiString& text, size_t width);

// Reports a refused command and returns false. The text is the catalogue's
// "ParamInvalido" followed by `detail`; it is logged as "ERRO!!! " + text and,
// unless ownErrorHandling, gathered in stMensagemTaa and shown (kind 3) where
// dialogs may be shown.
bool RefuseParameters(const mdx::AnsiString& scheme, const mdx::AnsiString& detail,
                      bool ownErrorHandling);

}  // namespace Mdx00200::tables
