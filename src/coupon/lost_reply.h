// A sale command whose reply was lost may have run on the printer. Sent
// again blindly it would register the item or the payment twice, so before
// a resend the printer's registers decide: a fiscal printer moves its grand
// total with every item and surcharge, its discounts with every discount and
// a payment method's total with every payment on it. The register is read
// before the command, and again before sending it once more.
#pragma once

#include <vector>

#include "mdx00200/mdx00200.h"

namespace Mdx00200::coupon {

// The field of an information register ("27") that a command moves.
struct MovedRegister {
  char selector = 0;  // 0: no register tells (the command is sent again)
  char field = 0;     // 'G' grand total, 'D' discounts, 'P' a payment slot
  int payment = 0;    // the payment position, for 'P'
};

// "01", "60" and "1151" move the grand total; "02" and "03" the discounts;
// "10" with `params` (position + amount) the slot of its position.
MovedRegister RegisterMovedBy(const AnsiString& code, const AnsiString& params);

// The register's field as the printer has it now; "" when it did not
// answer with the register (nothing is shown, the log has the exchange).
AnsiString ReadMovedRegister(const AnsiString& scheme, const MovedRegister& reg);

enum class LostReply { kNotRun, kRan, kUnknown };

// What became of a command that failed with `failedReply`, given the
// register as it was before it (`before`). A refusal the printer made (".-")
// did not run. Otherwise the register now tells: moved, it ran; unchanged,
// it did not; unreadable, unknown (the printer is still silent). Without a
// register, or without a reading before the command, kNotRun: the command
// is sent again, as the till always did.
LostReply JudgeFailedCommand(const AnsiString& scheme, const AnsiString& failedReply,
                             const MovedRegister& reg, const AnsiString& before);

// After the operator asked to print again a coupon opening ("17") whose
// reply was lost: the status ("28") says whether a sale is now under way.
LostReply JudgeFailedOpening(const AnsiString& scheme, const AnsiString& failedReply);

// After the operator asked to print again a coupon closing ("12") that
// failed: a coupon still in its sale or payment phase did not close; with no
// sale under way the close ran (the printer refuses a second one).
LostReply JudgeFailedClosing(const AnsiString& scheme);

// A sale command that may be sent again after a failure, never twice.
struct GuardedCommand {
  AnsiString scheme;
  AnsiString code;
  std::vector<AnsiString> params;
  bool ownErrorHandling = false;
  MovedRegister reg;
  AnsiString before;       // the register before the command
  AnsiString failedReply;  // the reply of the last failure
};

// The command, with its register read first when `mayResend` (a failure may
// be followed by a resend).
GuardedCommand PrepareCommand(const AnsiString& scheme, const AnsiString& code,
                              std::vector<AnsiString> params, bool ownErrorHandling,
                              bool mayResend);
// Sends it; true when the printer took it.
bool SendGuarded(GuardedCommand& command);
// After a failure and the operator's yes: true when the printer turned out
// to have taken it (nothing is sent), otherwise the outcome of sending it
// again. While the printer does not say, nothing is sent and false comes
// back, so the operator is asked again.
bool SendGuardedAgain(GuardedCommand& command);

}  // namespace Mdx00200::coupon
