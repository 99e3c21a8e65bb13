#include "fiscalfiles/printer_link.h"

#include <mutex>

#include "mdx00200/platform.h"

namespace mdx::fiscalfiles {

namespace {

using PrinterEntry = emulator::VirtualPrinter* (*)();

}  // namespace

emulator::VirtualPrinter* FindPrinter() {
  static std::mutex mutex;
  static platform::LibraryHandle library = nullptr;
  static PrinterEntry entry = nullptr;
  std::lock_guard<std::mutex> lock(mutex);
  if (!entry) {
    // Opened once and never closed, as the package keeps its libraries.
    if (!library) library = platform::OpenLibrary(platform::LibraryFileName("SERSWEDA"));
    if (!library) return nullptr;
    entry =
        reinterpret_cast<PrinterEntry>(platform::FindSymbol(library, "Sersweda_VirtualPrinter"));
    if (!entry) return nullptr;
  }
  return entry();
}

Reach Probe(emulator::VirtualPrinter* printer) {
  if (!printer) return Reach::kAbsent;
  return printer->Exchange("\x1b.23}") ? Reach::kAnswers : Reach::kNoAnswer;
}

}  // namespace mdx::fiscalfiles
