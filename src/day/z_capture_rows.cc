#include "day/z_capture_rows.h"

#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"

namespace Mdx00200::day {

namespace {

constexpr int kCounterWidth = 10;
constexpr int kPaymentSlotCount = 10;  // in each of the two payment blocks
constexpr int kTaxSlotCount = 15;
constexpr int kTotalizerSlotCount = 50;
constexpr int kLegendWidth = 15;

// A field of a register: selector, first position (1-based), length.
struct At {
  char selector;
  int first;
  int count;
};

constexpr At kRestarts = {'G', 16, 4};
constexpr At kReductions = {'1', 41, 4};
constexpr At kXReadings = {'G', 24, 4};
constexpr At kNonFiscalDocuments = {'1', 117, 4};
constexpr At kCancelledCoupons = {'1', 37, 4};
constexpr At kGrandTotal = {'1', 20, 17};
constexpr At kGrossSales = {'1', 45, 12};
constexpr At kServiceSales = {'2', 56, 12};
constexpr At kCancelledIcms = {'1', 61, 12};
constexpr At kCancelledIss = {'1', 77, 12};
constexpr At kDiscounts = {'1', 93, 12};
constexpr At kNetSales = {'1', 105, 12};
constexpr At kSurcharges = {'F', 12, 12};
constexpr At kSubstitutionSales = {'3', 46, 12};
constexpr At kExemptSales = {'3', 22, 12};
constexpr At kNonIncidenceSales = {'3', 34, 12};

// The slot blocks, each the concatenation of its pieces.
constexpr At kCountedPaymentBlock[] = {{'6', 8, 112}, {'7', 8, 48}};
constexpr At kPaymentAmountBlock[] = {{'L', 8, 120}};
constexpr At kTaxBlock[] = {{'3', 94, 15}, {'4', 8, 105}, {'5', 8, 105}};
constexpr At kTotalizerBlock[] = {{'7', 88, 32}, {'8', 8, 112}, {'9', 8, 112}, {'A', 8, 112},
                                  {'B', 8, 112}, {'C', 8, 112}, {'D', 8, 112}, {'E', 8, 96}};

AnsiString Read(const ZRegisters& registers, At at) {
  return registers.Field(at.selector, at.first, at.count);
}

double Amount(const ZRegisters& registers, At at) { return GetValue(Read(registers, at)); }

template <size_t N>
AnsiString Block(const ZRegisters& registers, const At (&pieces)[N]) {
  AnsiString text;
  for (const At& piece : pieces) text += Read(registers, piece);
  return text;
}

// Takes the next slot off the front of a block.
AnsiString NextSlot(AnsiString& block, size_t width) {
  AnsiString slot = block.substr(0, width);
  block.erase(0, slot.size());
  return slot;
}

AnsiString Counter(const AnsiString& text) { return Consiste::Ajusta(text, kCounterWidth); }

AnsiString TwoDigits(int number) { return Consiste::AjustaZero(mdx::IntToStr(number), 2); }

void SetText(TClientDataSet& ds, const char* field, const AnsiString& value) {
  ds.FieldByName(field).SetAsString(value);
}

void SetNumber(TClientDataSet& ds, const char* field, double value) {
  ds.FieldByName(field).SetAsFloat(value);
}

// Starts a row with the two key fields and lets `fill` complete it: posted
// (after the rows before it, so they come in slot order) when `fill` returns
// true, dropped when it returns false or throws.
template <typename Fill>
void AddRow(TClientDataSet& ds, const ZRowKeys& keys, Fill fill) {
  ds.Append();
  try {
    SetText(ds, "NRECFREDZ", keys.ecfNumber);
    ds.FieldByName("DTREDUCAOZ").SetAsDateTime(DataMov(keys.scheme));
    if (fill()) {
      ds.Post();
      return;
    }
  } catch (...) {
    ds.Cancel();
    throw;
  }
  ds.Cancel();
}

// A payment row for printer payment position `position`, when a receipt
// type has that position.
void AddPayment(const ZRowKeys& keys, TClientDataSet& receiptTypes, TClientDataSet& payments,
                int position, double amount) {
  AddRow(payments, keys, [&] {
    SetNumber(payments, "VRFORMPGTORZ", amount);
    if (!receiptTypes.Locate("CDFPIMPFIS", TwoDigits(position))) return false;
    const AnsiString receiptType = receiptTypes.FieldByName("CDTIPORECE").AsString();
    SetText(payments, "CDTIPORECE", receiptType);
    SetText(payments, "CDTPRECEORIG", receiptType);
    return true;
  });
}

}  // namespace

void CaptureSummary(const ZRowKeys& keys, const ZRegisters& r, int couponNumber,
                    TClientDataSet& reduction) {
  RecreateFromDesign(reduction);
  TClientDataSet& ds = reduction;
  AddRow(ds, keys, [&] {
    SetText(ds, "NRREINIREDZ", Counter(Read(r, kRestarts)));
    SetText(ds, "NRREDREDZ", Counter(mdx::IntToStr(mdx::StrToInt(Read(r, kReductions)) + 1)));
    SetText(ds, "NRLEITREDZ", Counter(Read(r, kXReadings)));
    SetText(ds, "NRGERCNFREDZ", Counter(Read(r, kNonFiscalDocuments)));
    SetText(ds, "NRCANCFREDZ", Counter(Read(r, kCancelledCoupons)));
    SetText(ds, "NRPRIMCFREDZ", "0000000000");
    SetText(ds, "NRULTCFREDZ", Counter(mdx::IntToStr(couponNumber + 2LL)));
    SetNumber(ds, "VRGTREDZ", Amount(r, kGrandTotal));
    SetNumber(ds, "VRVENBRUREDZ", Amount(r, kGrossSales));
    SetNumber(ds, "VRISSREDZ", Amount(r, kServiceSales));
    SetNumber(ds, "VRTOTCANREDZ", Amount(r, kCancelledIcms) + Amount(r, kCancelledIss));
    SetNumber(ds, "VRTOTDESREDZ", Amount(r, kDiscounts));
    SetNumber(ds, "VRVENLIQREDZ", Amount(r, kNetSales));
    SetNumber(ds, "VRTOTACRREDZ", Amount(r, kSurcharges));
    SetNumber(ds, "VRSTRIBREDZ", Amount(r, kSubstitutionSales));
    SetNumber(ds, "VRISENCREDZ", Amount(r, kExemptSales));
    SetNumber(ds, "VRNINCIDREDZ", Amount(r, kNonIncidenceSales));
    for (const char* unset : {"QTTEMLIGREDZ", "QTTEMPCFREDZ", "QTMEMRESREDZ"}) {
      ds.FieldByName(unset).Clear();
    }
    return true;
  });
}

void CapturePayments(const ZRowKeys& keys, const ZRegisters& r, TClientDataSet& receiptTypes,
                     TClientDataSet& payments) {
  receiptTypes.Open();
  RecreateFromDesign(payments);

  AnsiString counted = Block(r, kCountedPaymentBlock);
  for (int k = 1; k <= kPaymentSlotCount; ++k) {
    const AnsiString slot = NextSlot(counted, 16);
    if (mdx::Copy(slot, 1, 4) == "0000") continue;
    AddPayment(keys, receiptTypes, payments, k, GetValue(mdx::Copy(slot, 5, 12)));
  }

  // Positions 11-20 carry no count: a slot is used when its amount is not
  // zero (a whole multiple of 100.00 is an amount too).
  AnsiString amounts = Block(r, kPaymentAmountBlock);
  for (int k = 1; k <= kPaymentSlotCount; ++k) {
    const double amount = GetValue(NextSlot(amounts, 12));
    if (amount == 0) continue;
    AddPayment(keys, receiptTypes, payments, kPaymentSlotCount + k, amount);
  }
  receiptTypes.Close();
}

void CaptureTaxes(const ZRowKeys& keys, const ZRegisters& r, TClientDataSet& rates,
                  TClientDataSet& taxes) {
  rates.Open();
  RecreateFromDesign(taxes);
  AnsiString block = Block(r, kTaxBlock);
  for (int k = 1; k <= kTaxSlotCount; ++k) {
    const AnsiString slot = NextSlot(block, 15);
    const AnsiString code = mdx::Copy(slot, 1, 3);
    if (code == "   ") continue;
    AddRow(taxes, keys, [&] {
      if (!rates.Locate("CDALIQIMPFIS", code)) return false;
      const double rate = rates.FieldByName("VRALIQIMPFIS").AsFloat();
      const double base = GetValue(mdx::Copy(slot, 4, 12));
      SetText(taxes, "CDALIQIMPRZ", mdx::Copy(slot, 2, 2));
      SetNumber(taxes, "VRALIQIMPRZ", rate);
      SetNumber(taxes, "VRBCALCIMPRZ", base);
      SetNumber(taxes, "VRIMPOSTORZ", base * rate / 100);
      SetText(taxes, "IDTPIMPREDZ", mdx::Copy(slot, 1, 1));
      return true;
    });
  }
  rates.Close();
}

void CaptureTotalizers(const ZRowKeys& keys, const ZRegisters& r, const AnsiString& legends,
                       TClientDataSet& totalizers) {
  RecreateFromDesign(totalizers);
  AnsiString block = Block(r, kTotalizerBlock);
  for (int k = 1; k <= kTotalizerSlotCount; ++k) {
    const AnsiString slot = NextSlot(block, 16);
    const AnsiString count = mdx::Copy(slot, 1, 4);
    if (count == "0000") continue;
    AddRow(totalizers, keys, [&] {
      SetText(totalizers, "NRTOTNFISCRZ", TwoDigits(k));
      SetText(totalizers, "DSTOTNFISCRZ",
              mdx::Copy(legends, (k - 1) * kLegendWidth + 1, kLegendWidth));
      SetText(totalizers, "NRCONTOTNFIS", count);
      SetNumber(totalizers, "VRACUTOTNFIS", GetValue(mdx::Copy(slot, 5, 12)));
      return true;
    });
  }
}

}  // namespace Mdx00200::day
