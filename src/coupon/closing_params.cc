#include "coupon/closing_params.h"

#include <exception>

#include "mdx00200/exceptions.h"

namespace Mdx00200::coupon {

namespace {

// Reads element i with `as`; a value that does not convert raises an error
// that names the element.
template <typename T>
T Read(const Variant* p, int i, T (Variant::*as)() const) {
  try {
    return (p[i].*as)();
  } catch (const std::exception& e) {
    throw mdx::EConvertError("elemento " + mdx::IntToStr(i) + ": " + e.what());
  }
}

AnsiString Text(const Variant* p, int i) { return Read(p, i, &Variant::AsString); }
bool Flag(const Variant* p, int i) { return Read(p, i, &Variant::AsBoolean); }
double Number(const Variant* p, int i) { return Read(p, i, &Variant::AsDouble); }

}  // namespace

ClosingParams ReadClosingParams(const Variant* p) {
  ClosingParams c;
  c.voucherTotalizer = Text(p, 0);
  c.firstLine = Text(p, 1);
  c.scheme = Text(p, 2);
  c.printVoucher = Flag(p, 4);
  c.discount = Number(p, 6);
  c.voucher = Number(p, 7);
  c.surcharge = Number(p, 8);
  c.tefMode = Text(p, 9);
  c.freeText = Text(p, 10);
  c.tefInUse = Flag(p, 11);
  c.movements = p[13];
  c.methods = p[14];
  c.clientCode = Text(p, 15);
  c.clientName = Text(p, 16);
  c.consumerCode = Text(p, 17);
  c.consumerName = Text(p, 18);
  c.consumerTaxId = Text(p, 19);
  c.nameLine = Text(p, 20);
  c.table = Text(p, 21);
  c.operatorCode = Text(p, 22);
  c.operatorName = Text(p, 23);
  c.balanceKind = Text(p, 27);
  c.password = Text(p, 31);
  c.creditBalances = p[32];
  c.familyBalances = p[33];
  c.loans = p[34];
  c.familyFooter = Text(p, 35);
  c.creditKind = Text(p, 36);
  c.balanceBefore = Number(p, 37);
  c.subsidy = Number(p, 38);
  c.tefInFooter = Text(p, 40);
  c.state = Text(p, 43);
  c.storeCnpj = Text(p, 44);
  c.federalTaxes = Number(p, 51);
  c.dotz = Number(p, 52);
  c.dotzExtras = Number(p, 54);
  c.stateTaxes = Number(p, 58);
  c.consumerLine = p[60].IsNull() || Flag(p, 60);
  return c;
}

}  // namespace Mdx00200::coupon
