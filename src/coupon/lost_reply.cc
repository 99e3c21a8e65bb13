#include "coupon/lost_reply.h"

#include "channel/reply_fields.h"
#include "channel/status_command.h"

namespace Mdx00200::coupon {

namespace {

// A payment position "01".."20" as its number; 0 for anything else.
int PaymentPosition(const AnsiString& params) {
  if (params.size() < 2 || params[0] < '0' || params[0] > '9' || params[1] < '0' || params[1] > '9')
    return 0;
  const int k = (params[0] - '0') * 10 + (params[1] - '0');
  return k >= 1 && k <= 20 ? k : 0;
}

}  // namespace

MovedRegister RegisterMovedBy(const AnsiString& code, const AnsiString& params) {
  if (code == "01" || code == "60" || code == "11") return {'1', 'G', 0};
  if (code == "02" || code == "03") return {'1', 'D', 0};
  if (code == "10") {
    const int k = PaymentPosition(params);
    if (k > 0) return {replies::PaymentRegister(k), 'P', k};
  }
  return {};
}

AnsiString ReadMovedRegister(const AnsiString& scheme, const MovedRegister& reg) {
  if (reg.selector == 0) return "";
  const AnsiString selector(1, reg.selector);
  if (!channel::SendCommand(scheme, "27", selector, true, true)) return "";
  const AnsiString reply = SwedaRet;
  if (!replies::IsCompleteBlock(reply) || replies::Echo(reply) != selector) return "";
  switch (reg.field) {
    case 'G': return replies::GrandTotal(reply);
    case 'D': return replies::DayDiscounts(reply);
    default: return replies::PaymentSlot(reply, reg.payment);
  }
}

LostReply JudgeFailedCommand(const AnsiString& scheme, const AnsiString& failedReply,
                             const MovedRegister& reg, const AnsiString& before) {
  if (replies::IsRefused(failedReply) && mdx::Copy(failedReply, 1, 1) == ".") return LostReply::kNotRun;
  if (reg.selector == 0 || before.empty()) return LostReply::kNotRun;
  const AnsiString now = ReadMovedRegister(scheme, reg);
  if (now.empty()) return LostReply::kUnknown;
  return now == before ? LostReply::kNotRun : LostReply::kRan;
}

LostReply JudgeFailedOpening(const AnsiString& scheme, const AnsiString& failedReply) {
  if (replies::IsRefused(failedReply) && mdx::Copy(failedReply, 1, 1) == ".") return LostReply::kNotRun;
  if (!channel::SendCommand(scheme, "28", true, true)) return LostReply::kUnknown;
  return replies::SaleUnderWay(SwedaRet) ? LostReply::kRan : LostReply::kNotRun;
}

LostReply JudgeFailedClosing(const AnsiString& scheme) {
  if (!channel::SendCommand(scheme, "28", true, true)) return LostReply::kUnknown;
  return replies::SaleUnderWay(SwedaRet) ? LostReply::kNotRun : LostReply::kRan;
}

GuardedCommand PrepareCommand(const AnsiString& scheme, const AnsiString& code,
                              std::vector<AnsiString> params, bool ownErrorHandling,
                              bool mayResend) {
  GuardedCommand command;
  command.scheme = scheme;
  command.code = code;
  command.params = std::move(params);
  command.ownErrorHandling = ownErrorHandling;
  AnsiString joined;
  for (const AnsiString& param : command.params) joined += param;
  command.reg = RegisterMovedBy(code, joined);
  if (mayResend) command.before = ReadMovedRegister(scheme, command.reg);
  return command;
}

bool SendGuarded(GuardedCommand& command) {
  const bool taken =
      EnviaComando_Sweda(command.scheme, command.code, command.params.data(),
                         static_cast<int>(command.params.size()) - 1, command.ownErrorHandling, false);
  if (!taken) command.failedReply = SwedaRet;
  return taken;
}

bool SendGuardedAgain(GuardedCommand& command) {
  switch (JudgeFailedCommand(command.scheme, command.failedReply, command.reg, command.before)) {
    case LostReply::kRan:
      ImpFisDebug("Comando executado pela impressora; n\xE3o reenviado: " + command.code);
      return true;
    case LostReply::kUnknown:
      return false;
    case LostReply::kNotRun:
      break;
  }
  return SendGuarded(command);
}

}  // namespace Mdx00200::coupon
