// The ranges the reproduction calls take, as two texts: counters (COO or
// CRZ numbers) or days.
//
// A counter is 1 to `maxDigits` digits; blanks around it are allowed
// ("   123", as the package right-aligns COOs). A day is "ddmmyyyy",
// "dd/mm/yyyy", or, where `shortDates` allows it, "ddmmyy" (years 2000-2099).
// A text of six digits that both a counter and a short date can read is a
// day when the other text of the pair is a day too (or another such text
// that is a valid date), else a counter.
#pragma once

#include "fiscalfiles/result_codes.h"
#include "mdx00200/ansi_string.h"

namespace mdx::fiscalfiles {

enum class RangeKind { kCounter, kDay };

struct Range {
  RangeKind kind = RangeKind::kCounter;
  // Counter numbers, or whole days (days since 30 December 1899); first <= last.
  int first = 0;
  int last = 0;

  bool Contains(int value) const { return first <= value && value <= last; }
  bool operator==(const Range&) const = default;
};

struct RangeRules {
  int maxDigits = 6;        // longest counter
  bool shortDates = false;  // "ddmmyy" is a day too
};

// Documents of the detail-tape memory: COOs of up to 6 digits or days in
// full ("ddmmyyyy", "dd/mm/yyyy"), as the electronic file takes them.
inline constexpr RangeRules kDocumentRange{6, false};
// The detail-tape mirror: the host's texts unchanged, so "ddmmyy" too.
inline constexpr RangeRules kMirrorRange{6, true};
// Fiscal-memory readings: CRZ numbers (up to 4 digits) or days in any form.
inline constexpr RangeRules kReductionRange{4, true};

struct RangeResult {
  Code code = kOk;  // kOk, kBadDate or kBadRange
  Range range;
};

// Reads the pair. kBadDate when a text in a day's form ("/" or eight digits,
// or six digits where only a short date fits) is not a day; kBadRange when a
// text is empty or neither form, the two are of different kinds, a counter
// is 0, or the first comes after the last. Null texts are kBadRange.
RangeResult ParseRange(const char* first, const char* last, const RangeRules& rules);

// The range as a file's header shows it: "COO 000001 A 000003" (the
// counter's name and `digits` digits) or "DATA 06/12/2026 A 07/12/2026".
AnsiString RangeText(const Range& range, const AnsiString& counterName, int digits);

}  // namespace mdx::fiscalfiles
