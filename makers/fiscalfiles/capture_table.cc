#include "fiscalfiles/capture_table.h"

#include <utility>

namespace mdx::fiscalfiles {

AnsiString CaptureText(int kind, int number, const AnsiString& serialNumber) {
  return "MDX-MFD CAPTURA " + std::to_string(kind) + " #" + std::to_string(number) + " " +
         serialNumber;
}

CaptureTable& CaptureTable::Instance() {
  static CaptureTable table;
  return table;
}

std::shared_ptr<const Capture> CaptureTable::Add(int kind, Snapshot snapshot, size_t longestText) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (CaptureText(kind, lastNumber_ + 1, snapshot.state.serialNumber).size() > longestText)
    return nullptr;
  auto capture = std::make_shared<Capture>();
  capture->kind = kind;
  capture->number = ++lastNumber_;
  capture->snapshot = std::move(snapshot);
  captures_.push_back(capture);
  while (captures_.size() > kCaptureLimit) captures_.pop_front();
  return capture;
}

std::shared_ptr<const Capture> CaptureTable::Find(const char* text, int kind) const {
  if (!text) return nullptr;
  const AnsiString wanted(text);
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& capture : captures_) {
    if (capture->kind == kind && CaptureText(capture->kind, capture->number,
                                             capture->snapshot.state.serialNumber) == wanted) {
      return capture;
    }
  }
  return nullptr;
}

void CaptureTable::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  captures_.clear();
}

}  // namespace mdx::fiscalfiles
