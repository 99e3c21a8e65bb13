#include "emulator/cheque_commands.h"

#include <string_view>

#include "emulator/paper_tape.h"
#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

// 1 to `longest` characters, none of them a control character.
bool ChequeText(std::string_view text, size_t longest) {
  if (text.empty() || text.size() > longest) return false;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

// The state in which "45" and "44" work on the cheque: no document open, a
// cheque in the slot and not printed yet.
bool ChequeOpenForWork(const PrinterState& s) {
  return s.document == DocumentKind::kNone && s.chequeInProgress && !s.cheque.printed;
}

}  // namespace

AnsiString ChequeFormat(CommandContext& context, const AnsiString& params) {
  if (params.empty() || params[0] != 'S') return Refused(kStatusBadParameters);
  const std::string_view format = std::string_view(params).substr(1);
  if (!ChequeText(format, kChequeFormatWidth)) return Refused(kStatusBadParameters);
  const PrinterState& now = context.State();
  if (now.document != DocumentKind::kNone || now.chequeInProgress) {
    return Refused(kStatusWrongState);
  }
  PrinterState& s = context.Change();
  s.chequeInProgress = true;
  s.cheque = Cheque{AnsiString(format), {}, false};
  return Accepted();
}

AnsiString ChequeChange(CommandContext& context, const AnsiString& params) {
  if (!ChequeText(params, kChequeChangeWidth)) return Refused(kStatusBadParameters);
  if (!ChequeOpenForWork(context.State())) return Refused(kStatusWrongState);
  if (context.State().cheque.changes.size() >= kChequeChangeCount) {
    return Refused(kStatusTableFull);
  }
  context.Change().cheque.changes.push_back(params);
  return Accepted();
}

AnsiString ChequeData(CommandContext& context, const AnsiString& params) {
  if (!ChequeText(params, kChequeDataWidth)) return Refused(kStatusBadParameters);
  if (!ChequeOpenForWork(context.State())) return Refused(kStatusWrongState);
  PrinterState& s = context.Change();
  const int width = s.tapeWidth;
  s.tape.push_back(RuleLine(width, '='));
  s.tape.push_back(Centred("CHEQUE", width));
  s.tape.push_back(TapeDateTime(context.Now()));
  s.tape.push_back(RuleLine(width, '-'));
  PrintText(s.tape, width, "FORMATO: " + s.cheque.format);
  for (const AnsiString& change : s.cheque.changes) {
    PrintText(s.tape, width, "ALTERACAO: " + change);
  }
  PrintText(s.tape, width, params);
  s.tape.push_back(RuleLine(width, '='));
  s.cheque.printed = true;
  return Accepted();
}

AnsiString EndCheque(CommandContext& context, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  if (context.State().chequeInProgress) {
    PrinterState& s = context.Change();
    s.chequeInProgress = false;
    s.cheque = Cheque{};
  }
  return Accepted();
}

}  // namespace mdx::emulator
