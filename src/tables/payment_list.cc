#include "tables/payment_list.h"

#include "mdx00200/hostlib.h"
#include "tables/table_replies.h"

namespace Mdx00200::tables {

namespace {

constexpr int kComparedWidth = kPaymentNameWidth - 1;

// The first 14 name characters of a list entry, after its flag and its "#".
mdx::AnsiString ListedName(const mdx::AnsiString& entry) {
  const size_t start = entry.size() > 1 && entry[1] == '#' ? 2 : 1;
  return Consiste::TamFixo(entry.substr(start), kComparedWidth);
}

}  // namespace

void AddToList(mdx::AnsiString& list, const mdx::AnsiString& name, bool changeMarked) {
  const mdx::AnsiString name15 = Consiste::TamFixo(name, kPaymentNameWidth);
  const mdx::AnsiString compared = mdx::UpperCase(name15.substr(0, kComparedWidth));
  for (size_t at = 0; at < list.size(); at += kPaymentEntryWidth) {
    if (mdx::UpperCase(ListedName(list.substr(at, kPaymentEntryWidth))) == compared) return;
  }
  list += "S";
  list += changeMarked ? "#" + name15.substr(0, kComparedWidth) : name15;
}

}  // namespace Mdx00200::tables
