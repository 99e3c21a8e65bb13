// The devices beside the printing head: the cash drawer and the paper cutter.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "21", no parameters: opens the cash drawer (it stays open until a hand
// closes it). Accepted in any state, also when it is open already.
AnsiString OpenDrawer(CommandContext& context, const AnsiString& params);

// "22", no parameters: the drawer's state, at position 6 of the status code:
// ".+0000" closed, ".+0001" open. (With the paper low every accepted reply
// carries "P005" instead, which hides the drawer's state.)
AnsiString DrawerState(CommandContext& context, const AnsiString& params);

// "62" + "1": cuts the paper, which leaves a cut mark on the tape (CutMark).
// E003 for any other parameter, E004 while a document is open (the cut would
// split it).
AnsiString CutPaper(CommandContext& context, const AnsiString& params);

// The cut mark: "~" across the tape with " CORTE " in the middle.
AnsiString CutMark(int width);

}  // namespace mdx::emulator
