// The encoding of the texts that cross the C interface: UTF-8 or the
// printer's Windows-1252, chosen by the host.
#pragma once

#include <string>

#include "mdx00200/ansi_string.h"

namespace mdxcapi {

void SetCp1252(bool on);
// A host text as UTF-8 (for JSON), and UTF-8 as the host's text.
std::string HostToUtf8(const char* text);
std::string Utf8ToHost(const std::string& utf8);
// A package text (1252) as the host's text, and back.
std::string AnsiToHost(const mdx::AnsiString& text);
mdx::AnsiString HostToAnsi(const char* text);

}  // namespace mdxcapi
