#include "emulator/shared_printer.h"

namespace mdx::emulator {

SharedPrinter::SharedPrinter(std::unique_ptr<VirtualPrinter> printer)
    : printer_(std::move(printer)) {}

std::optional<AnsiString> SharedPrinter::Exchange(const AnsiString& frame) {
  std::lock_guard lock(mutex_);
  ExchangeRecord record;
  record.at = printer_->ClockNow();
  record.frame = frame;
  record.reply = printer_->Exchange(frame);
  std::optional<AnsiString> reply = record.reply;
  exchanges_.push_back(std::move(record));
  if (exchanges_.size() > kKeptExchanges) exchanges_.pop_front();
  ++version_;
  return reply;
}

PrinterState SharedPrinter::State() const {
  std::lock_guard lock(mutex_);
  return printer_->State();
}

void SharedPrinter::SetState(const PrinterState& state) {
  std::lock_guard lock(mutex_);
  ++version_;
  printer_->SetState(state);
}

TDateTime SharedPrinter::ClockNow() const {
  std::lock_guard lock(mutex_);
  return printer_->ClockNow();
}

void SharedPrinter::SetClock(TDateTime printerNow) {
  std::lock_guard lock(mutex_);
  ++version_;
  printer_->SetClock(printerNow);
}

void SharedPrinter::SetPaper(PaperLevel level) {
  std::lock_guard lock(mutex_);
  ++version_;
  printer_->SetPaper(level);
}

void SharedPrinter::CloseDrawer() {
  std::lock_guard lock(mutex_);
  ++version_;
  printer_->CloseDrawer();
}

void SharedPrinter::AddFault(const FaultRule& rule) {
  std::lock_guard lock(mutex_);
  ++version_;
  printer_->AddFault(rule);
}

void SharedPrinter::ClearFaults() {
  std::lock_guard lock(mutex_);
  ++version_;
  printer_->ClearFaults();
}

std::vector<FaultRule> SharedPrinter::Faults() const {
  std::lock_guard lock(mutex_);
  return printer_->Faults();
}

AnsiString SharedPrinter::StateFile() const {
  std::lock_guard lock(mutex_);
  return printer_->StateFile();
}

bool SharedPrinter::Save() {
  std::lock_guard lock(mutex_);
  return printer_->Save();
}

PrinterState SharedPrinter::RecentState() const {
  std::lock_guard lock(mutex_);
  return printer_->RecentState();
}

std::vector<AnsiString> SharedPrinter::TapeLines(int64_t first, int64_t end) const {
  std::lock_guard lock(mutex_);
  return printer_->TapeLines(first, end);
}

DetailMemory SharedPrinter::DetailRecords(int64_t first, int64_t end) const {
  std::lock_guard lock(mutex_);
  return printer_->DetailRecords(first, end);
}

JournalIndex SharedPrinter::HistoryIndex() const {
  std::lock_guard lock(mutex_);
  return printer_->HistoryIndex();
}

void SharedPrinter::Read(
    const std::function<void(const VirtualPrinter&, uint64_t, const Exchanges&)>& work) const {
  std::lock_guard lock(mutex_);
  work(*printer_, version_, exchanges_);
}

void SharedPrinter::Change(const std::function<void(VirtualPrinter&)>& work) {
  std::lock_guard lock(mutex_);
  ++version_;
  work(*printer_);
}

}  // namespace mdx::emulator
