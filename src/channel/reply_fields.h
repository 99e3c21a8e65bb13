// The fields the package reads in the printer's replies, by command. Every
// position is 1-based, as the protocol counts them, and is read here only; a
// reply too short for a field gives the part of the field it has ("" when it
// has none).
#pragma once

#include "mdx00200/ansi_string.h"

namespace Mdx00200::replies {

using mdx::AnsiString;

// --- any reply ----------------------------------------------------------
// "-" at 2: the printer refused the command.
bool IsRefused(const AnsiString& reply);
// "+C" at 2-3: a complete information block.
bool IsCompleteBlock(const AnsiString& reply);
// The end of the register retry loops: a complete block or a refusal.
bool EndsRegisterWait(const AnsiString& reply);
// 7: the echo of the register selector on "27" replies.
AnsiString Echo(const AnsiString& reply);

// --- "28" detailed status -----------------------------------------------
// 10-17 is "P VENDAS" or "E VENDAS": a sale is under way.
bool SaleUnderWay(const AnsiString& reply);
// 21: "S" while a Z reduction is pending, else "N".
AnsiString ReductionFlag(const AnsiString& reply);
// 47-56: the printer's date and time, DDMMYYhhnn.
AnsiString PrinterDateTime(const AnsiString& reply);
// 47-52: the printer's date, DDMMYY.
AnsiString PrinterDate(const AnsiString& reply);
// 57 is "S": summer time is in force. A reply too short for it reads as not.
bool SummerTime(const AnsiString& reply);

// --- "27" register 1 ------------------------------------------------------
// 8-13: the movement date, DDMMYY.
AnsiString MovementDate(const AnsiString& reply);
// 20-36 of the reply with its leading and trailing blanks removed: the grand
// total, 17 digits with two implied decimals.
AnsiString GrandTotal(const AnsiString& reply);

// 93-104: the day's discounts, 12 digits with two implied decimals.
AnsiString DayDiscounts(const AnsiString& reply);

// --- "27" registers 6, 7 and L: the payment methods' day totals -----------
// The register that holds payment position k (1-20): '6' for 1-7, '7' for
// 8-10, 'L' for 11-20; 0 for any other k.
char PaymentRegister(int k);
// Position k's slot in its register: count (4) and amount (12) from
// 8 + 16 x (k - 1) on register 6 and from 8 + 16 x (k - 8) on register 7;
// the amount (12) from 8 + 12 x (k - 11) on register L.
AnsiString PaymentSlot(const AnsiString& reply, int k);

// --- "27" register 3 ------------------------------------------------------
// 4-6: the ECF number.
AnsiString EcfNumber(const AnsiString& reply);
// 13-21 without blanks at either end: the printer's serial number.
AnsiString SerialNumber(const AnsiString& reply);

// --- "27" register H ------------------------------------------------------
// 73-78: the coupon number.
AnsiString CouponNumber(const AnsiString& reply);
// 61-66: the fiscal-coupon counter.
AnsiString CouponCounter(const AnsiString& reply);

// --- "22" drawer state ----------------------------------------------------
// 6 is "0": the drawer is closed.
bool DrawerClosed(const AnsiString& reply);

}  // namespace Mdx00200::replies
