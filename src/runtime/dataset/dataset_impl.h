// The state of a TClientDataSet, shared by the files that implement it:
// client_dataset.cc (opening, data, files, fields, navigation),
// dataset_view.cc (order, filter, Locate) and dataset_editing.cc.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "mdx00200/dataset.h"
#include "runtime/dataset/cell.h"
#include "runtime/dataset/filter_expr.h"
#include "runtime/dataset/record_store.h"
#include "runtime/dataset/schema.h"
#include "runtime/dataset/value_compare.h"

namespace mdx {

struct TClientDataSet::Impl {
  explicit Impl(TClientDataSet& owner) : ds(owner) {}

  TClientDataSet& ds;
  TDataSetState state = dsInactive;
  bool logChanges = true;
  bool modified = false;
  AnsiString indexName;
  AnsiString indexFieldNames;
  AnsiString filterText;
  bool filtered = false;
  TFilterOptions filterOptions;
  std::function<void(TClientDataSet&)> afterOpen;

  dataset::Schema schema;
  dataset::RecordStore store;
  std::vector<uint32_t> view;  // ids of the records that show, in view order
  size_t cursor = 0;
  bool bof = true;
  bool eof = true;
  dataset::Row buffer;  // the record being edited or inserted
  uint32_t editId = 0;
  bool appending = false;
  uint32_t insertBefore = dataset::RecordStore::kAtEnd;
  dataset::OrderKey order;
  std::unique_ptr<dataset::FilterProgram> filter;
  uint64_t version = 0;  // changes whenever the data or the view changes

  // Locate: a scan remembers its key; a second search on the same key with
  // nothing changed in between sorts the view's positions by it, and later
  // searches use that until the next change.
  dataset::OrderKey scanKey;
  uint64_t scanVersion = UINT64_MAX;
  dataset::OrderKey sortedKey;
  uint64_t sortedVersion = UINT64_MAX;
  std::vector<uint32_t> sortedPositions;

  bool Editing() const { return state == dsEdit || state == dsInsert; }
  void CheckActive() const {
    if (state == dsInactive) ds.Fail("Cannot perform this operation on a closed dataset");
  }
  const dataset::Row& Values(uint32_t id) const { return store.Values(id); }
  bool Shows(const dataset::Row& values) const { return !filter || filter->Matches(values); }

  // Posts an edit in progress when something changed, cancels it otherwise.
  void CheckBrowseMode();
  // Keeps the TField objects when the structure is unchanged, so references
  // to them stay good; otherwise makes new ones (display settings carry over
  // by name).
  void SyncFields(const std::vector<TFieldDef>& defs) const;
  // Opens on the given data. Everything that can fail is checked before
  // anything changes, so a failure leaves the dataset as it was.
  void OpenWith(dataset::Schema&& newSchema, std::vector<dataset::Row>&& rows,
                const std::vector<TIndexDef>* storedIndexes);

  // The key of a field list; EDatabaseError for a missing field.
  dataset::OrderKey KeyOf(const dataset::Schema& s, const AnsiString& fieldList, bool caseInsensitive) const;
  // The order IndexName or IndexFieldNames asks for (empty: natural order).
  dataset::OrderKey ResolveOrder(const dataset::Schema& s, const TIndexDefs& defs, const AnsiString& name,
                                 const AnsiString& fieldNames) const;
  // nullptr when filtering is off or the text is blank.
  std::unique_ptr<dataset::FilterProgram> CompileFilter(const dataset::Schema& s, const AnsiString& text,
                                                        bool on, TFilterOptions options) const;
  // Rebuilds the view from the records; the current record stays current
  // when asked and still shown, otherwise the first one is.
  void RebuildView(bool keepCurrent);
  // Where a record with these values goes in the sorted view: after the
  // records with an equal key.
  size_t SortedPosition(const dataset::Row& values) const;
  void ClampCursor();
  void ShowAt(size_t pos, uint32_t id);  // inserts into the view and makes it current

  void Post();
  void StartInsert(bool append);

  void BuildSortedPositions(const dataset::OrderKey& key);
  // Finds the first record of the view that matches (see the Locate members).
  bool FindKey(const dataset::OrderKey& key, const dataset::Row& values, bool partial, size_t& pos);
};

// Field names of a list "A;B", trimmed, empty entries skipped.
std::vector<AnsiString> SplitFieldNames(const AnsiString& list);

}  // namespace mdx
