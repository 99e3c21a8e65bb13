#include "emulator/document_commands.h"

#include <optional>
#include <vector>

#include "emulator/documents.h"
#include "emulator/paper_tape.h"
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
  if (params == "N") return Refused(kStatusUnknownCommand);
  if (params != "S") return Refused(kStatusBadParameters);
  if (context.State().document != DocumentKind::kNone) return RefusedDocumentOpen();
  PrinterState& s = context.Change();
  StartDocument(s, context.Now(), "RELATORIO GERENCIAL");
  ++s.counters.gnf;
  ++s.counters.grg;
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
  const DocumentKind document = context.State().document;
  if (document == DocumentKind::kNone) return Accepted();
  if (document == DocumentKind::kFiscalCoupon && !withFooter) return Refused(kStatusWrongState);

  PrinterState& s = context.Change();
  for (const AnsiString& line : footer) PrintInDocument(s, line);
  EndDocument(s);
  s.document = DocumentKind::kNone;
  s.couponPaying = false;
  if (document == DocumentKind::kFiscalCoupon) s.lastCouponCoo = s.counters.coo;
  return Accepted();
}

AnsiString CancelCoupon(CommandContext& context, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  const PrinterState& current = context.State();
  if (HoldsText(current.document)) return RefusedDocumentOpen();
  if (current.document == DocumentKind::kFiscalCoupon) {
    PrinterState& s = context.Change();
    s.tape.push_back(Centred("CUPOM FISCAL CANCELADO", s.tapeWidth));
    EndDocument(s);
    s.document = DocumentKind::kNone;
    s.couponPaying = false;
    ++s.counters.cfc;
    return Accepted();
  }
  if (current.lastCouponCoo == 0) return Refused(kStatusWrongState);
  PrinterState& s = context.Change();
  const int cancelled = s.lastCouponCoo;
  StartDocument(s, context.Now(), "CANCELAMENTO DE CUPOM FISCAL");
  s.tape.push_back("COO DO CUPOM CANCELADO: " + ZeroFilled(cancelled, 6));
  EndDocument(s);
  ++s.counters.cfc;
  return Accepted();
}

}  // namespace mdx::emulator
