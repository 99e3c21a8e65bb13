#include "emulator/fault_effects.h"

#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {
// Filler of a padded reply: digits, so a clamped reply shows where it was cut.
constexpr char kPadding[] = "0123456789";
}  // namespace

bool CommandRunsUnder(FaultKind kind) {
  return kind == FaultKind::kPaperLow || kind == FaultKind::kReplyLost ||
         kind == FaultKind::kLongReply;
}

std::optional<AnsiString> ReplyInsteadOf(const FaultRule& rule) {
  switch (rule.kind) {
    case FaultKind::kRefuse:
      return Refused(rule.status);
    case FaultKind::kBusy:
      return Refused(kStatusBusy);
    case FaultKind::kPaperOut:
      return Refused(kStatusPaper);
    case FaultKind::kOperationOpen:
      return RefusedDocumentOpen();
    case FaultKind::kNoAnswer:
    case FaultKind::kPaperLow:
    case FaultKind::kReplyLost:
    case FaultKind::kLongReply:
      break;
  }
  return std::nullopt;
}

std::optional<AnsiString> ReplyChangedBy(const FaultRule& rule, AnsiString reply) {
  switch (rule.kind) {
    case FaultKind::kPaperLow:
      WarnPaperLow(reply);
      return reply;
    case FaultKind::kReplyLost:
      return std::nullopt;
    case FaultKind::kLongReply:
      while (reply.size() < static_cast<size_t>(rule.length)) {
        reply += kPadding[reply.size() % (sizeof kPadding - 1)];
      }
      return reply;
    default:
      return reply;
  }
}

}  // namespace mdx::emulator
