// Entry-point types of the printer maker's libraries, resolved by name at run
// time. C functions, __stdcall on Win32; texts are NUL-terminated.
#pragma once

#include "mdx00200/export.h"

extern "C" {

// Serial library.
// Opens the port (1 = COM1 ...); returns a positive id on success.
typedef int(MDX_STDCALL* TSwedaAbrePorta)(int port, int mode);
// Sends one frame; the reply buffer holds 256 bytes: byte 0 the length, then
// at most 255 characters.
typedef int(MDX_STDCALL* TSwedaEnviaComando)(const char* frame, unsigned char* reply);
typedef int(MDX_STDCALL* TSwedaFechaPorta)(int id);

// Fiscal-file libraries. Results are 16-bit codes unless said otherwise.
typedef short(MDX_STDCALL* TSwedaObterParametrosConfiguracao)();
typedef short(MDX_STDCALL* TSwedaExtrairInformacoesECF)();
typedef short(MDX_STDCALL* TSwedaDetectarECF)(int port, int* cell1, int* cell2);
typedef short(MDX_STDCALL* TSwedaCapturarDispositivo)(int kind, int size, char* buffer,
                                                     int bufferSize, int timeout, int a, int b);
typedef short(MDX_STDCALL* TSwedaReproduzirFitaDetalhe)(const char* capture1, const char* output,
                                                       const char* first, const char* last,
                                                       int a, int b, int c);
typedef short(MDX_STDCALL* TSwedaArquivoEletronicoCOTEPE)(const char* capture2,
                                                         const char* capture1,
                                                         const char* output, const char* first,
                                                         const char* last, int kind);
typedef short(MDX_STDCALL* TSwedaReproduzirLeituraMemoriaFiscal)(const char* capture2,
                                                                const char* output,
                                                                const char* first,
                                                                const char* last, int mode,
                                                                int a, int b, int c);
typedef int(MDX_STDCALL* TSwedaReproduzirMemoriaFiscalMFD)(const char* kind, const char* first,
                                                          const char* last, const char* output,
                                                          const char* binFile);

// Signature library.
typedef int(MDX_STDCALL* TBematechSetLibType)(int kind);
typedef int(MDX_STDCALL* TBematechGenkkey)(char* publicKey, char* privateKey);
typedef int(MDX_STDCALL* TBematechGenerateEAD)(const char* file, const char* keyB,
                                              const char* keyA, char* out, int flag);
typedef int(MDX_STDCALL* TBematechValidateFile)(const char* file, const char* keyB,
                                               const char* keyA);
// Exported for the host only; the package never resolves them.
typedef int(MDX_STDCALL* TBematechGeraTxtPorCOO)();
typedef int(MDX_STDCALL* TBematechGeraRegistrosTipoE)();

}  // extern "C"
