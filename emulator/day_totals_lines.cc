#include "emulator/day_totals_lines.h"

namespace mdx::emulator {

Tape DayTotalsLines(const PrinterState& s) {
  Tape lines;
  const auto amount = [&](std::string_view name, int64_t cents) {
    PrintLeftAndRight(lines, s.tapeWidth, name, AmountText(cents));
  };
  const DayTotals& d = s.day;
  amount("GT", s.grandTotal);
  amount("VENDA BRUTA", d.grossSales);
  amount("CANCELAMENTOS", d.cancelledIcms + d.cancelledIss);
  amount("DESCONTOS", d.discounts);
  amount("ACRESCIMOS", d.surcharges);
  amount("ISENTO", d.exemptSales);
  amount("NAO INCIDENCIA", d.nonIncidenceSales);
  amount("SUBSTITUICAO", d.substitutionSales);
  for (size_t k = 0; k < d.taxableBases.size(); ++k) {
    if (d.taxableBases[k] == 0) continue;
    amount("BASE " + s.taxRates[k].code, d.taxableBases[k]);
  }
  for (size_t k = 0; k < d.payments.size(); ++k) {
    if (d.payments[k] == Accumulator{}) continue;
    amount("PGTO " + s.paymentMethods[k].name, d.payments[k].amount);
  }
  for (size_t k = 0; k < d.totalizers.size(); ++k) {
    if (d.totalizers[k] == Accumulator{}) continue;
    amount("TOTZ " + s.totalizers[k].name, d.totalizers[k].amount);
  }
  return lines;
}

}  // namespace mdx::emulator
