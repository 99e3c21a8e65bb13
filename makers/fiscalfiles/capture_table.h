// The library's capture table: the snapshots taken by CapturarDispositivo,
// each named by the text written into the caller's buffer,
//   "MDX-MFD CAPTURA <kind> #<number> <serial number>"
// e.g. "MDX-MFD CAPTURA 1 #3 SW0000001". Kind 1 is the detail-tape memory
// (the mirror, the electronic file's documents), kind 2 the fiscal memory
// (the readings, the electronic file's header). Numbers count from 1 in the
// process; the table keeps the latest kCaptureLimit captures (older texts
// are no longer known). Safe to use from several threads.
#pragma once

#include <deque>
#include <memory>
#include <mutex>

#include "fiscalfiles/snapshot.h"
#include "mdx00200/ansi_string.h"

namespace mdx::fiscalfiles {

inline constexpr int kDetailCapture = 1;
inline constexpr int kFiscalMemoryCapture = 2;
inline constexpr size_t kCaptureLimit = 8;

struct Capture {
  int kind = 0;
  int number = 0;
  Snapshot snapshot;
};

AnsiString CaptureText(int kind, int number, const AnsiString& serialNumber);

class CaptureTable {
 public:
  // The table of this library (one per loaded library).
  static CaptureTable& Instance();

  // Keeps the snapshot as a new capture of `kind` and returns it; nullptr,
  // keeping nothing, when its text would be longer than `longestText`.
  std::shared_ptr<const Capture> Add(int kind, Snapshot snapshot, size_t longestText);
  // The capture that `text` names when it is of `kind`; nullptr for a null
  // or unknown text, a text of another kind, or one whose serial number is
  // not the capture's.
  std::shared_ptr<const Capture> Find(const char* text, int kind) const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  int lastNumber_ = 0;
  std::deque<std::shared_ptr<const Capture>> captures_;
};

}  // namespace mdx::fiscalfiles
