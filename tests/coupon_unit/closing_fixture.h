// ClosingTest: FechaCupom as a host calls it (SaleTest), with the data
// packets a host passes built from small tables: the sale's movements, its
// payment methods and the consumer-credit balances, and the positional list
// with every element the closing reads.
#pragma once

#include <memory>
#include <vector>

#include "coupon/sale_fixture.h"
#include "mdx00200/dataset.h"
#include "mdx00200/string_list.h"

namespace mdx::test {

using FechaCupomFn = bool (*)(const Variant*, int, TStringList*, OleVariant&);

// One cash movement of the sale (a row of element 13).
struct Movement {
  Movement(AnsiString kind, AnsiString method, double amount, AnsiString methodKind = "",
           AnsiString card = "", AnsiString origin = "")
      : kind(kind), method(method), amount(amount), methodKind(methodKind), card(card), origin(origin) {}
  AnsiString kind;        // IDTIPOMOVIVE
  AnsiString method;      // CDTIPORECE
  double amount;          // VRMOVIVEND
  AnsiString methodKind;  // IDTIPORECE
  AnsiString card;        // CDBANCARTCR
  AnsiString origin;      // CDTIPORECEORIG
};

// One payment method of the host (a row of element 14).
struct Method {
  AnsiString code;      // CDTIPORECE
  AnsiString position;  // CDFPIMPFIS
  AnsiString kind;      // IDTIPORECE
};

// A row of the credit balances (32), family spending (33) or loans (34).
struct Balance {
  Balance(AnsiString family, AnsiString name, double amount, AnsiString loanKind = "")
      : family(family), name(name), amount(amount), loanKind(loanKind) {}
  AnsiString family;    // CDFAMILISALD
  AnsiString name;      // NMFAMILISALD (32)
  double amount;        // VRSALDCONFAM (32, 33) or VRMOVEXTCONS (34)
  AnsiString loanKind;  // IDTPMOVEXT (34)
};

// `ownIndex`: the packet carries an index definition of the host's.
Variant MovementsPacket(const std::vector<Movement>& movements, bool ownIndex = false);
Variant MethodsPacket(const std::vector<Method>& methods);
Variant CreditPacket(const std::vector<Balance>& rows);
Variant FamilySpendingPacket(const std::vector<Balance>& rows);
Variant LoansPacket(const std::vector<Balance>& rows);

// The 61 elements of FechaCupom, each of the kind the closing reads, with
// the payment methods "001" (position "01") and "X07" (no position).
class ClosingList {
 public:
  ClosingList();
  Variant& operator[](int element) { return items_.at(static_cast<size_t>(element)); }
  std::vector<Variant>& Items() { return items_; }

 private:
  std::vector<Variant> items_;
};

class ClosingTest : public SaleTest {
 protected:
  void SetUp() override;

  // FechaCupom with the list; `result` gets four cells "unset" first.
  bool Close(ClosingList& list, TStringList* tefLines = nullptr);
  // The parameters of the last "12N" frame (between ".12N" and "}").
  AnsiString FooterParams();
  // The pairs of the last "12N" frame: its parameters cut into 41 characters.
  std::vector<AnsiString> FooterPairs();

  OleVariant result;
};

}  // namespace mdx::test
