// The printer's detail-tape memory: every document it issued, in COO order,
// as printed and, for sales and receipts, what it registered. Never erased;
// the fiscal-file libraries reproduce the detail tape and write the
// electronic files from it.
#pragma once

#include <vector>

#include "sale_documents.h"
#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"

namespace mdx::emulator {

enum class DetailKind {
  kFiscalCoupon,        // "CUPOM FISCAL" (closed or cancelled while open)
  kCouponCancellation,  // "CANCELAMENTO DE CUPOM FISCAL" of the last coupon
  kNonFiscalReceipt,    // "COMPROVANTE NAO FISCAL"
  kLinkedReceipt,       // "COMPROVANTE CREDITO OU DEBITO"
  kReceiptReversal,     // "ESTORNO NAO FISCAL"
  kManagementReport,    // "RELATORIO GERENCIAL"
  kXReading,            // "LEITURA X"
  kZReduction,          // "REDUCAO Z"
  kMemoryReading,       // the fiscal-memory readings printed by "15"/"16"
};

struct DetailDocument {
  int coo = 0;
  DetailKind kind = DetailKind::kFiscalCoupon;
  TDateTime issued = 0;  // the printer's clock when the document started
  // The counter the document advanced: CCF for a fiscal coupon, GNF for
  // receipts and management reports, CRZ for a Z reduction; 0 otherwise.
  int counter = 0;
  // A fiscal coupon cancelled, while open or afterwards by "05".
  bool cancelled = false;
  // For a coupon cancellation: the COO of the coupon it cancelled.
  int cancelledCoo = 0;
  // A fiscal coupon's registrations as they stood at its end.
  Coupon coupon;
  // A receipt's entries and payments as they stood at its end; for a
  // receipt reversal, those it took back (payments net of change).
  Receipt receipt;
  // The document's printed lines, from its opening rule to its end rule;
  // empty while the document is still open (PrinterState::detailTapeStart).
  std::vector<AnsiString> lines;

  bool operator==(const DetailDocument&) const = default;
};

using DetailMemory = std::vector<DetailDocument>;

}  // namespace mdx::emulator
