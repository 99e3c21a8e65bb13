#include "coupon/closing_params.h"

#include <exception>

namespace Mdx00200::coupon {

ClosingParams ReadClosingParams(const Variant* p) {
  ClosingParams c;
  try {
    c.voucherTotalizer = p[0].AsString();
    c.firstLine = p[1].AsString();
    c.scheme = p[2].AsString();
    c.printVoucher = p[4].AsBoolean();
    c.discount = p[6].AsDouble();
    c.voucher = p[7].AsDouble();
    c.surcharge = p[8].AsDouble();
    c.tefMode = p[9].AsString();
    c.freeText = p[10].AsString();
    c.tefInUse = p[11].AsBoolean();
    c.movements = p[13];
    c.methods = p[14];
    c.clientCode = p[15].AsString();
    c.clientName = p[16].AsString();
    c.consumerCode = p[17].AsString();
    c.consumerName = p[18].AsString();
    c.consumerTaxId = p[19].AsString();
    c.nameLine = p[20].AsString();
    c.table = p[21].AsString();
    c.operatorCode = p[22].AsString();
    c.operatorName = p[23].AsString();
    c.balanceKind = p[27].AsString();
    c.password = p[31].AsString();
    c.creditBalances = p[32];
    c.familyBalances = p[33];
    c.loans = p[34];
    c.familyFooter = p[35].AsString();
    c.creditKind = p[36].AsString();
    c.balanceBefore = p[37].AsDouble();
    c.subsidy = p[38].AsDouble();
    c.tefInFooter = p[40].AsString();
    c.state = p[43].AsString();
    c.storeCnpj = p[44].AsString();
    c.federalTaxes = p[51].AsDouble();
    c.dotz = p[52].AsDouble();
    c.dotzExtras = p[54].AsDouble();
    c.stateTaxes = p[58].AsDouble();
    c.consumerLine = p[60].IsNull() || p[60].AsBoolean();
  } catch (const std::exception&) {
    // What was read stands; the rest keeps its defaults.
  }
  return c;
}

}  // namespace Mdx00200::coupon
