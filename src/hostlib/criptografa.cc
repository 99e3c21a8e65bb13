// The configuration-field cipher, through the installed host services.
#include "mdx00200/hostlib.h"

namespace Criptografa {

mdx::AnsiString Cripto(const mdx::AnsiString& text, int key) { return mdx::Host().Cripto(text, key); }

mdx::AnsiString Uncripto(const mdx::AnsiString& text, int key) { return mdx::Host().Uncripto(text, key); }

}  // namespace Criptografa
