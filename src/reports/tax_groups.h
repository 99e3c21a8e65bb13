// The tax-rate groups of the grouped product report: the heading printed
// where a group starts, the label of its total, and the totals per group,
// kept in the data module's cdsAliqProduto.
//
// A group is a rate; the products without a rate (0) form one group per tax
// type, so substitution, not-levied and exempt sales each get their heading
// and their own total instead of being added together under the first one's
// label.
#pragma once

#include <unordered_map>
#include <vector>

#include "mdx00200/mdx00200.h"

namespace Kor_msg {
class TMessages;
}

namespace Mdx00200::reports {

// The key that tells groups apart: the rate's value, and for a rate of 0 the
// tax type as well. A null rate reads as 0, so it shares the group of a rate
// of 0 of its tax type.
AnsiString TaxGroupKey(double rate, const AnsiString& taxType);

// For a rate of 0: "Subst. Trib." for type "F", "Não Incide" for "N",
// "Isento :" for "I", "" for any other type. Otherwise "Tributacao", two
// blanks and the rate with two decimals.
AnsiString TaxGroupHeading(const Kor_msg::TMessages& messages, double rate,
                           const AnsiString& taxType);

// The label of a group's total: the heading's text for the three types
// without a rate, otherwise the rate with two decimals (also for a rate of 0
// of any other type).
AnsiString TaxGroupLabel(const Kor_msg::TMessages& messages, double rate,
                         const AnsiString& taxType);

// The totals per group in order of first appearance. Adding is constant
// time per product, whatever the number of groups.
class TaxGroupTotals {
 public:
  void Add(const AnsiString& key, double rate, const AnsiString& taxType, double value);
  // Empties `totals` (cdsAliqProduto: VRPERCSITTRIB, VRTOTALALIQ,
  // IDTPIMPOSFIS), creating it when closed, and writes one row per group.
  void WriteTo(TClientDataSet& totals) const;

 private:
  struct Group {
    double rate;
    AnsiString taxType;
    double total;
  };
  std::vector<Group> groups_;
  std::unordered_map<AnsiString, size_t> byKey_;
};

// Empties cdsAliqProduto (created when still closed).
void EmptyTaxTotals(TClientDataSet& totals);

}  // namespace Mdx00200::reports
