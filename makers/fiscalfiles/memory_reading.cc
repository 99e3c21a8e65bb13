#include "fiscalfiles/memory_reading.h"

#include "emulator/paper_tape.h"
#include "fiscalfiles/documents.h"
#include "fiscalfiles/fixed_fields.h"
#include "fiscalfiles/text_header.h"

namespace mdx::fiscalfiles {

namespace {

using emulator::ZRecord;

constexpr int kWidth = 48;

AnsiString Amount(const AnsiString& label, int64_t cents) {
  return emulator::LeftAndRight(label, emulator::AmountText(cents), kWidth);
}

void Totals(std::vector<AnsiString>& lines, const std::vector<const ZRecord*>& reductions) {
  ZRecord sum;
  for (const ZRecord* record : reductions) {
    sum.grossSales += record->grossSales;
    sum.cancellations += record->cancellations;
    sum.discounts += record->discounts;
    sum.surcharges += record->surcharges;
  }
  int64_t net = 0;
  for (const ZRecord* record : reductions) net += NetSales(*record);
  lines.push_back("TOTAIS DO PERIODO");
  lines.push_back(emulator::LeftAndRight("REDUCOES", std::to_string(reductions.size()), kWidth));
  lines.push_back(Amount("VENDA BRUTA", sum.grossSales));
  lines.push_back(Amount("CANCELAMENTOS", sum.cancellations));
  lines.push_back(Amount("DESCONTOS", sum.discounts));
  lines.push_back(Amount("ACRESCIMOS", sum.surcharges));
  lines.push_back(Amount("VENDA LIQUIDA", net));
  lines.push_back(Amount("GT FINAL", reductions.back()->grandTotal));
}

}  // namespace

AnsiString MemoryReadingText(const Snapshot& snapshot, const Range& range, ReadingMode mode) {
  const bool complete = mode == ReadingMode::kComplete;
  std::vector<AnsiString> lines = HeaderLines(
      complete ? "LEITURA DA MEMORIA FISCAL COMPLETA" : "LEITURA DA MEMORIA FISCAL SIMPLIFICADA",
      snapshot, RangeText(range, "CRZ", 4));
  lines.push_back("");
  const auto reductions = ReductionsInRange(snapshot.state, range);
  if (reductions.empty()) {
    lines.push_back("SEM REDUCOES NO PERIODO");
    return JoinLines(lines);
  }
  if (!complete)
    lines.push_back(emulator::LeftAndRight("CRZ  DATA       COO", "VENDA BRUTA", kWidth));
  for (const ZRecord* record : reductions) {
    const AnsiString crz = Digits(record->crz, 4);
    const AnsiString date = DateText(record->date);
    const AnsiString coo = Digits(record->lastCoo, 6);
    if (!complete) {
      lines.push_back(emulator::LeftAndRight(crz + " " + date + " " + coo,
                                             emulator::AmountText(record->grossSales), kWidth));
      continue;
    }
    lines.push_back("REDUCAO Z CRZ:" + crz + " DATA:" + date + " COO:" + coo);
    lines.push_back(Amount("GT", record->grandTotal));
    lines.push_back(Amount("VENDA BRUTA", record->grossSales));
    lines.push_back(Amount("CANCELAMENTOS", record->cancellations));
    lines.push_back(Amount("DESCONTOS", record->discounts));
    lines.push_back(Amount("ACRESCIMOS", record->surcharges));
    lines.push_back(Amount("VENDA LIQUIDA", NetSales(*record)));
    lines.push_back("");
  }
  if (!complete) lines.push_back("");
  Totals(lines, reductions);
  return JoinLines(lines);
}

}  // namespace mdx::fiscalfiles
