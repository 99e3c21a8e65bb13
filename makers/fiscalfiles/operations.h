// What the entry points of swmfd and CONVECF do, as plain functions that
// answer the entries' codes (result_codes.h). The entry points find the
// printer (printer_link.h) and pass it in; tests pass their own. Texts are
// NUL-terminated; a null pointer gives a code, never a crash. They may raise
// for internal failures (a field that cannot hold its value); the entry
// points catch everything.
#pragma once

#include "emulator/virtual_printer.h"
#include "fiscalfiles/result_codes.h"

namespace mdx::fiscalfiles {

// SWEDA_DetectarECF. 1 when `printer` exists and answers the status query
// and `port` is 0 (any port) or 1-13; 0 otherwise. `cell1` gets the port
// the printer was found on (1, COM1, for port 0) and `cell2` the number of
// printers found (1); both get 0 when none was. Null cells are not written.
short Detect(emulator::VirtualPrinter* printer, int port, int* cell1, int* cell2);

// SWEDA_CapturarDispositivo. Snapshots the printer into the capture table
// (capture_table.h) and writes the capture's text, NUL-terminated, into
// `buffer`. `kind` 1 (detail-tape memory) or 2 (fiscal memory), else
// kSyntax; a null buffer or a size below 1: kSyntax; no printer: kOffline;
// no answer: kTimeout; text and NUL longer than `bufferSize`:
// kBufferTooSmall (buffer[0] becomes NUL). The timeout is not needed: the
// printer answers at once.
short TakeCapture(emulator::VirtualPrinter* printer, int kind, char* buffer, int bufferSize);

// SWEDA_ReproduzirFitaDetalhe: the mirror (detail_mirror.h) of a detail-tape
// capture over COOs or days (kMirrorRange). kSourceMissing for a capture
// text that is null, unknown or of kind 2; kBadDate / kBadRange; kNoMovement
// (no file) when no document is in the range; kOutputFailed.
short ReproduceDetailTape(const char* capture1, const char* output, const char* first,
                          const char* last);

// SWEDA_ArquivoEletronicoCOTEPE: the electronic file (electronic_file.h).
// `format` must be 4 (the detail-tape memory's file), else kSyntax;
// kSourceMissing when a capture text is null, unknown or of the wrong kind,
// or the two captures are of different printers; ranges of COOs or full
// dates (kDocumentRange); kNoMovement (no file) when no document is in the
// range; kOutputFailed.
short WriteElectronicFile(const char* capture2, const char* capture1, const char* output,
                          const char* first, const char* last, int format);

// SWEDA_ReproduzirLeituraMemoriaFiscal: the reading (memory_reading.h) of a
// fiscal-memory capture over CRZ numbers or days (kReductionRange). `mode` 0
// simplified, 1 complete, else kSyntax. kOk, or kNoReductions when the range
// holds no reduction (the file is written and says so); kSourceMissing,
// kBadDate, kBadRange, kOutputFailed.
short ReproduceMemoryReading(const char* capture2, const char* output, const char* first,
                             const char* last, int mode);

// ECF_ReproduzirMemoriaFiscalMFD: `kind` must be "2" (the fiscal memory),
// else kSyntax. Reads the range as ReproduceMemoryReading does, takes the
// printer's state itself (kOffline, kTimeout), writes the reductions of the
// range into the work file `binFile` (memory_dump.h), converts the work file
// into `output` and removes the work file, whatever the outcome. kOk, or
// kNoReductions when the range holds none (the file has its E01 line only);
// kSourceMissing when the work file cannot be written or read back intact;
// kOutputFailed.
int ConvertMemory(emulator::VirtualPrinter* printer, const char* kind, const char* first,
                  const char* last, const char* output, const char* binFile);

// SWMFD_ObterParametrosConfiguracao: kOk when the library finds a printer
// to work with (the serial library exposes it), else kOffline. Sends nothing.
short CheckConfiguration(emulator::VirtualPrinter* printer);
// SWEDA_ExtrairInformacoesECF: kOk when the printer answers the status
// query, kTimeout when it gives no answer, kOffline when there is none.
short CheckPrinter(emulator::VirtualPrinter* printer);

}  // namespace mdx::fiscalfiles
