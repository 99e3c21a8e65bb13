// The blocked-products report under its plain name, forwarding to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool ImprimeProdBloq(const AnsiString& scheme, TClientDataSet* products) {
  return Mdx00200::ImprimeProdBloq(scheme, products);
}

}  // extern "C"
