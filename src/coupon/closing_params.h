// The positional parameters of FechaCupom, by element number.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::coupon {

// Elements 0 to 60 of the list; those the closing does not use are not kept.
struct ClosingParams {
  AnsiString voucherTotalizer;  // 0: non-fiscal totalizer of the change voucher
  AnsiString firstLine;         // 1
  AnsiString scheme;            // 2
  bool printVoucher = false;    // 4
  double discount = 0;          // 6: on the subtotal
  double voucher = 0;           // 7: change-voucher amount
  double surcharge = 0;         // 8: on the subtotal
  AnsiString tefMode;           // 9: "S" or "T" when card payments go through TEF
  AnsiString freeText;          // 10
  bool tefInUse = false;        // 11
  Variant movements;            // 13: data packet
  Variant methods;              // 14: data packet
  AnsiString clientCode, clientName;      // 15, 16
  AnsiString consumerCode, consumerName;  // 17, 18
  AnsiString consumerTaxId;     // 19
  AnsiString nameLine;          // 20: consumer name for the "NOME" line
  AnsiString table;             // 21: table or tab number
  AnsiString operatorCode, operatorName;  // 22, 23
  AnsiString balanceKind;       // 27
  AnsiString password;          // 31
  Variant creditBalances, familyBalances, loans;  // 32, 33, 34: data packets
  AnsiString familyFooter;      // 35
  AnsiString creditKind;        // 36
  double balanceBefore = 0;     // 37
  double subsidy = 0;           // 38
  AnsiString tefInFooter;       // 40
  AnsiString state;             // 43
  AnsiString storeCnpj;         // 44
  double federalTaxes = 0;      // 51
  double dotz = 0;              // 52
  double dotzExtras = 0;        // 54
  double stateTaxes = 0;        // 58
  bool consumerLine = true;     // 60: Null counts as true
};

// The highest element read; a list must reach it.
inline constexpr int kLastClosingElement = 60;

// Reads params[0..60]. A value that does not convert raises
// mdx::EConvertError naming its element, so that the closing is refused
// before its first command rather than failing after the printer acted.
// REQUIRES: params holds at least kLastClosingElement + 1 elements.
ClosingParams ReadClosingParams(const Variant* params);

}  // namespace Mdx00200::coupon
