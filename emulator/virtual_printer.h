// The virtual printer: a fiscal printer in process. It takes the command
// frames the package sends (ESC "." code parameters "}"), answers them as the
// printer would, keeps its state and paper tape, and persists them to a state
// file. The transport (the serial substitute, a test, the console) hands
// frames in and replies out; the printer knows nothing of it.
//
// Every member is virtual so that code holding a printer created in another
// module (the serial substitute's library) calls into that module. This
// header and the ones it includes name each other by file name alone, so a
// program that only holds such a printer can include them by path.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "fault_rule.h"
#include "journal_index.h"
#include "printer_state.h"
#include "mdx00200/datetime.h"

namespace mdx::emulator {

class VirtualPrinter {
 public:
  virtual ~VirtualPrinter() = default;

  // One exchange. Returns the reply ("." "+"/"-" status fields), or nullopt
  // when the printer gives no answer (an injected fault). A reply is at most
  // 255 characters except under a kLongReply fault; the transport clamps.
  // Never throws for bad frames: they are refused with a status code.
  virtual std::optional<AnsiString> Exchange(const AnsiString& frame) = 0;

  // A copy of the whole state, the paper tape and the detail memory
  // included. A printer with a state file reads them back from its journal:
  // the cost grows with the history (RecentState and the readers below do
  // not).
  virtual PrinterState State() const = 0;
  // Replaces the whole state (tests and the console set up documents, paper,
  // counters, totals and tables this way) and saves it, the journal written
  // anew. A state that StateProblem rejects (a tape width other than 40 or
  // 48, an invalid table entry, an amount past its digits, ...), or one
  // without its whole tape and detail memory (RecentState's) on a printer
  // with a state file, raises mdx::Exception naming the field and changes
  // nothing.
  virtual void SetState(const PrinterState& state) = 0;

  // The printer's clock: the system clock plus the state's offset.
  virtual TDateTime ClockNow() const = 0;
  // Sets the offset so that the printer's clock reads `printerNow` now, and
  // saves it. Raises mdx::Exception, changing nothing, for a moment before
  // the last document the printer issued (its fiscal records only move
  // forward).
  virtual void SetClock(TDateTime printerNow) = 0;

  // The paper sensor, as an operator changes it by hand: low, out, or a new
  // roll (kOk). Saved with the state; it touches nothing fiscal.
  virtual void SetPaper(PaperLevel level) = 0;
  // A hand closes the cash drawer ("21" opens it; only a hand closes it).
  // Saved with the state; it touches nothing fiscal.
  virtual void CloseDrawer() = 0;

  // Appends a fault rule; the first rule that matches a frame applies.
  // Raises mdx::Exception for an invalid rule (count 0 or below -1, a status
  // not of 4 characters, a length outside 1..65536). Rules are not persisted.
  virtual void AddFault(const FaultRule& rule) = 0;
  virtual void ClearFaults() = 0;
  // The rules still pending, in order, with their remaining counts.
  virtual std::vector<FaultRule> Faults() const = 0;

  // The state file ("" when the printer lives in memory only).
  virtual AnsiString StateFile() const = 0;
  // Writes the state file now. The printer also saves after every command
  // that changed its state. Returns false (after reporting the reason through
  // the options' warning sink) when it cannot write; true in memory.
  virtual bool Save() = 0;

  // The state as the printer holds it in memory: the fiscal memory whole,
  // the tape from line tapeBase on (the open document's lines) and the
  // detail memory from record detailBase on (the last record); the rest is
  // on disk. Its cost does not grow with the history.
  virtual PrinterState RecentState() const = 0;
  // Tape lines [first, end) and detail records [first, end), counted from
  // the very first (so RecentState's bases are where its own begin); fewer
  // when the range runs past the end. The cost follows the range.
  virtual std::vector<AnsiString> TapeLines(int64_t first, int64_t end) const = 0;
  virtual DetailMemory DetailRecords(int64_t first, int64_t end) const = 0;
  // Where the tape lines and detail records before RecentState's bases are
  // on disk: a copy that reads them later as they stand now (the journal
  // only grows), for the fiscal files of a capture. Empty in memory.
  virtual JournalIndex HistoryIndex() const = 0;
};

struct PrinterOptions {
  // The state file to load and keep up to date; "" keeps the state in memory.
  AnsiString stateFile;
  // Tape width of a fresh printer (40 or 48); a loaded state keeps its own.
  int tapeWidth = kWideTape;
  // The system clock the printer's clock runs on; nullptr = mdx::SystemNow.
  ClockFunction systemClock = nullptr;
  // Where messages about the state file go (missing, damaged, not writable);
  // empty = a line on standard error.
  std::function<void(const AnsiString&)> warn;
};

// A printer loaded from options.stateFile when it holds a valid state, else
// a fresh one (a missing or damaged file is reported through options.warn and
// a damaged one is moved aside to "<file>.damaged"). Never throws for a bad
// state file; raises mdx::Exception for a tape width other than 40 or 48.
std::unique_ptr<VirtualPrinter> CreateVirtualPrinter(const PrinterOptions& options);

}  // namespace mdx::emulator
