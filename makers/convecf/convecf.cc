// The entry point of CONVECF, as the package resolves it by name. It finds
// the printer itself and hands over to the core (fiscalfiles/operations.h,
// ConvertMemory, where the arguments and codes are described).
#include <type_traits>

#include "fiscalfiles/entry_guard.h"
#include "fiscalfiles/operations.h"
#include "fiscalfiles/printer_link.h"
#include "mdx00200/maker_entry_points.h"

namespace ff = mdx::fiscalfiles;

FISCALFILES_EXPORT int MDX_STDCALL ECF_ReproduzirMemoriaFiscalMFD(const char* kind,
                                                                  const char* first,
                                                                  const char* last,
                                                                  const char* output,
                                                                  const char* binFile) {
  return ff::Guarded<int>("CONVECF", "ECF_ReproduzirMemoriaFiscalMFD", [&] {
    return ff::ConvertMemory(ff::FindPrinter(), kind, first, last, output, binFile);
  });
}

// The entry has exactly the type the package resolves it with.
static_assert(
    std::is_same_v<decltype(&ECF_ReproduzirMemoriaFiscalMFD), TSwedaReproduzirMemoriaFiscalMFD>);
