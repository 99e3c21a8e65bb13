#include "emulator/payment_table.h"

#include "emulator/status_codes.h"
#include "emulator/table_entries.h"

namespace mdx::emulator {

AnsiString PaymentEntry(const PaymentMethod& method) {
  if (IsFree(method)) return AnsiString(kPaymentEntryWidth, ' ');
  return method.flag + BlankFilled(method.name, kPaymentNameWidth);
}

bool IsFree(const PaymentMethod& method) { return TrimRight(method.name).empty(); }

std::string_view AddPaymentMethods(PaymentTable& table, std::string_view list) {
  const std::optional<std::vector<AnsiString>> entries = SplitEntries(list, kPaymentEntryWidth);
  if (!entries) return kStatusBadParameters;
  PaymentTable changed = table;
  for (const AnsiString& text : *entries) {
    const std::optional<ProgrammedEntry> entry = ReadEntry(text);
    if (!entry) return kStatusBadParameters;
    bool present = false;
    PaymentMethod* free = nullptr;
    for (PaymentMethod& method : changed) {
      if (IsFree(method)) {
        if (!free) free = &method;
      } else if (SameName(method.name, entry->name)) {
        present = true;
      }
    }
    if (present) continue;
    if (!free) return kStatusTableFull;
    *free = {entry->lead, entry->name};
  }
  table = changed;
  return kStatusOk;
}

AnsiString PaymentMethodProblem(const PaymentMethod& method) {
  if (method == PaymentMethod{}) return "";
  if (method.flag == ' ' || !IsPrintable(method.flag)) return "the flag must be a printable character";
  return NameProblem(method.name, kPaymentNameWidth);
}

}  // namespace mdx::emulator
