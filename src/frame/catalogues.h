// The lines of the package's message catalogues.
#pragma once

#include "mdx00200/messages.h"

namespace Mdx00200 {

// Appends the 290 lines of msgPadrao, in order, duplicates kept.
void FillMsgPadrao(Kor_msg::TMessages& catalogue);
// Appends the 42 lines of msgPadrao2, in order.
void FillMsgPadrao2(Kor_msg::TMessages& catalogue);

}  // namespace Mdx00200
