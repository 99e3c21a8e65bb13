// The lines of the package's message catalogues.
#pragma once

#include "mdx00200/export.h"
#include "mdx00200/messages.h"

namespace Mdx00200 {

// Appends the 290 lines of msgPadrao, in order, duplicates kept.
void FillMsgPadrao(Kor_msg::TMessages& catalogue);
// Appends the 42 lines of msgPadrao2, in order.
void FillMsgPadrao2(Kor_msg::TMessages& catalogue);

// A catalogue text with its first "%s" replaced by `value`; a text without
// "%s" comes back unchanged. The value is copied as it stands and never read
// as a format, so host text holding "%", "%s" or "%n" prints literally.
MDX_API mdx::AnsiString FillPlaceholder(const mdx::AnsiString& text, const mdx::AnsiString& value);

}  // namespace Mdx00200
