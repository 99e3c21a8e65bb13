// The view of a TClientDataSet: its order (indexes), its filter, and Locate.
#include "runtime/dataset/dataset_impl.h"

#include <algorithm>

#include "mdx00200/exceptions.h"
#include "runtime/dataset/sort_keys.h"
#include "runtime/dataset/value_convert.h"

namespace mdx {

using namespace dataset;

namespace {

constexpr uint32_t kNoRecord = UINT32_MAX;

bool SameKey(const OrderKey& a, const OrderKey& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].field != b[i].field || a[i].caseInsensitive != b[i].caseInsensitive) return false;
  return true;
}

bool MatchesKey(const Row& row, const Row& key, const OrderKey& parts, bool partial) {
  for (size_t i = 0; i < parts.size(); ++i) {
    const KeyPart& part = parts[i];
    const Cell& a = row[part.field];
    const Cell& b = key[i];
    if (partial && !b.null && (part.storage == Storage::Text || part.storage == Storage::WideText)) {
      if (a.null || !TextStartsWith(a.bytes, b.bytes, part.caseInsensitive && part.storage == Storage::Text))
        return false;
    } else if (CompareCells(a, b, part.storage, part.caseInsensitive) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<AnsiString> SplitFieldNames(const AnsiString& list) {
  std::vector<AnsiString> names;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(';', start);
    if (end == AnsiString::npos) end = list.size();
    const AnsiString name = Trim(list.substr(start, end - start));
    if (!name.empty()) names.push_back(name);
    start = end + 1;
  }
  return names;
}

OrderKey TClientDataSet::Impl::KeyOf(const Schema& s, const AnsiString& fieldList, bool caseInsensitive) const {
  OrderKey key;
  for (const AnsiString& name : SplitFieldNames(fieldList)) {
    const int field = s.IndexOf(name);
    if (field < 0) ds.Fail("Field '" + name + "' not found");
    KeyPart part;
    part.field = field;
    part.storage = StorageOf(s.fields[static_cast<size_t>(field)].DataType);
    part.caseInsensitive =
        caseInsensitive && (part.storage == Storage::Text || part.storage == Storage::WideText);
    key.push_back(part);
  }
  return key;
}

OrderKey TClientDataSet::Impl::ResolveOrder(const Schema& s, const TIndexDefs& defs, const AnsiString& name,
                      const AnsiString& fieldNames) const {
  if (!Trim(fieldNames).empty()) return KeyOf(s, fieldNames, false);
  if (name.empty() || SameText(name, "DEFAULT_ORDER")) return {};
  const TIndexDef* def = defs.Find(name);
  if (!def) ds.Fail("Index '" + name + "' not found");
  return KeyOf(s, def->Fields, def->Options.Contains(ixCaseInsensitive));
}

std::unique_ptr<FilterProgram> TClientDataSet::Impl::CompileFilter(const Schema& s, const AnsiString& text, bool on,
                                             TFilterOptions options) const {
  if (!on || Trim(text).empty()) return nullptr;
  try {
    return FilterProgram::Compile(text, s.fields, options);
  } catch (const EDatabaseError& e) {
    ds.Fail(e.Message());
  }
}

void TClientDataSet::Impl::RebuildView(bool keepCurrent) {
  const uint32_t current = keepCurrent && !view.empty() ? view[cursor] : kNoRecord;
  view.clear();
  view.reserve(store.LiveCount());
  for (uint32_t id : store.Order())
    if (store.Live(id) && Shows(Values(id))) view.push_back(id);
  if (!order.empty()) SortByKey(view, [this](uint32_t id) -> const Row& { return Values(id); }, order);
  ++version;
  cursor = 0;
  if (current != kNoRecord) {
    const auto found = std::find(view.begin(), view.end(), current);
    if (found != view.end()) cursor = static_cast<size_t>(found - view.begin());
  }
  bof = view.empty() || current == kNoRecord;
  eof = view.empty();
}

size_t TClientDataSet::Impl::SortedPosition(const Row& values) const {
  const auto at = std::upper_bound(view.begin(), view.end(), values, [this](const Row& v, uint32_t id) {
    return CompareRows(v, Values(id), order) < 0;
  });
  return static_cast<size_t>(at - view.begin());
}

void TClientDataSet::Impl::ClampCursor() {
  if (cursor >= view.size()) cursor = view.empty() ? 0 : view.size() - 1;
  bof = eof = view.empty();
}

void TClientDataSet::Impl::ShowAt(size_t pos, uint32_t id) {
  view.insert(view.begin() + static_cast<std::ptrdiff_t>(pos), id);
  cursor = pos;
  bof = eof = false;
}

void TClientDataSet::Impl::BuildSortedPositions(const OrderKey& key) {
  sortedPositions.resize(view.size());
  for (size_t i = 0; i < view.size(); ++i) sortedPositions[i] = static_cast<uint32_t>(i);
  SortByKey(sortedPositions, [this](uint32_t p) -> const Row& { return Values(view[p]); }, key);
  sortedKey = key;
  sortedVersion = version;
}

// Finds the first record of the view that matches. A scan remembers its key;
// a second search on the same key with nothing changed in between sorts the
// view's positions by it, and later searches use that until the next change.
bool TClientDataSet::Impl::FindKey(const OrderKey& key, const Row& values, bool partial, size_t& pos) {
  if (view.empty()) return false;
  if (!partial) {
    const bool indexed = order.size() >= key.size() &&
                         SameKey(OrderKey(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(key.size())), key);
    if (indexed) {
      const auto at = std::lower_bound(view.begin(), view.end(), values, [&](uint32_t id, const Row& v) {
        return CompareRowToKey(Values(id), v, key) < 0;
      });
      if (at == view.end() || CompareRowToKey(Values(*at), values, key) != 0) return false;
      pos = static_cast<size_t>(at - view.begin());
      return true;
    }
    const bool sorted = sortedVersion == version && SameKey(sortedKey, key);
    if (sorted || (scanVersion == version && SameKey(scanKey, key))) {
      if (!sorted) BuildSortedPositions(key);
      const auto at = std::lower_bound(sortedPositions.begin(), sortedPositions.end(), values,
                                       [&](uint32_t p, const Row& v) {
                                         return CompareRowToKey(Values(view[p]), v, key) < 0;
                                       });
      if (at == sortedPositions.end() || CompareRowToKey(Values(view[*at]), values, key) != 0) return false;
      pos = *at;
      return true;
    }
    scanKey = key;
    scanVersion = version;
  }
  for (size_t i = 0; i < view.size(); ++i) {
    if (MatchesKey(Values(view[i]), values, key, partial)) {
      pos = i;
      return true;
    }
  }
  return false;
}

const AnsiString& TClientDataSet::IndexName() const { return impl_->indexName; }
const AnsiString& TClientDataSet::IndexFieldNames() const { return impl_->indexFieldNames; }
const AnsiString& TClientDataSet::Filter() const { return impl_->filterText; }
bool TClientDataSet::Filtered() const { return impl_->filtered; }
TFilterOptions TClientDataSet::FilterOptions() const { return impl_->filterOptions; }

void TClientDataSet::SetIndexName(const AnsiString& name) {
  Impl& d = *impl_;
  if (Active()) {
    d.CheckBrowseMode();
    OrderKey key = d.ResolveOrder(d.schema, indexDefs_, name, "");
    d.order = std::move(key);
  }
  d.indexName = name;
  d.indexFieldNames.clear();
  if (Active()) d.RebuildView(true);
}

void TClientDataSet::SetIndexFieldNames(const AnsiString& fields) {
  Impl& d = *impl_;
  if (Active()) {
    d.CheckBrowseMode();
    OrderKey key = d.ResolveOrder(d.schema, indexDefs_, "", fields);
    d.order = std::move(key);
  }
  d.indexFieldNames = fields;
  d.indexName.clear();
  if (Active()) d.RebuildView(true);
}

void TClientDataSet::SetFilter(const AnsiString& text) {
  Impl& d = *impl_;
  if (Active() && d.filtered) {
    d.CheckBrowseMode();
    d.filter = d.CompileFilter(d.schema, text, true, d.filterOptions);
    d.filterText = text;
    d.RebuildView(false);
    return;
  }
  d.filterText = text;
}

void TClientDataSet::SetFiltered(bool value) {
  Impl& d = *impl_;
  if (Active()) {
    d.CheckBrowseMode();
    d.filter = d.CompileFilter(d.schema, d.filterText, value, d.filterOptions);
    d.filtered = value;
    d.RebuildView(false);
    return;
  }
  d.filtered = value;
}

void TClientDataSet::SetFilterOptions(TFilterOptions options) {
  Impl& d = *impl_;
  if (Active() && d.filtered) {
    d.CheckBrowseMode();
    d.filter = d.CompileFilter(d.schema, d.filterText, true, options);
    d.filterOptions = options;
    d.RebuildView(false);
    return;
  }
  d.filterOptions = options;
}

bool TClientDataSet::Locate(const AnsiString& keyFields, const Variant& keyValues, TLocateOptions options) {
  Impl& d = *impl_;
  d.CheckActive();
  d.CheckBrowseMode();
  const OrderKey key = d.KeyOf(d.schema, keyFields, options.Contains(loCaseInsensitive));
  if (key.empty()) Fail("Locate needs at least one field");
  const int expected = static_cast<int>(key.size());
  if (expected > 1 && (!keyValues.IsArray() || keyValues.Count() != expected))
    Fail("Locate on " + std::to_string(expected) + " fields needs an array of " + std::to_string(expected) +
         " values");
  Row values(key.size());
  for (int i = 0; i < expected; ++i) {
    const Variant* value = &keyValues;
    if (keyValues.IsArray()) {
      if (keyValues.Count() != expected) Fail("Locate on 1 field needs 1 value");
      value = &keyValues[keyValues.LowBound() + i];
    }
    try {
      SetCellVariant(values[static_cast<size_t>(i)], d.schema.fields[static_cast<size_t>(key[i].field)], *value);
    } catch (const EDatabaseError& e) {
      Fail(e.Message());
    }
  }
  size_t pos = 0;
  if (!d.FindKey(key, values, options.Contains(loPartialKey), pos)) return false;
  d.cursor = pos;
  d.bof = d.eof = false;
  return true;
}

}  // namespace mdx
