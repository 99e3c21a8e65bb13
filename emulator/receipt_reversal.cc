#include "emulator/receipt_reversal.h"

#include "emulator/day_rules.h"
#include "emulator/documents.h"
#include "emulator/reply_builder.h"
#include "emulator/sale_tape.h"
#include "emulator/sale_totals.h"

namespace mdx::emulator {

AnsiString ReverseReceipt(CommandContext& context, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  const PrinterState& current = context.State();
  if (current.document != DocumentKind::kNone) return RefusedDocumentOpen();
  if (current.lastReceipt.entries.empty()) return Refused(kStatusWrongState);
  if (std::optional<AnsiString> refusal = DayRefusal(current, context.Now())) return *refusal;

  PrinterState& s = context.Change();
  const Receipt reversed = s.lastReceipt;
  // Nothing came after the receipt, so its COO is the last one.
  const int receiptCoo = s.counters.coo;
  if (!ReverseClosedReceipt(s, reversed)) return Refused(kStatusBadAmount);
  int64_t total = 0;
  for (const ReceiptEntry& entry : reversed.entries) total += entry.amount;
  DetailDocument& record =
      StartDocument(s, context.Now(), DetailKind::kReceiptReversal, "ESTORNO NAO FISCAL");
  record.receipt = reversed;  // what the reversal took back
  PrintReversal(s, receiptCoo, total);
  EndDocument(s);
  return Accepted();
}

}  // namespace mdx::emulator
