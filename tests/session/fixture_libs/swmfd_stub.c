/* The fiscal-file library's entries, doing nothing. With
   MDX_FIXTURE_OMIT_EXTRAIR the last one is missing. */
#include "fixture_entry.h"

FIXTURE_ENTRY(short) SWMFD_ObterParametrosConfiguracao(void) { return 0; }

FIXTURE_ENTRY(short) SWEDA_CapturarDispositivo(int kind, int size, char* buffer, int bufferSize,
                                               int timeout, int a, int b) {
  (void)kind, (void)size, (void)buffer, (void)bufferSize, (void)timeout, (void)a, (void)b;
  return 0;
}

FIXTURE_ENTRY(short) SWEDA_ArquivoEletronicoCOTEPE(const char* capture2, const char* capture1,
                                                   const char* output, const char* first,
                                                   const char* last, int kind) {
  (void)capture2, (void)capture1, (void)output, (void)first, (void)last, (void)kind;
  return 0;
}

FIXTURE_ENTRY(short) SWEDA_DetectarECF(int port, int* cell1, int* cell2) {
  (void)port, (void)cell1, (void)cell2;
  return 0;
}

FIXTURE_ENTRY(short) SWEDA_ReproduzirLeituraMemoriaFiscal(const char* capture2, const char* output,
                                                          const char* first, const char* last,
                                                          int mode, int a, int b, int c) {
  (void)capture2, (void)output, (void)first, (void)last, (void)mode, (void)a, (void)b, (void)c;
  return 0;
}

FIXTURE_ENTRY(short) SWEDA_ReproduzirFitaDetalhe(const char* capture1, const char* output,
                                                 const char* first, const char* last, int a, int b,
                                                 int c) {
  (void)capture1, (void)output, (void)first, (void)last, (void)a, (void)b, (void)c;
  return 0;
}

#ifndef MDX_FIXTURE_OMIT_EXTRAIR
FIXTURE_ENTRY(short) SWEDA_ExtrairInformacoesECF(void) { return 0; }
#endif
