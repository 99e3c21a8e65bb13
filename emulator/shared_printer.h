// A printer that several threads share: the till's line on one side, the
// printer's web page on the other. Every call runs under one lock, so the
// page never sees a command half done. It also keeps the last exchanges
// (frame, reply, time) and a version that moves with every change, for the
// page to show and to poll cheaply.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "virtual_printer.h"

namespace mdx::emulator {

struct ExchangeRecord {
  TDateTime at = 0;  // the printer's clock when the frame came
  AnsiString frame;
  std::optional<AnsiString> reply;  // nullopt: no answer
};

class SharedPrinter final : public VirtualPrinter {
 public:
  // How many exchanges Read passes on.
  static constexpr size_t kKeptExchanges = 40;

  explicit SharedPrinter(std::unique_ptr<VirtualPrinter> printer);

  std::optional<AnsiString> Exchange(const AnsiString& frame) override;
  PrinterState State() const override;
  void SetState(const PrinterState& state) override;
  TDateTime ClockNow() const override;
  void SetClock(TDateTime printerNow) override;
  void SetPaper(PaperLevel level) override;
  void CloseDrawer() override;
  void AddFault(const FaultRule& rule) override;
  void ClearFaults() override;
  std::vector<FaultRule> Faults() const override;
  AnsiString StateFile() const override;
  bool Save() override;
  PrinterState RecentState() const override;
  std::vector<AnsiString> TapeLines(int64_t first, int64_t end) const override;
  DetailMemory DetailRecords(int64_t first, int64_t end) const override;
  JournalIndex HistoryIndex() const override;

  using Exchanges = std::deque<ExchangeRecord>;
  // Runs `work` under the lock on the printer, its version (it moves with
  // every exchange and every change made through this object) and its last
  // exchanges (oldest first): several reads as one moment.
  void Read(const std::function<void(const VirtualPrinter&, uint64_t version, const Exchanges&)>& work) const;
  // Runs `work` on the printer under the lock: a change made of several
  // calls, seen by readers as one (the version moves with it).
  void Change(const std::function<void(VirtualPrinter&)>& work);

 private:
  mutable std::mutex mutex_;
  std::unique_ptr<VirtualPrinter> printer_;
  Exchanges exchanges_;
  uint64_t version_ = 0;
};

}  // namespace mdx::emulator
