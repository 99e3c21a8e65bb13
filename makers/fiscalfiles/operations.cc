#include "fiscalfiles/operations.h"

#include <cstring>
#include <exception>

#include "fiscalfiles/capture_table.h"
#include "fiscalfiles/detail_mirror.h"
#include "fiscalfiles/documents.h"
#include "fiscalfiles/electronic_file.h"
#include "fiscalfiles/memory_dump.h"
#include "fiscalfiles/memory_reading.h"
#include "fiscalfiles/output_file.h"
#include "fiscalfiles/printer_link.h"
#include "mdx00200/platform.h"

namespace mdx::fiscalfiles {

namespace {

// The most ports the port numbers name: COM1-COM12 and LPT1.
constexpr int kLastPort = 13;

short ReachCode(Reach reach) {
  switch (reach) {
    case Reach::kAnswers: return kOk;
    case Reach::kNoAnswer: return kTimeout;
    case Reach::kAbsent: break;
  }
  return kOffline;
}

// Reads the work file back; nullopt when it cannot be read or is not intact.
std::optional<MemoryDump> ReadDump(const char* binFile) {
  try {
    return DecodeMemoryDump(platform::ReadFile(binFile));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

short Detect(emulator::VirtualPrinter* printer, int port, int* cell1, int* cell2) {
  const bool found = port >= 0 && port <= kLastPort && Probe(printer) == Reach::kAnswers;
  if (cell1) *cell1 = found ? (port == 0 ? 1 : port) : 0;
  if (cell2) *cell2 = found ? 1 : 0;
  return found ? 1 : 0;
}

short TakeCapture(emulator::VirtualPrinter* printer, int kind, char* buffer, int bufferSize) {
  if ((kind != kDetailCapture && kind != kFiscalMemoryCapture) || !buffer || bufferSize < 1)
    return kSyntax;
  buffer[0] = '\0';
  const short reach = ReachCode(Probe(printer));
  if (reach != kOk) return reach;
  auto capture =
      CaptureTable::Instance().Add(kind, TakeSnapshot(printer->RecentState(), printer->ClockNow(),
                                                      printer->HistoryIndex()),
                                   static_cast<size_t>(bufferSize) - 1);
  if (!capture) return kBufferTooSmall;
  const AnsiString text =
      CaptureText(capture->kind, capture->number, capture->snapshot.state.serialNumber);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return kOk;
}

short ReproduceDetailTape(const char* capture1, const char* output, const char* first,
                          const char* last) {
  const auto capture = CaptureTable::Instance().Find(capture1, kDetailCapture);
  if (!capture) return kSourceMissing;
  const RangeResult range = ParseRange(first, last, kMirrorRange);
  if (range.code != kOk) return range.code;
  if (DocumentsInRange(capture->snapshot, range.range).empty()) return kNoMovement;
  return WriteOutput(output, MirrorText(capture->snapshot, range.range));
}

short WriteElectronicFile(const char* capture2, const char* capture1, const char* output,
                          const char* first, const char* last, int format) {
  if (format != 4) return kSyntax;
  const auto memory = CaptureTable::Instance().Find(capture2, kFiscalMemoryCapture);
  const auto detail = CaptureTable::Instance().Find(capture1, kDetailCapture);
  if (!memory || !detail ||
      memory->snapshot.state.serialNumber != detail->snapshot.state.serialNumber)
    return kSourceMissing;
  const RangeResult range = ParseRange(first, last, kDocumentRange);
  if (range.code != kOk) return range.code;
  if (DocumentsInRange(detail->snapshot, range.range).empty()) return kNoMovement;
  return WriteOutput(output, ElectronicFileText(memory->snapshot, detail->snapshot, range.range));
}

short ReproduceMemoryReading(const char* capture2, const char* output, const char* first,
                             const char* last, int mode) {
  if (mode != 0 && mode != 1) return kSyntax;
  const auto capture = CaptureTable::Instance().Find(capture2, kFiscalMemoryCapture);
  if (!capture) return kSourceMissing;
  const RangeResult range = ParseRange(first, last, kReductionRange);
  if (range.code != kOk) return range.code;
  const ReadingMode reading = mode == 1 ? ReadingMode::kComplete : ReadingMode::kSimplified;
  const Code written =
      WriteOutput(output, MemoryReadingText(capture->snapshot, range.range, reading));
  if (written != kOk) return written;
  return ReductionsInRange(capture->snapshot.state, range.range).empty() ? kNoReductions : kOk;
}

int ConvertMemory(emulator::VirtualPrinter* printer, const char* kind, const char* first,
                  const char* last, const char* output, const char* binFile) {
  if (!kind || std::strcmp(kind, "2") != 0) return kSyntax;
  const RangeResult range = ParseRange(first, last, kReductionRange);
  if (range.code != kOk) return range.code;
  const short reach = ReachCode(Probe(printer));
  if (reach != kOk) return reach;
  const MemoryDump dump = DumpOf(printer->RecentState(), range.range);
  if (WriteOutput(binFile, EncodeMemoryDump(dump), kSourceMissing) != kOk) return kSourceMissing;
  const std::optional<MemoryDump> converted = ReadDump(binFile);
  platform::RemoveFile(binFile);
  if (!converted) return kSourceMissing;
  const Code written = WriteOutput(output, ConvertedMemoryText(*converted));
  if (written != kOk) return written;
  return converted->reductions.empty() ? kNoReductions : kOk;
}

short CheckConfiguration(emulator::VirtualPrinter* printer) { return printer ? kOk : kOffline; }

short CheckPrinter(emulator::VirtualPrinter* printer) { return ReachCode(Probe(printer)); }

}  // namespace mdx::fiscalfiles
