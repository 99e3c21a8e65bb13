#include "emulator/status_commands.h"

#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

// Layout of the "28" reply, 1-based positions.
constexpr int kStateTextAt = 10;
constexpr int kZPendingAt = 21;
constexpr int kDayOpenAt = 22;
constexpr int kCooAt = 23;
constexpr int kCcfAt = 29;
constexpr int kGnfAt = 35;
constexpr int kCrzAt = 41;
constexpr int kClockAt = 47;
constexpr int kSummerTimeAt = 57;

constexpr int64_t kHourMs = 3600000;

const char* StateText(const PrinterState& s) {
  switch (s.document) {
    case DocumentKind::kNone: return "C LIVRE ";
    case DocumentKind::kFiscalCoupon: return s.couponPaying ? "E VENDAS" : "P VENDAS";
    case DocumentKind::kNonFiscalReceipt: return "E NFISC ";
    case DocumentKind::kManagementReport: return "E RELGER";
  }
  return "C LIVRE ";
}

const char* YesNo(bool value) { return value ? "S" : "N"; }

}  // namespace

AnsiString PlainStatus(CommandContext&, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  return Accepted();
}

AnsiString DetailedStatus(CommandContext& context, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  const PrinterState& s = context.State();
  ReplyBuilder reply(true, kStatusOk);
  reply.Put(kStateTextAt, StateText(s))
      .Put(kZPendingAt, YesNo(s.zPending))
      .Put(kDayOpenAt, YesNo(s.dayOpen))
      .Put(kCooAt, ZeroFilled(s.counters.coo, 6))
      .Put(kCcfAt, ZeroFilled(s.counters.ccf, 6))
      .Put(kGnfAt, ZeroFilled(s.counters.gnf, 6))
      .Put(kCrzAt, ZeroFilled(s.counters.crz, 4))
      .Put(kClockAt, StatusDigits(context.Now()))
      .Put(kSummerTimeAt, YesNo(s.summerTime));
  return reply.Text();
}

AnsiString SwitchSummerTime(CommandContext& context, const AnsiString& params) {
  if (params != "S" && params != "N") return Refused(kStatusBadParameters);
  const bool on = params == "S";
  if (context.State().summerTime != on) {
    // The clock does not jump in the middle of a document (E004, not the
    // E010 that makes the till cancel its sale).
    if (context.State().document != DocumentKind::kNone) return Refused(kStatusWrongState);
    // Back an hour must not take the clock before the last document.
    const TDateTime back = context.Now() - 1.0 / 24;
    if (!on && back < context.State().lastDocumentTime) return Refused(kStatusGoesBack);
    PrinterState& s = context.Change();
    s.summerTime = on;
    s.clockOffsetMs += on ? kHourMs : -kHourMs;
  }
  return Accepted();
}

}  // namespace mdx::emulator
