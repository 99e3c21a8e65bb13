// Supply and withdrawal under their plain names, each forwarding to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

extern "C" {

MDX_API bool Suprimento(const mdx::AnsiString& p1, const mdx::AnsiString& scheme, double amount) {
  return Mdx00200::Suprimento(p1, scheme, amount);
}

MDX_API bool Sangria(const mdx::AnsiString& p1, const mdx::AnsiString& scheme, double amount) {
  return Mdx00200::Sangria(p1, scheme, amount);
}

}  // extern "C"
