// The printer proper: frame in, faults, command, paper, state saved, reply out.
#include "emulator/virtual_printer.h"

#include <algorithm>
#include <cstdio>

#include "emulator/command_table.h"
#include "emulator/day_rules.h"
#include "emulator/fault_effects.h"
#include "emulator/fault_table.h"
#include "emulator/frame_parser.h"
#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"
#include "emulator/state_check.h"
#include "emulator/state_store.h"
#include "mdx00200/exceptions.h"

namespace mdx::emulator {

namespace {

void CheckTapeWidth(int width) {
  if (width != kNarrowTape && width != kWideTape) {
    throw Exception("virtual printer: tape width must be 40 or 48, not " + std::to_string(width));
  }
}

void WarnOnStandardError(const AnsiString& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
}

class Printer final : public VirtualPrinter {
 public:
  explicit Printer(const PrinterOptions& options)
      : stateFile_(options.stateFile),
        clock_(options.systemClock),
        warn_(options.warn ? options.warn : WarnOnStandardError) {
    CheckTapeWidth(options.tapeWidth);
    state_.tapeWidth = options.tapeWidth;
    if (!stateFile_.empty()) {
      store_ = std::make_unique<StateStore>(stateFile_);
      const LoadResult loaded = store_->Load(state_);
      for (const AnsiString& message : loaded.messages) warn_(message);
    }
  }

  std::optional<AnsiString> Exchange(const AnsiString& frame) override {
    const std::optional<FaultRule> fault = faults_.Take(FrameBody(frame));
    if (fault && !CommandRunsUnder(fault->kind)) return ReplyInsteadOf(*fault);
    AnsiString reply = Execute(frame);
    if (fault) return ReplyChangedBy(*fault, std::move(reply));
    return reply;
  }

  PrinterState State() const override {
    PrinterState whole = state_;
    if (store_) store_->ReadHistory(whole);
    return whole;
  }

  void SetState(const PrinterState& state) override {
    AnsiString problem = StateProblem(state);
    if (problem.empty() && store_ && (state.tapeBase != 0 || state.detailBase != 0)) {
      problem = "a state without its whole tape and detail memory (tapeBase, detailBase) "
                "cannot be set";
    }
    if (!problem.empty()) throw Exception("virtual printer: " + problem);
    state_ = state;
    replacePending_ = store_ != nullptr;
    Save();
  }

  PrinterState RecentState() const override { return state_; }

  std::vector<AnsiString> TapeLines(int64_t first, int64_t end) const override {
    first = std::max<int64_t>(first, 0);
    std::vector<AnsiString> lines;
    if (store_ && first < state_.tapeBase) lines = store_->Index().TapeLines(first, std::min(end, state_.tapeBase));
    for (int64_t k = std::max(first, state_.tapeBase);
         k < end && k - state_.tapeBase < static_cast<int64_t>(state_.tape.size()); ++k) {
      lines.push_back(state_.tape[static_cast<size_t>(k - state_.tapeBase)]);
    }
    return lines;
  }

  JournalIndex HistoryIndex() const override { return store_ ? store_->Index() : JournalIndex{}; }

  DetailMemory DetailRecords(int64_t first, int64_t end) const override {
    first = std::max<int64_t>(first, 0);
    DetailMemory records;
    if (store_ && first < state_.detailBase) {
      records = store_->Index().DetailRecords(first, std::min(end, state_.detailBase));
    }
    for (int64_t k = std::max(first, state_.detailBase);
         k < end && k - state_.detailBase < static_cast<int64_t>(state_.detail.size()); ++k) {
      records.push_back(state_.detail[static_cast<size_t>(k - state_.detailBase)]);
    }
    return records;
  }

  TDateTime ClockNow() const override { return clock_.Now(state_.clockOffsetMs); }

  void SetClock(TDateTime printerNow) override {
    if (printerNow < state_.lastDocumentTime) {
      throw Exception("virtual printer: the clock cannot be set to " + TapeDateTime(printerNow) +
                      ", before the last document (" + TapeDateTime(state_.lastDocumentTime) + ")");
    }
    state_.clockOffsetMs = clock_.OffsetFor(printerNow);
    Save();
  }

  void SetPaper(PaperLevel level) override {
    if (state_.paper == level) return;
    state_.paper = level;
    Save();
  }

  void CloseDrawer() override {
    if (!state_.drawerOpen) return;
    state_.drawerOpen = false;
    Save();
  }

  void AddFault(const FaultRule& rule) override { faults_.Add(rule); }
  void ClearFaults() override { faults_.Clear(); }
  std::vector<FaultRule> Faults() const override { return faults_.Rules(); }

  AnsiString StateFile() const override { return stateFile_; }

  bool Save() override {
    if (!store_) return true;
    AnsiString error;
    const bool saved =
        replacePending_ ? store_->Replace(state_, error) : store_->Commit(state_, error);
    if (saved) {
      replacePending_ = false;
      saveFailing_ = false;
      return true;
    }
    // One message per run of failures, not one per command.
    if (!saveFailing_) warn_("virtual printer: cannot save the state: " + error);
    saveFailing_ = true;
    return false;
  }

 private:
  AnsiString Execute(const AnsiString& text) {
    const std::optional<Frame> frame = ParseFrame(text);
    if (!frame) return Refused(kStatusMalformed);
    const CommandSpec* command = FindCommand(frame->code);
    if (!command) return Refused(kStatusUnknownCommand);
    if (command->prints && state_.paper == PaperLevel::kOut) return Refused(kStatusPaper);

    CommandContext context(state_, ClockNow());
    NoteDatePassed(context);
    AnsiString reply = command->handler(context, frame->params);
    if (context.Changed()) Save();
    if (state_.paper != PaperLevel::kOk) WarnPaperLow(reply);
    return reply;
  }

  AnsiString stateFile_;
  PrinterClock clock_;
  std::function<void(const AnsiString&)> warn_;
  PrinterState state_;
  FaultTable faults_;
  std::unique_ptr<StateStore> store_;  // none when the state lives in memory only
  // The state was replaced (SetState) and the journal is to be written anew.
  bool replacePending_ = false;
  bool saveFailing_ = false;
};

}  // namespace

std::unique_ptr<VirtualPrinter> CreateVirtualPrinter(const PrinterOptions& options) {
  return std::make_unique<Printer>(options);
}

}  // namespace mdx::emulator
