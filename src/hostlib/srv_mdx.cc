// The host's document register, through the installed host services.
#include "mdx00200/hostlib.h"

namespace Srv_mdx {

void GravaCER(const mdx::AnsiString& a, const mdx::AnsiString& b, mdx::TDateTime when) {
  mdx::Host().GravaCER(a, b, when);
}

}  // namespace Srv_mdx
