#include "emulator/sale_codec.h"

#include <vector>

#include "emulator/fiscal_totals.h"

namespace mdx::emulator {

namespace {

constexpr int64_t kLargestNumber = 999999999999;

void Put(std::string& text, const std::string& name, const std::string& value) {
  text += name;
  text += ' ';
  text += value;
  text += '\n';
}

std::string Token(const AnsiString& value) {
  std::string token;
  for (char c : EscapeText(value)) {
    if (c == ' ') {
      token += "\\x20";
    } else {
      token += c;
    }
  }
  return token;
}

std::string Numbers(std::initializer_list<int64_t> values) {
  std::string text;
  for (int64_t value : values) {
    if (!text.empty()) text += ' ';
    text += std::to_string(value);
  }
  return text;
}

// "<countName> n" and then "<name> k rest" for each element.
template <typename T, typename Rest>
void PutList(std::string& text, const std::string& countName, const std::string& name,
             const std::vector<T>& list, Rest rest) {
  Put(text, countName, std::to_string(list.size()));
  for (size_t k = 0; k < list.size(); ++k) {
    Put(text, name, std::to_string(k + 1) + " " + rest(list[k]));
  }
}

}  // namespace

void EncodeCoupon(const std::string& prefix, const Coupon& c, std::string& text) {
  Put(text, prefix + "coo", std::to_string(c.coo));
  Put(text, prefix + "consumer", Token(c.consumer));
  Put(text, prefix + "adjustments", Numbers({c.subtotalDiscount, c.subtotalSurcharge}));
  PutList(text, prefix + "items", prefix + "item", c.items, [](const CouponItem& i) {
    return Numbers({i.bucket, i.quantity, i.unitPrice, i.amount, i.discount, i.surcharge}) + " " +
           Token(i.code) + " " + Token(i.taxCode) + " " + Token(i.description) + " " +
           (i.cancelled ? "1" : "0");
  });
  PutList(text, prefix + "payments", prefix + "payment", c.payments,
          [](const Payment& p) { return Numbers({p.method, p.amount}); });
}

void EncodeReceipt(const std::string& prefix, const Receipt& r, std::string& text) {
  Put(text, prefix + "group", std::to_string(r.group));
  Put(text, prefix + "linked_method", std::to_string(r.linkedMethod));
  PutList(text, prefix + "entries", prefix + "entry", r.entries,
          [](const ReceiptEntry& e) { return Numbers({e.totalizer, e.amount}); });
  PutList(text, prefix + "payments", prefix + "payment", r.payments,
          [](const Payment& p) { return Numbers({p.method, p.amount}); });
}

namespace {

// Splits at single blanks into `fields`; the number of fields.
size_t Split(std::string_view text, std::vector<std::string_view>& fields) {
  fields.clear();
  while (true) {
    const size_t blank = text.find(' ');
    fields.push_back(text.substr(0, blank));
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
  return fields.size();
}

// Splits at single blanks; false unless there are exactly `count` fields.
bool SplitFields(std::string_view text, size_t count, std::vector<std::string_view>& fields) {
  return Split(text, fields) == count;
}

bool Number(std::string_view text, int64_t& value) {
  return ParseNumber(text, 0, kLargestNumber, value);
}

bool Int(std::string_view text, int& value) {
  int64_t wide = 0;
  if (!ParseNumber(text, 0, kLargestNumber, wide) || wide > 999999999) return false;
  value = static_cast<int>(wide);
  return true;
}

class SaleDecoder {
 public:
  explicit SaleDecoder(StateReader& reader) : r_(reader) {}

  bool ReadCoupon(const std::string& prefix, Coupon& c) {
    return CouponCoo(prefix, c) && Consumer(prefix, c) && Adjustments(prefix, c) &&
           List(prefix + "items", prefix + "item", kLargestItemCount, c.items, ReadItem) &&
           List(prefix + "payments", prefix + "payment", kLargestPaymentCount, c.payments,
                ReadPayment);
  }

  bool ReadReceipt(const std::string& prefix, Receipt& receipt) {
    return OptionalInt(prefix + "group", receipt.group) &&
           OptionalInt(prefix + "linked_method", receipt.linkedMethod) &&
           List(prefix + "entries", prefix + "entry", kLargestEntryCount, receipt.entries,
                ReadEntry) &&
           List(prefix + "payments", prefix + "payment", kLargestPaymentCount, receipt.payments,
                ReadPayment);
  }

 private:
  bool Bad(const std::string& name) { return r_.Fail("bad value of '" + name + "'"); }

  bool OptionalInt(const std::string& name, int& value) {
    return !r_.Has(name) || r_.Int(name.c_str(), 0, 999999999, value);
  }

  bool CouponCoo(const std::string& prefix, Coupon& c) {
    return OptionalInt(prefix + "coo", c.coo);
  }

  bool Consumer(const std::string& prefix, Coupon& c) {
    const std::string name = prefix + "consumer";
    if (!r_.Has(name)) return true;
    std::string_view text;
    if (!r_.Value(name.c_str(), text)) return false;
    if (!UnescapeText(text, c.consumer)) return Bad(name);
    return true;
  }

  bool Adjustments(const std::string& prefix, Coupon& c) {
    const std::string name = prefix + "adjustments";
    if (!r_.Has(name)) return true;
    std::string_view text;
    std::vector<std::string_view> fields;
    if (!r_.Value(name.c_str(), text)) return false;
    if (!SplitFields(text, 2, fields) || !Number(fields[0], c.subtotalDiscount) ||
        !Number(fields[1], c.subtotalSurcharge)) {
      return Bad(name);
    }
    return true;
  }

  // Files of state 3 have no cancellation mark (the tenth field).
  static bool ReadItem(std::string_view text, CouponItem& item) {
    std::vector<std::string_view> f;
    const size_t count = Split(text, f);
    if (count == 10) {
      if (f[9] != "0" && f[9] != "1") return false;
      item.cancelled = f[9] == "1";
    } else if (count != 9) {
      return false;
    }
    return Int(f[0], item.bucket) && Int(f[1], item.quantity) &&
           Number(f[2], item.unitPrice) && Number(f[3], item.amount) &&
           Number(f[4], item.discount) && Number(f[5], item.surcharge) &&
           UnescapeText(f[6], item.code) && UnescapeText(f[7], item.taxCode) &&
           UnescapeText(f[8], item.description);
  }

  static bool ReadPayment(std::string_view text, Payment& payment) {
    std::vector<std::string_view> f;
    return SplitFields(text, 2, f) && Int(f[0], payment.method) && Number(f[1], payment.amount);
  }

  static bool ReadEntry(std::string_view text, ReceiptEntry& entry) {
    std::vector<std::string_view> f;
    return SplitFields(text, 2, f) && Int(f[0], entry.totalizer) && Number(f[1], entry.amount);
  }

  // "<countName> n" and then n lines "<name> k rest", k = 1..n in order.
  template <typename T>
  bool List(const std::string& countName, const std::string& name, int capacity,
            std::vector<T>& list, bool (*read)(std::string_view, T&)) {
    if (!r_.Has(countName)) return true;
    int count = 0;
    if (!r_.Int(countName.c_str(), 0, capacity, count)) return false;
    list.assign(static_cast<size_t>(count), T{});
    int last = 0;
    for (T& element : list) {
      std::string_view rest;
      if (!r_.Entry(name.c_str(), capacity, last, rest)) return false;
      if (last != static_cast<int>(&element - list.data()) + 1) {
        return r_.Fail("'" + name + "' out of order");
      }
      if (!read(rest, element)) return Bad(name);
    }
    return true;
  }

  StateReader& r_;
};

}  // namespace

void EncodeSale(const PrinterState& state, std::string& text) {
  EncodeCoupon("coupon_", state.coupon, text);
  EncodeCoupon("closed_coupon_", state.lastCoupon, text);
  EncodeReceipt("receipt_", state.receipt, text);
  EncodeReceipt("last_receipt_", state.lastReceipt, text);
}

bool DecodeSale(StateReader& reader, PrinterState& state) {
  return DecodeCoupon(reader, "coupon_", state.coupon) &&
         DecodeCoupon(reader, "closed_coupon_", state.lastCoupon) &&
         DecodeReceipt(reader, "receipt_", state.receipt) &&
         DecodeReceipt(reader, "last_receipt_", state.lastReceipt);
}

bool DecodeCoupon(StateReader& reader, const std::string& prefix, Coupon& coupon) {
  return SaleDecoder(reader).ReadCoupon(prefix, coupon);
}

bool DecodeReceipt(StateReader& reader, const std::string& prefix, Receipt& receipt) {
  return SaleDecoder(reader).ReadReceipt(prefix, receipt);
}

}  // namespace mdx::emulator
