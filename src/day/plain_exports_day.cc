// The fiscal-day operations under their plain names. Each forwards to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool Atu_TotGeral(const Variant& params) { return Mdx00200::Atu_TotGeral(params); }

}  // extern "C"
