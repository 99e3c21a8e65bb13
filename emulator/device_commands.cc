#include "emulator/device_commands.h"

#include <string_view>

#include "emulator/paper_tape.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

// The status codes of the "22" reply: position 6 tells the drawer's state.
constexpr char kDrawerClosed[] = "0000";
constexpr char kDrawerOpen[] = "0001";

}  // namespace

AnsiString OpenDrawer(CommandContext& context, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  if (!context.State().drawerOpen) context.Change().drawerOpen = true;
  return Accepted();
}

AnsiString DrawerState(CommandContext& context, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  return Accepted(context.State().drawerOpen ? kDrawerOpen : kDrawerClosed);
}

AnsiString CutPaper(CommandContext& context, const AnsiString& params) {
  if (params != "1") return Refused(kStatusBadParameters);
  if (context.State().document != DocumentKind::kNone) return Refused(kStatusWrongState);
  PrinterState& s = context.Change();
  s.tape.push_back(CutMark(s.tapeWidth));
  return Accepted();
}

AnsiString CutMark(int width) {
  AnsiString line = RuleLine(width, '~');
  const std::string_view label = " CORTE ";
  if (line.size() >= label.size()) {
    line.replace((line.size() - label.size()) / 2, label.size(), label);
  }
  return line;
}

}  // namespace mdx::emulator
