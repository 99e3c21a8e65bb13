// Everything the virtual printer keeps between commands, and persists: the
// fiscal day, the open document, counters, identity, totals, tables, clock,
// paper, the cheque and the drawer, and the paper tape.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "detail_memory.h"
#include "fiscal_memory.h"
#include "fiscal_totals.h"
#include "printer_tables.h"
#include "sale_documents.h"
#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"

namespace mdx::emulator {

// A cheque in the printer's cheque slot, from its format ("46") to its end
// ("25"): the format, the alterations ("45") in the order they came, and
// whether its data ("44") has printed it. Texts are as the host sent them,
// printable Windows-1252 characters.
struct Cheque {
  AnsiString format;
  std::vector<AnsiString> changes;
  bool printed = false;

  bool operator==(const Cheque&) const = default;
};

// Longest texts a cheque takes, and how many alterations.
inline constexpr size_t kChequeFormatWidth = 40;
inline constexpr size_t kChequeChangeWidth = 120;
inline constexpr size_t kChequeDataWidth = 240;
inline constexpr size_t kChequeChangeCount = 9;

// The document the printer holds open. Only one can be open at a time.
enum class DocumentKind { kNone, kFiscalCoupon, kNonFiscalReceipt, kManagementReport };

enum class PaperLevel { kOk, kLow, kOut };

// Tape widths the printer offers.
inline constexpr int kNarrowTape = 40;
inline constexpr int kWideTape = 48;

struct Counters {
  int coo = 0;  // documents printed (every header on the tape)
  int ccf = 0;  // fiscal coupons
  int gnf = 0;  // non-fiscal documents (receipts and management reports)
  int grg = 0;  // management reports
  int cfc = 0;  // fiscal coupons cancelled
  int crz = 0;  // Z reductions
  int cro = 1;  // starts of operation
  int xReadings = 0;  // X readings

  bool operator==(const Counters&) const = default;
};

struct PrinterState {
  bool dayOpen = false;   // a fiscal day is under way
  bool zPending = false;  // the day of an earlier date still needs its Z reduction
  // The date of the fiscal day's first document (a whole day, no time); 0
  // before the day's first document.
  TDateTime movementDate = 0;
  // The day the last Z reduction closed: its movement date, or the Z's own
  // date when no day was open (a whole day; 0 before the first Z). No
  // document that needs a fiscal day starts until the printer's date passes it.
  TDateTime closedDay = 0;
  // The printer's clock when the last document started (0 before the
  // first): the clock is never set back before it.
  TDateTime lastDocumentTime = 0;
  DocumentKind document = DocumentKind::kNone;
  // The open fiscal coupon has moved on from its items to its payments.
  bool couponPaying = false;
  // COO of the last document when it was a closed fiscal coupon, which "05"
  // may still cancel; 0 otherwise.
  int lastCouponCoo = 0;
  // The open fiscal coupon's contents (meaningful while document is
  // kFiscalCoupon; a coupon opened through SetState may be empty).
  Coupon coupon;
  // The last closed fiscal coupon, until the next coupon opens or "05"
  // cancels it: what a cancellation reverses and what linked receipts name.
  Coupon lastCoupon;
  // The open non-fiscal receipt's contents (while document is kNonFiscalReceipt).
  Receipt receipt;
  // The last document when it was a closed non-fiscal receipt with amounts
  // on totalizers, which "53" may still reverse: its entries and its
  // payments net of change (payments of 0 left out). Empty entries: nothing
  // to reverse. Every new document forgets it.
  Receipt lastReceipt;
  bool chequeInProgress = false;
  // The cheque in progress; the empty Cheque when there is none.
  Cheque cheque;
  // The cash drawer: "21" opens it, and only a hand closes it again (tests
  // close it with SetState).
  bool drawerOpen = false;
  PaperLevel paper = PaperLevel::kOk;
  Counters counters;
  // Identity: the serial number (1 to 9 characters, no blanks) and the
  // number of this printer in the store (1 to 999).
  AnsiString serialNumber = "SW0000001";
  int ecfNumber = 1;
  // Everything ever sold, in cents; never cleared.
  int64_t grandTotal = 0;
  DayTotals day;
  // The Z reductions, oldest first.
  FiscalMemory fiscalMemory;
  // Every document issued, oldest first (the detail-tape memory), from
  // record detailBase on: a printer with a state file keeps the older records
  // on disk only (VirtualPrinter::State() reads them back; detailBase is 0).
  DetailMemory detail;
  int64_t detailBase = 0;
  // While the document of the last detail record is still open: the tape
  // line (counted from the tape's very first line, tapeBase included) of its
  // opening rule, where its lines start (they are copied into the record
  // when it ends); -1 when no record is open.
  int64_t detailTapeStart = -1;
  TaxRateTable taxRates = FreshTaxRates();
  PaymentTable paymentMethods = FreshPaymentMethods();
  TotalizerTable totalizers;
  // The printer's clock is the system clock plus this offset.
  int64_t clockOffsetMs = 0;
  bool summerTime = false;
  int tapeWidth = kWideTape;  // kNarrowTape or kWideTape
  // What the printer printed, one entry per printed line, trailing blanks
  // removed, Windows-1252 bytes, never longer than tapeWidth; from line
  // tapeBase on (the older lines are on disk only, as with detailBase).
  std::vector<AnsiString> tape;
  int64_t tapeBase = 0;

  bool operator==(const PrinterState&) const = default;
};

}  // namespace mdx::emulator
