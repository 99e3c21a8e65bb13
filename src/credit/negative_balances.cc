// SaldoNegativo: the consumers with a negative balance, grouped by consumer
// type, under the generic header.
#include <vector>

#include "credit/credit_lines.h"
#include "credit/receipt_header.h"
#include "mdx00200/credit.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "reports/report_format.h"

namespace Mdx00200 {

namespace {

using Consiste::TamFixo;
using credit::Line;

struct TypeGroup {
  AnsiString name;
  std::vector<AnsiString> consumers;
  double total = 0;
};

AnsiString Quoted(const AnsiString& value) {
  AnsiString quoted = "'";
  for (char c : value) {
    quoted += c;
    if (c == '\'') quoted += c;
  }
  return quoted + "'";
}

// The groups of the types that have consumers, from the current type on.
// The consumers' filter is put back as it was, also on an error.
std::vector<TypeGroup> Groups(TClientDataSet& types, TClientDataSet& consumers) {
  mdx::TField& typeCode = types.FieldByName("CDTIPOCONS");
  mdx::TField& typeName = types.FieldByName("NMTIPOCONS");
  consumers.FieldByName("CDTIPOCONS");  // the filter's field: raises when missing
  mdx::TField& name = consumers.FieldByName("NMCONSUMIDOR");
  mdx::TField& balance = consumers.FieldByName("SALDONEGATIVO");
  const AnsiString filter = consumers.Filter();
  const bool filtered = consumers.Filtered();
  auto restore = [&] {
    consumers.SetFiltered(false);
    consumers.SetFilter(filter);
    consumers.SetFiltered(filtered);
  };
  std::vector<TypeGroup> groups;
  try {
    for (; !types.Eof(); types.Next()) {
      consumers.SetFiltered(false);
      consumers.SetFilter("CDTIPOCONS = " + Quoted(typeCode.AsString()));
      consumers.SetFiltered(true);
      if (consumers.IsEmpty()) continue;
      TypeGroup group;
      group.name = credit::Cut(typeName.AsString(), 40);
      for (consumers.First(); !consumers.Eof(); consumers.Next()) {
        group.consumers.push_back(TamFixo("  " + name.AsString(), 29) +
                                  credit::AmountColumn(reports::Fixed(balance.AsFloat(), 2), 11));
        group.total += balance.AsFloat();
      }
      groups.push_back(group);
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return groups;
}

}  // namespace

bool SaldoNegativo(const AnsiString& scheme, TClientDataSet* types, TClientDataSet* consumers,
                   const AnsiString& /*text4*/, const AnsiString& /*text5*/,
                   const AnsiString& text6, const AnsiString& text7) {
  if (!types || !consumers) throw mdx::EDatabaseError("SaldoNegativo: no dataset was given");
  const std::vector<TypeGroup> groups = Groups(*types, *consumers);

  bool opened = false;
  bool result = false;
  for (size_t i = 0; i < groups.size(); ++i) {
    if (i == 0) {
      if (credit::OpenWithHeader(scheme, text7, text6, opened)) {
        credit::SendWhileAccepted(
            scheme,
            {credit::Spacing(),
             Line(Consiste::Centraliza(">>> Saldo Negativo por Consumidor <<<", 40)),
             Line(reports::Rule(40))},
            true);
      }
    } else {
      credit::SendLine(scheme, Line(reports::Rule(40)), true);
    }
    credit::SendLine(scheme, Line(groups[i].name), true);
    for (const AnsiString& line : groups[i].consumers) credit::SendLine(scheme, Line(line), true);
    credit::SendLine(scheme, Line(TamFixo(" ", 29) + reports::Rule(11)), true);
    result = credit::SendLine(
        scheme,
        Line(TamFixo("Saldo Total", 29) + credit::AmountColumn(reports::Fixed(groups[i].total, 2), 11)),
        true);
  }
  return credit::CloseReport(scheme, opened, result);
}

}  // namespace Mdx00200
