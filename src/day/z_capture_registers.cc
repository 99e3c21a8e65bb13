#include "day/z_capture_registers.h"

#include <cstring>

#include "channel/status_command.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"

namespace Mdx00200::day {

namespace {

constexpr int kAttempts = 3;
constexpr int kEchoAt = 7;

int IndexOf(char selector) {
  const char* at = std::strchr(kZRegisterSelectors, selector);
  return at && selector != '\0' ? static_cast<int>(at - kZRegisterSelectors) : -1;
}

}  // namespace

const AnsiString& ZRegisters::Register(char selector) const {
  static const AnsiString kNone;
  const int index = IndexOf(selector);
  return index < 0 ? kNone : replies_[static_cast<size_t>(index)];
}

void ZRegisters::SetRegister(char selector, const AnsiString& reply) {
  const int index = IndexOf(selector);
  if (index >= 0) replies_[static_cast<size_t>(index)] = mdx::Trim(reply);
}

AnsiString ZRegisters::Field(char selector, int first, int count) const {
  return mdx::Copy(Register(selector), first, count);
}

ZRegisters ReadZRegisters(const AnsiString& scheme) {
  ZRegisters registers;
  for (int i = 0; i < kZRegisterCount; ++i) {
    const AnsiString selector(1, kZRegisterSelectors[i]);
    AnsiString reply;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      if (attempt > 0) Consiste::Delay(1);
      channel::SendCommand(scheme, "27", selector, false, true);
      reply = RetornoImpFiscal(scheme, "", false);
      if (mdx::Copy(reply, kEchoAt, 1) == selector || mdx::Copy(reply, 2, 1) == "-") break;
    }
    if (mdx::Copy(reply, 2, 1) != "+" || mdx::Copy(reply, kEchoAt, 1) != selector) {
      throw mdx::Exception("register " + selector + " not read, reply \"" + reply + "\"");
    }
    registers.SetRegister(selector[0], reply);
  }
  return registers;
}

}  // namespace Mdx00200::day
