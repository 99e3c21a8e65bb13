// Keeping the detail-tape memory as documents start and end: each document
// gets its record when it starts, and the record takes its printed lines
// (and its coupon or receipt) when it ends.
#pragma once

#include "emulator/printer_state.h"
#include "mdx00200/datetime.h"

namespace mdx::emulator {

// Appends the record of a document that starts now with the state's current
// COO, at the tape's current end (where its opening rule goes), and marks it
// open (PrinterState::detailTapeStart). A record still open is ended first
// (CloseDetailRecord), so no record stays open under another. Returns the
// new record, valid until the detail memory changes.
DetailDocument& OpenDetailRecord(PrinterState& state, DetailKind kind, TDateTime issued,
                                 int counter);

// Ends the open record: its lines become the tape from its opening rule to
// the end (control characters left out and lines cut to the tape's width,
// which matters only for a tape planted with SetState); a fiscal coupon's
// record takes the open coupon, a receipt's the open receipt. Returns the
// record, or nullptr when none is open (a document opened with SetState, or
// loaded from a file written before the printer kept a detail memory).
DetailDocument* CloseDetailRecord(PrinterState& state);

// The latest fiscal coupon record with that COO, or nullptr.
DetailDocument* FindCouponRecord(PrinterState& state, int coo);

}  // namespace mdx::emulator
