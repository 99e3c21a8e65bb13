// The two message catalogues, carried as UTF-8 lines and converted to the
// package's code page once, when the data module is created.
#include "frame/catalogues.h"

namespace Mdx00200 {

namespace {

const char* const kMsgPadrao[] = {
#include "frame/catalogue_msgpadrao.inc"
};

const char* const kMsgPadrao2[] = {
#include "frame/catalogue_msgpadrao2.inc"
};

void Fill(Kor_msg::TMessages& catalogue, const char* const* lines, size_t count) {
  for (size_t i = 0; i < count; ++i) catalogue.AddLine(mdx::Utf8ToAnsi(lines[i]));
}

}  // namespace

void FillMsgPadrao(Kor_msg::TMessages& catalogue) {
  Fill(catalogue, kMsgPadrao, sizeof kMsgPadrao / sizeof kMsgPadrao[0]);
}

void FillMsgPadrao2(Kor_msg::TMessages& catalogue) {
  Fill(catalogue, kMsgPadrao2, sizeof kMsgPadrao2 / sizeof kMsgPadrao2[0]);
}

mdx::AnsiString FillPlaceholder(const mdx::AnsiString& text, const mdx::AnsiString& value) {
  mdx::AnsiString filled = text;
  const size_t at = filled.find("%s");
  if (at != mdx::AnsiString::npos) filled.replace(at, 2, value);
  return filled;
}

}  // namespace Mdx00200
