#include "emulator/register_commands.h"

#include "emulator/information_registers.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

AnsiString ReadRegister(CommandContext& context, const AnsiString& params) {
  if (params.size() != 1) return Refused(kStatusBadParameters);
  std::optional<AnsiString> reply = InformationRegister(context.State(), params[0]);
  if (!reply) return Refused(kStatusBadParameters);
  return *reply;
}

}  // namespace mdx::emulator
