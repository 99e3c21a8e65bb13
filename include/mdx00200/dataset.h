// TClientDataSet: the host platform's in-memory dataset, with its binary data
// packets and ".cds" files (layout in formats/cds-binary.md).
//
//   TClientDataSet ds("cdsAliqImpFis");
//   ds.FieldDefs().Add("CDALIQIMPFIS", ftString, 10);
//   ds.CreateDataSet();
//   ds.Append();
//   ds.FieldByName("CDALIQIMPFIS").SetAsString("T1800");
//   ds.Post();
//   for (ds.First(); !ds.Eof(); ds.Next()) { ... }
//
// Errors are EDatabaseError with the platform's messages, prefixed with the
// dataset's name when it has one ("cdsFoo: Field 'X' not found",
// "cdsFoo: Cannot perform this operation on a closed dataset"). The dataset is
// single-threaded, like the host's user-interface thread that drives it.
//
// Views: the records show in the order of the active index (IndexName or
// IndexFieldNames; records with equal keys keep the order they came in) or,
// without one, in the order they were added (Insert puts a record before the
// current one). Text orders by its single-byte codes (case-insensitive indexes
// compare upper-cased text); null sorts first. With Filtered on, only the
// records that match Filter show; RecordCount, RecNo, navigation and Locate
// see that view.
//
// Change log: with LogChanges on (the default after every open) edits keep
// the original values, and Data/SaveToFile write the log in the packet's
// form (originals, modifications, insertions and deletions flagged). With
// LogChanges off, edits replace the data and every record is written with
// status 0. Loading a packet presents its current view: a logged packet comes
// in merged (ChangeCount 0).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/dataset_defs.h"
#include "mdx00200/dataset_field.h"
#include "mdx00200/variant.h"

namespace mdx {

namespace dataset {
struct Cell;
}

class TClientDataSet {
 public:
  explicit TClientDataSet(AnsiString name = "");
  ~TClientDataSet();
  TClientDataSet(const TClientDataSet&) = delete;
  TClientDataSet& operator=(const TClientDataSet&) = delete;

  const AnsiString& Name() const { return name_; }
  void SetName(const AnsiString& name) { name_ = name; }

  // --- structure -------------------------------------------------------
  // Field and index definitions. Editing them while the dataset is open
  // takes effect at the next CreateDataSet.
  TFieldDefs& FieldDefs() { return fieldDefs_; }
  const TFieldDefs& FieldDefs() const { return fieldDefs_; }
  TIndexDefs& IndexDefs() { return indexDefs_; }
  const TIndexDefs& IndexDefs() const { return indexDefs_; }

  // The fields: those of the open structure (from FieldDefs or from the last
  // data packet); on a closed dataset, those of FieldDefs (the persistent
  // fields, whose display settings can be set before opening). Fields keep
  // their identity while the structure stays the same (same names, types and
  // sizes), across Close, CreateDataSet and loads; otherwise references to
  // them do not survive the change.
  int FieldCount() const;
  TField& Fields(int index) const;                    // EDatabaseError when out of range
  TField& FieldByName(const AnsiString& name) const;  // EDatabaseError "Field 'X' not found"
  TField* FindField(const AnsiString& name) const;    // nullptr when absent

  // --- opening and data ---------------------------------------------------
  // Creates an empty, open dataset from FieldDefs. Raises EDatabaseError when
  // the dataset is open or there are no field definitions, or when an index
  // definition names a missing field.
  void CreateDataSet();
  // Opening needs data: a closed dataset raises "Missing data provider or
  // data packet"; an open one stays as it is. Closing discards the data (and
  // any edit in progress); the structure, filter and index settings stay.
  void Open();
  void Close();
  bool Active() const;
  void SetActive(bool active);
  TDataSetState State() const;

  // The data as a packet (a byte-array Variant); Null when closed. An edit in
  // progress is posted first. Index definitions whose fields all exist are
  // stored in the packet (property MDX_INDEXDEFS).
  Variant Data();
  // Loads a packet and opens the dataset: the structure comes from the packet,
  // and so do the index definitions when the packet stores any (otherwise the
  // dataset keeps its own). Texts longer than their field's width are cut to
  // it. Field and packet properties this layer does not interpret are kept
  // and written back by Data. Null or empty closes the dataset. A damaged
  // packet raises EDatabaseError ("Invalid data packet: ...") and leaves the
  // dataset as it was.
  void SetData(const Variant& packet);
  // The same through a ".cds" file. EInOutError names a file that cannot be
  // read or written; EDatabaseError names a file whose content is damaged.
  // Saving writes a temporary file beside the target and renames it over the
  // target, so a failed save leaves the old file whole.
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);

