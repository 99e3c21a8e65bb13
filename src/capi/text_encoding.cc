#include "capi/text_encoding.h"

namespace mdxcapi {

namespace {
bool g_cp1252 = false;
}  // namespace

void SetCp1252(bool on) { g_cp1252 = on; }

std::string HostToUtf8(const char* text) {
  const std::string raw = text ? text : "";
  return g_cp1252 ? mdx::AnsiToUtf8(raw) : raw;
}

std::string Utf8ToHost(const std::string& utf8) { return g_cp1252 ? mdx::Utf8ToAnsi(utf8) : utf8; }

std::string AnsiToHost(const mdx::AnsiString& text) { return g_cp1252 ? text : mdx::AnsiToUtf8(text); }

mdx::AnsiString HostToAnsi(const char* text) {
  const std::string raw = text ? text : "";
  return g_cp1252 ? raw : mdx::Utf8ToAnsi(raw);
}

}  // namespace mdxcapi
