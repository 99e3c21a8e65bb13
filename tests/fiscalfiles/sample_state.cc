#include "sample_state.h"

namespace mdx::fiscalfiles::test {

namespace {

using namespace emulator;

DetailDocument Document(int coo, DetailKind kind, TDateTime issued, int counter,
                        const AnsiString& title) {
  DetailDocument document;
  document.coo = coo;
  document.kind = kind;
  document.issued = issued;
  document.counter = counter;
  document.lines = {AnsiString(48, '='), "COO:" + std::string(5, '0') + std::to_string(coo),
                    title, AnsiString(48, '=')};
  return document;
}

}  // namespace

TDateTime At(int day, int hour, int minute, int second) {
  return EncodeDate(2026, 12, day) + EncodeTime(hour, minute, second, 0);
}

PrinterState SampleState() {
  PrinterState state;
  state.serialNumber = "SW0000001";
  state.ecfNumber = 7;
  state.counters.coo = 6;
  state.counters.ccf = 2;
  state.counters.gnf = 2;
  state.counters.grg = 1;
  state.counters.cfc = 1;
  state.counters.crz = 2;
  state.counters.cro = 3;
  state.grandTotal = 1766;
  state.paymentMethods[1] = {'S', "Cartao"};
  state.totalizers[0] = {'+', "Suprimento"};

  DetailDocument sale = Document(1, DetailKind::kFiscalCoupon, At(6, 10, 0, 0), 1, "CUPOM FISCAL");
  sale.coupon.coo = 1;
  sale.coupon.consumer = "12345678909";
  CouponItem coffee;
  coffee.code = "0000000000789";
  coffee.description = "?KGCAFE";  // with the unit mark the till sends
  coffee.taxCode = "T01";
  coffee.quantity = 2000;
  coffee.unitPrice = 350;
  coffee.amount = 700;
  coffee.discount = 50;
  CouponItem bread;
  bread.code = "0000000000012";
  bread.description = "PAO DE QUEIJO";
  bread.taxCode = "I";
  bread.bucket = 15;
  bread.quantity = 333;
  bread.unitPrice = 199;
  bread.amount = 66;
  sale.coupon.items = {coffee, bread};
  sale.coupon.subtotalDiscount = 100;
  sale.coupon.payments = {{2, 200}, {1, 500}};  // 7,00 for 6,16: 0,84 change

  DetailDocument cancelled =
      Document(2, DetailKind::kFiscalCoupon, At(6, 10, 5, 0), 2, "CUPOM FISCAL CANCELADO");
  cancelled.cancelled = true;
  cancelled.coupon.coo = 2;
  CouponItem item;
  item.code = "0000000000555";
  item.description = "QUEIJO";
  item.taxCode = "T02";
  item.bucket = 1;
  item.quantity = 1000;
  item.unitPrice = 1000;
  item.amount = 1000;
  cancelled.coupon.items = {item};

  DetailDocument receipt =
      Document(3, DetailKind::kNonFiscalReceipt, At(6, 11, 0, 0), 1, "COMPROVANTE NAO FISCAL");
  receipt.receipt.entries = {{1, 10000}};
  receipt.receipt.payments = {{1, 15000}};

  state.detail = {
      sale,
      cancelled,
      receipt,
      Document(4, DetailKind::kZReduction, At(6, 23, 0, 0), 1, "REDUCAO Z"),
      Document(5, DetailKind::kManagementReport, At(7, 9, 0, 0), 2, "RELATORIO GERENCIAL"),
      Document(6, DetailKind::kZReduction, At(7, 23, 0, 0), 2, "REDUCAO Z"),
  };

  ZRecord first;
  first.crz = 1;
  first.date = EncodeDate(2026, 12, 6);
  first.lastCoo = 4;
  first.grandTotal = 1766;
  first.grossSales = 1766;
  first.cancellations = 1000;
  first.discounts = 150;
  ZRecord second;
  second.crz = 2;
  second.date = EncodeDate(2026, 12, 7);
  second.lastCoo = 6;
  second.grandTotal = 1766;
  state.fiscalMemory = {first, second};
  return state;
}

Snapshot SampleSnapshot() { return TakeSnapshot(SampleState(), At(7, 18, 30, 15)); }

AnsiString Field(const AnsiString& line, int column, int width) {
  if (static_cast<size_t>(column - 1 + width) > line.size())
    return "<line too short: " + line + ">";
  return line.substr(static_cast<size_t>(column - 1), static_cast<size_t>(width));
}

std::vector<AnsiString> SplitLines(const AnsiString& text) {
  std::vector<AnsiString> lines;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = text.find("\r\n", at);
    if (end == AnsiString::npos) {
      lines.push_back(text.substr(at) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

}  // namespace mdx::fiscalfiles::test