  // Deletes every record, and the change log with them. Requires an open dataset.
  void EmptyDataSet();

  bool LogChanges() const;
  void SetLogChanges(bool value);  // requires an open dataset
  int ChangeCount() const;         // records changed, inserted or deleted since the log was merged
  void MergeChangeLog();           // makes the current data the original data

  // Runs after every opening (CreateDataSet, SetData, LoadFromFile).
  void SetAfterOpen(std::function<void(TClientDataSet&)> handler);

  // --- order and filter ---------------------------------------------------
  // IndexName selects a definition of IndexDefs ("" or "DEFAULT_ORDER": the
  // order of addition); IndexFieldNames ("F1;F2") orders by those fields,
  // case-sensitively. Setting one clears the other. On an open dataset the
  // index and its fields must exist (EDatabaseError otherwise) and the
  // current record stays current.
  const AnsiString& IndexName() const;
  void SetIndexName(const AnsiString& name);
  const AnsiString& IndexFieldNames() const;
  void SetIndexFieldNames(const AnsiString& fields);

  // Filter expressions: comparisons (= <> < > <= >=) between fields, quoted
  // texts ('it''s') and numbers (1, -2.5); AND, OR, NOT, parentheses;
  // "FIELD IS NULL" / "IS NOT NULL". Keywords and field names are
  // case-insensitive; names may be bracketed ([MY FIELD]). A comparison with a
  // null value is unknown, and records whose filter is not true do not show.
  // A quoted text ending in '*' compares as a prefix unless
  // foNoPartialCompare is set; foCaseInsensitive compares texts without case.
  // A bad expression raises EDatabaseError when the filter is switched on (or
  // changed while on, or at opening). Switching or changing it moves to the
  // first record.
  const AnsiString& Filter() const;
  void SetFilter(const AnsiString& text);
  bool Filtered() const;
  void SetFiltered(bool value);
  TFilterOptions FilterOptions() const;
  void SetFilterOptions(TFilterOptions options);

  // --- navigation ---------------------------------------------------------
  // Moving posts an edit in progress (when something was changed; otherwise
  // it is cancelled), as the platform does. All require an open dataset.
  void First();
  void Last();
  void Next();   // past the last record sets Eof and stays on the last one
  void Prior();  // before the first sets Bof and stays on the first one
  void MoveBy(int distance);
  bool Eof() const;
  bool Bof() const;
  bool IsEmpty() const;
  int RecordCount() const;  // records in the current (filtered) view
  // 1-based position in the view; -1 when empty or while inserting.
  int RecNo() const;
  void SetRecNo(int recNo);  // clamped to 1..RecordCount

  // Finds the first record of the view whose fields keyFields ("A" or "A;B")
  // equal keyValues (one value, or an array of one value per field), makes it
  // current and returns true; returns false and stays put otherwise. Values
  // convert to each field's kind; Null matches null fields. loCaseInsensitive
  // compares texts without case, loPartialKey compares texts as prefixes.
  bool Locate(const AnsiString& keyFields, const Variant& keyValues, TLocateOptions options = {});

  // --- editing ------------------------------------------------------------
  // Insert and Append start a new record (all fields null); Post adds it
  // (before the current record for Insert, at the end for Append; at its key
  // position when an index is active) and makes it current. Edit starts
  // editing the current record (on an empty dataset it inserts instead).
  // Post raises EDatabaseError for a required field left null, and when the
  // dataset is not editing. Cancel drops the edit. Delete removes the current
  // record (an insertion in progress is cancelled instead); the next record
  // becomes current, or the new last one. A posted record that does not match
  // an active filter leaves the view.
  void Insert();
  void Append();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  bool Modified() const;  // a field was set since Edit, Insert or Append

  // Raises EDatabaseError with the dataset's name in front of message
  // ("cdsFoo: message"), as the platform's DatabaseError does.
  [[noreturn]] void Fail(const AnsiString& message) const;

 private:
  friend class TField;
  struct Impl;

  // For TField: the cell of the current record (nullptr when there is none;
  // EDatabaseError when closed), and the cell to write (EDatabaseError unless
  // editing or inserting).
  const dataset::Cell* ReadCell(int field) const;
  dataset::Cell& WriteCell(int field);
  // Makes the fields follow FieldDefs while the dataset is closed.
  void SyncClosedFields() const;
  AnsiString name_;
  TFieldDefs fieldDefs_;
  TIndexDefs indexDefs_;
  mutable std::vector<std::unique_ptr<TField>> fields_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace mdx
