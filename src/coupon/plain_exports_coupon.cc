// The sale operations under their plain names. Each forwards to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool AbreCupom(Variant& record) { return Mdx00200::AbreCupom(record); }

MDX_API bool VendaItem(Variant& record) { return Mdx00200::VendaItem(record); }

MDX_API bool FechaCupom(const Variant* params, int highIndex, TStringList* tefLines,
                        OleVariant& result) {
  return Mdx00200::FechaCupom(params, highIndex, tefLines, result);
}

}  // extern "C"
