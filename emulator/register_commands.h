// Command "27": the information registers; it does not print.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "27" + a selector "1"-"9" or "A"-"L": the register's complete block (see
// InformationRegister). Any other parameter is E003.
AnsiString ReadRegister(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
