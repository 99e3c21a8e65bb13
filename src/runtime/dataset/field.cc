// TField: value access through the dataset's current record.
#include "mdx00200/dataset_field.h"

#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/number_format.h"
#include "runtime/dataset/cell.h"
#include "runtime/dataset/value_convert.h"

namespace mdx {

using dataset::Cell;

namespace {

const Cell& NullCell() {
  static const Cell cell;
  return cell;
}

// Runs a conversion; its EDatabaseError gets the dataset's name in front.
template <typename F>
auto Named(const TClientDataSet& dataset, F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const EDatabaseError& e) {
    dataset.Fail(e.Message());
  }
}

}  // namespace

bool TField::IsNull() const {
  const Cell* cell = dataset_->ReadCell(index_);
  return !cell || cell->null;
}

void TField::Clear() { dataset_->WriteCell(index_).Clear(); }

AnsiString TField::AsString() const {
  const Cell* cell = dataset_->ReadCell(index_);
  return dataset::CellAsString(cell ? *cell : NullCell(), def_);
}

double TField::AsFloat() const {
  const Cell* cell = dataset_->ReadCell(index_);
  return Named(*dataset_, [&] { return dataset::CellAsFloat(cell ? *cell : NullCell(), def_); });
}

int TField::AsInteger() const {
  const Cell* cell = dataset_->ReadCell(index_);
  return Named(*dataset_, [&] { return dataset::CellAsInteger(cell ? *cell : NullCell(), def_); });
}

bool TField::AsBoolean() const {
  const Cell* cell = dataset_->ReadCell(index_);
  return Named(*dataset_, [&] { return dataset::CellAsBoolean(cell ? *cell : NullCell(), def_); });
}

TDateTime TField::AsDateTime() const {
  const Cell* cell = dataset_->ReadCell(index_);
  return Named(*dataset_, [&] { return dataset::CellAsDateTime(cell ? *cell : NullCell(), def_); });
}

Variant TField::Value() const {
  const Cell* cell = dataset_->ReadCell(index_);
  return dataset::CellAsVariant(cell ? *cell : NullCell(), def_);
}

// Writes convert into a fresh cell first, so a value that does not convert
// leaves the field as it was.
namespace {

template <typename F>
void Write(TClientDataSet& dataset, Cell& target, F&& convert) {
  Cell cell;
  Named(dataset, [&] { convert(cell); });
  target = std::move(cell);
}

}  // namespace

void TField::SetAsString(const AnsiString& value) {
  Write(*dataset_, dataset_->WriteCell(index_), [&](Cell& c) { dataset::SetCellString(c, def_, value); });
}

void TField::SetAsFloat(double value) {
  Write(*dataset_, dataset_->WriteCell(index_), [&](Cell& c) { dataset::SetCellFloat(c, def_, value); });
}

void TField::SetAsInteger(int value) {
  Write(*dataset_, dataset_->WriteCell(index_), [&](Cell& c) { dataset::SetCellInteger(c, def_, value); });
}

void TField::SetAsBoolean(bool value) {
  Write(*dataset_, dataset_->WriteCell(index_), [&](Cell& c) { dataset::SetCellBoolean(c, def_, value); });
}

void TField::SetAsDateTime(TDateTime value) {
  Write(*dataset_, dataset_->WriteCell(index_), [&](Cell& c) { dataset::SetCellDateTime(c, def_, value); });
}

void TField::SetValue(const Variant& value) {
  Write(*dataset_, dataset_->WriteCell(index_), [&](Cell& c) { dataset::SetCellVariant(c, def_, value); });
}

int TField::DisplayWidth() const {
  if (displayWidth_ > 0) return displayWidth_;
  return def_.DataType == ftString || def_.DataType == ftWideString ? def_.Size : 10;
}

AnsiString TField::DisplayText() const {
  const Cell* cell = dataset_->ReadCell(index_);
  if (!cell || cell->null) return AnsiString();
  if (!displayFormat_.empty() && (def_.DataType == ftFloat || def_.DataType == ftCurrency))
    return FormatFloat(displayFormat_, cell->number);
  return dataset::CellAsString(*cell, def_);
}

}  // namespace mdx
