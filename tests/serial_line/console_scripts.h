// Console scripts cut from the bundled till day (demo/till-day.json), so the
// line carries the calls a till makes:
//   Sale:     the set-up, the session start, the tables and the first sale
//             up to its closing (one coupon of 23.97);
//   LongSale: the set-up, the session start and the tables, a coupon opened
//             and the first sale's first item sold `items` times, each
//             expected to succeed (a sale the printer can vanish in the
//             middle of);
//   Start:    the set-up and the session start only.
#pragma once

#include <string>

namespace mdx::test {

enum class ScriptCut { kSale, kLongSale, kStart };

// The script's JSON text; `items` for kLongSale.
std::string CutScript(ScriptCut cut, int items = 0);

}  // namespace mdx::test
