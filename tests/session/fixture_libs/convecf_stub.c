/* The conversion library's one entry, doing nothing. */
#include "fixture_entry.h"

FIXTURE_ENTRY(int) ECF_ReproduzirMemoriaFiscalMFD(const char* kind, const char* first,
                                                  const char* last, const char* output,
                                                  const char* binFile) {
  (void)kind, (void)first, (void)last, (void)output, (void)binFile;
  return 0;
}
