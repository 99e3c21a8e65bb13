#include "emulator/document_commands.h"

#include <optional>
#include <vector>

#include "emulator/coupon_closing.h"
#include "emulator/day_reports.h"
#include "emulator/day_rules.h"
#include "emulator/digit_fields.h"
#include "emulator/documents.h"
#include "emulator/paper_tape.h"
#include "emulator/receipt_commands.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

constexpr size_t kFooterLineWidth = 40;

bool HoldsText(DocumentKind document) {
  return document == DocumentKind::kManagementReport ||
         document == DocumentKind::kNonFiscalReceipt;
}

// The lines of "0" + 40-character pairs; trailing bare "0"s carry none.
// nullopt when the text does not have that shape.
std::optional<std::vector<AnsiString>> FooterLines(std::string_view pairs) {
  std::vector<AnsiString> lines;
  while (!pairs.empty()) {
    if (pairs[0] != '0') return std::nullopt;
    pairs.remove_prefix(1);
    if (pairs.size() < kFooterLineWidth) {
      for (char c : pairs) {
        if (c != '0') return std::nullopt;
      }
      break;
    }
    lines.emplace_back(pairs.substr(0, kFooterLineWidth));
    pairs.remove_prefix(kFooterLineWidth);
  }
  return lines;
}

}  // namespace

AnsiString OpenReport(CommandContext& context, const AnsiString& params) {
  if (params == "N") return XReading(context);
  if (params != "S") return Refused(kStatusBadParameters);
  const PrinterState& current = context.State();
  if (current.document != DocumentKind::kNone) return RefusedDocumentOpen();
  if (std::optional<AnsiString> refusal = DayRefusal(current, context.Now())) return *refusal;
  PrinterState& s = context.Change();
  StartDocument(s, context.Now(), DetailKind::kManagementReport, "RELATORIO GERENCIAL");
  s.tape.push_back(LeftAndRight("GNF:" + ZeroFilled(s.counters.gnf, 6),
                                "GRG:" + ZeroFilled(s.counters.grg, 6), s.tapeWidth));
  s.document = DocumentKind::kManagementReport;
  return Accepted();
}

AnsiString PrintDocumentText(CommandContext& context, const AnsiString& params) {
  if (!HoldsText(context.State().document)) return Refused(kStatusWrongState);
  if (params.empty()) return Refused(kStatusBadParameters);
  if (params[0] == '9') {
    if (params.size() != 2 || params[1] < '1' || params[1] > '9') {
      return Refused(kStatusBadParameters);
    }
    PrinterState& s = context.Change();
    for (char n = '1'; n <= params[1]; ++n) s.tape.push_back("");
    return Accepted();
  }
  const std::string_view text =
      params[0] == '0' ? std::string_view(params).substr(1) : std::string_view(params);
  PrintInDocument(context.Change(), text);
  return Accepted();
}

AnsiString CloseDocument(CommandContext& context, const AnsiString& params) {
  std::vector<AnsiString> footer;
  const bool withFooter = !params.empty();
  if (withFooter) {
    if (params[0] != 'N') return Refused(kStatusBadParameters);
    std::optional<std::vector<AnsiString>> lines = FooterLines(std::string_view(params).substr(1));
    if (!lines) return Refused(kStatusBadParameters);
    footer = std::move(*lines);
  }
  switch (context.State().document) {
    case DocumentKind::kNone: return Refused(kStatusWrongState);
    case DocumentKind::kFiscalCoupon:
      if (!withFooter) return Refused(kStatusWrongState);
      return CloseCoupon(context, footer);
    case DocumentKind::kNonFiscalReceipt: return CloseReceipt(context, footer);
    case DocumentKind::kManagementReport: break;
  }
  PrinterState& s = context.Change();
  for (const AnsiString& line : footer) PrintInDocument(s, line);
  EndDocument(s);
  s.document = DocumentKind::kNone;
  return Accepted();
}

AnsiString RegisterPayment(CommandContext& context, const AnsiString& params) {
  const std::optional<PositionAndAmount> payment = ReadPositionAndAmount(params);
  if (!payment) return Refused(kStatusBadParameters);
  switch (context.State().document) {
    case DocumentKind::kFiscalCoupon: return CouponPayment(context, *payment);
    case DocumentKind::kNonFiscalReceipt: return ReceiptPayment(context, *payment);
    default: return Refused(kStatusWrongState);
  }
}

}  // namespace mdx::emulator
