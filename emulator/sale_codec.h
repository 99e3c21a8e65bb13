// The state file's lines for the open coupon, the last closed coupon, the
// open receipt and the last closed receipt (see state_codec.h). Every field is optional on reading, as
// files written before the printer took sales have none of them.
//
//   coupon_coo 5                       the coupon ("coupon_") and the last
//   coupon_consumer 12345678909        closed one ("closed_coupon_")
//   coupon_adjustments 100 0           subtotal discount, surcharge
//   coupon_items 1
//   coupon_item 1 0 2000 350 700 0 0 0000000000789 T01 ?KGCAFE 0
//       bucket quantity price amount discount surcharge code tax description
//       cancelled (1: by "04"; missing in files of state 3)
//   coupon_payments 1
//   coupon_payment 1 1 1000            method amount
//   receipt_group 0
//   receipt_linked_method 0
//   receipt_entries 1
//   receipt_entry 1 3 25050            totalizer amount
//   receipt_payments 0
//   last_receipt_group 0               the receipt "53" may reverse, as
//   ...                                "receipt_" (payments net of change)
//
// Texts are escaped as EscapeText does, with blanks as "\x20" too, so that
// the fields of a line are split at blanks.
#pragma once

#include <string>

#include "emulator/printer_state.h"
#include "emulator/state_lines.h"

namespace mdx::emulator {

// Appends the lines to `text`.
void EncodeSale(const PrinterState& state, std::string& text);

// Reads the lines that are there into `state`; false (with the reason in
// the reader's Error) for a line that is there but bad.
bool DecodeSale(StateReader& reader, PrinterState& state);

// One coupon's or receipt's lines, their names starting with `prefix`
// ("coupon_", "last_receipt_", ...), as above. The decoders read the lines
// that are there into the coupon or receipt, which keeps its value for those
// that are missing.
void EncodeCoupon(const std::string& prefix, const Coupon& coupon, std::string& text);
void EncodeReceipt(const std::string& prefix, const Receipt& receipt, std::string& text);
bool DecodeCoupon(StateReader& reader, const std::string& prefix, Coupon& coupon);
bool DecodeReceipt(StateReader& reader, const std::string& prefix, Receipt& receipt);

}  // namespace mdx::emulator
