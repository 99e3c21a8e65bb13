#include "emulator/table_commands.h"

#include "emulator/payment_table.h"
#include "emulator/reply_builder.h"
#include "emulator/tax_rate_table.h"
#include "emulator/totalizer_table.h"

namespace mdx::emulator {

namespace {

enum class Table { kTaxRates, kPaymentMethods, kTotalizers };

// A run of entries of one table in one "29" reply.
struct Piece {
  Table table;
  int first;     // 0-based position of the first entry in the table
  int count;
  int position;  // reply position of the first entry
};

struct TableRead {
  char subCode;
  int length;
  Piece pieces[2];
  int pieceCount;
};

constexpr TableRead kReads[] = {
    {'3', 76, {{Table::kTaxRates, 0, 4, 49}}, 1},
    {'4', 56, {{Table::kTaxRates, 4, 7, 8}}, 1},
    {'5', 83, {{Table::kTaxRates, 11, 4, 8}, {Table::kPaymentMethods, 0, 3, 36}}, 2},
    {'6', 119, {{Table::kPaymentMethods, 3, 7, 8}}, 1},
    {'Q', 103, {{Table::kPaymentMethods, 10, 6, 8}}, 1},
    {'R', 71, {{Table::kPaymentMethods, 16, 4, 8}}, 1},
    {'7', 127, {{Table::kTotalizers, 0, 6, 38}}, 1},
    {'8', 127, {{Table::kTotalizers, 6, 8, 8}}, 1},
    {'9', 127, {{Table::kTotalizers, 14, 8, 8}}, 1},
    {'A', 127, {{Table::kTotalizers, 22, 8, 8}}, 1},
    {'B', 127, {{Table::kTotalizers, 30, 8, 8}}, 1},
    {'C', 127, {{Table::kTotalizers, 38, 8, 8}}, 1},
    {'D', 67, {{Table::kTotalizers, 46, 4, 8}}, 1},
};

AnsiString Entry(const PrinterState& s, Table table, int index) {
  const size_t i = static_cast<size_t>(index);
  switch (table) {
    case Table::kTaxRates: return TaxRateEntry(s.taxRates[i]);
    case Table::kPaymentMethods: return PaymentEntry(s.paymentMethods[i]);
    case Table::kTotalizers: return TotalizerEntry(s.totalizers[i]);
  }
  return "";
}

AnsiString PieceText(const PrinterState& s, const Piece& piece) {
  AnsiString text;
  for (int i = 0; i < piece.count; ++i) text += Entry(s, piece.table, piece.first + i);
  return text;
}

}  // namespace

AnsiString ReadTable(CommandContext& context, const AnsiString& params) {
  if (params.size() != 1) return Refused(kStatusBadParameters);
  for (const TableRead& read : kReads) {
    if (read.subCode != params[0]) continue;
    const PrinterState& s = context.State();
    ReplyBuilder reply = CompleteBlock(s.ecfNumber, read.subCode, read.length);
    for (int i = 0; i < read.pieceCount; ++i) {
      reply.Put(read.pieces[i].position, PieceText(s, read.pieces[i]));
    }
    return reply.Text();
  }
  return Refused(kStatusBadParameters);
}

AnsiString NameTotalizers(CommandContext& context, const AnsiString& params) {
  if (params.empty() || params[0] != 'N') return Refused(kStatusBadParameters);
  if (context.State().document != DocumentKind::kNone) return RefusedDocumentOpen();
  TotalizerTable table = context.State().totalizers;
  const std::string_view status = AddTotalizers(table, std::string_view(params).substr(1));
  if (status != kStatusOk) return Refused(status);
  if (table != context.State().totalizers) context.Change().totalizers = table;
  return Accepted();
}

AnsiString ProgramPaymentMethods(CommandContext& context, const AnsiString& params) {
  if (context.State().document != DocumentKind::kNone) return RefusedDocumentOpen();
  PaymentTable table = context.State().paymentMethods;
  const std::string_view status = AddPaymentMethods(table, params);
  if (status != kStatusOk) return Refused(status);
  if (table != context.State().paymentMethods) context.Change().paymentMethods = table;
  return Accepted();
}

}  // namespace mdx::emulator
