// Cancelling an item of the open fiscal coupon ("04"). The refusal leaves
// the state as it was.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "04" with no parameters cancels the last item; "04" + the item's number,
// 1 to 3 digits ("3", "03" and "003" are item 3), cancels that item. The
// item stays on the coupon, with its number, but leaves the subtotal, its
// discount and surcharge with it; the tape shows "CANCELAMENTO ITEM nnn"
// with "-" + the item's value. At the close its value goes to the day's
// cancelled sales (AddClosedCoupon).
//   E003: more than 3 characters, or anything but digits;
//   E004: no coupon open, the coupon in its payment phase, no item of that
//         number (0 included; no item at all for the last), or the item
//         already cancelled.
AnsiString CancelItem(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
