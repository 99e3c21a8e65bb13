// The rows of the Z capture, built from the information registers: the
// summary, the payment methods, the tax rates and the non-fiscal totalizers
// with movement.
//
// Each builder recreates its dataset empty with the data module's layout and
// posts one row per used slot. Every row carries the ECF number (NRECFREDZ)
// and the printer's movement date (DTREDUCAOZ, DataMov, read anew for each
// row). An exception (an amount that does not convert, a lookup table that
// cannot be opened) ends the builder: the rows posted before stay, the row
// being built is dropped.
#pragma once

#include "day/z_capture_registers.h"

namespace Mdx00200::day {

struct ZRowKeys {
  AnsiString scheme;
  AnsiString ecfNumber;
};

// The one summary row of `reduction`; `couponNumber` is the printer's
// current COO (NRULTCFREDZ is it plus 2).
void CaptureSummary(const ZRowKeys& keys, const ZRegisters& registers, int couponNumber,
                    TClientDataSet& reduction);

// Twenty payment slots: 1-10 from registers 6 and 7 (count + amount, used
// when the count is not 0000), 11-20 from register L (amount only, used when
// it is not zero). A slot gives a row only when a receipt type has its
// position ("01".."20") as CDFPIMPFIS. `receiptTypes` is opened before and
// closed after.
void CapturePayments(const ZRowKeys& keys, const ZRegisters& registers,
                     TClientDataSet& receiptTypes, TClientDataSet& payments);

// Fifteen tax slots (registers 3, 4, 5): a slot whose code is not blank and
// is a CDALIQIMPFIS of `rates` gives a row with the rate, the taxable base
// and the tax. `rates` is opened before (which fails when it holds no data)
// and closed after.
void CaptureTaxes(const ZRowKeys& keys, const ZRegisters& registers, TClientDataSet& rates,
                  TClientDataSet& taxes);

// Fifty totalizer slots (registers 7 to E): a slot whose count is not 0000
// gives a row named by its 15 characters of `legends` (the printer's
// totalizer table as CarregaTotalizador read it).
void CaptureTotalizers(const ZRowKeys& keys, const ZRegisters& registers, const AnsiString& legends,
                       TClientDataSet& totalizers);

}  // namespace Mdx00200::day
