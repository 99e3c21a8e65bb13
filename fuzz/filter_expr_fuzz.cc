// Fuzz target: the filter expressions. The input's first byte picks the
// filter options, the rest is the expression, applied to a small dataset
// with a field of every kind (nulls included). A bad expression must be
// refused with EDatabaseError; a good one must give a view of at most the
// dataset's records, every one of them readable, and switching the filter
// off must bring every record back.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "quiet_host.h"

namespace {

using namespace mdx;

struct Row {
  const char* text;
  int number;
  double real;
  bool flag;
  int day;  // days from 1 December 2026
};

const Row kRows[] = {
    {"ABC", 1, 1.5, true, 0},      {"abd", -2, 0.0, false, 5},      {"O'B", 32767, -3.25, true, 31},
    {"", 0, 1e300, false, -400},   {"Zé 10%", 40000, 0.005, true, 1}, {"a b", 7, 12345.67, false, 2},
};

void Fill(TClientDataSet& ds) {
  TFieldDefs& defs = ds.FieldDefs();
  defs.Add("S", ftString, 10);
  defs.Add("SI", ftSmallint);
  defs.Add("I", ftInteger);
  defs.Add("W", ftWord);
  defs.Add("B", ftBoolean);
  defs.Add("F", ftFloat);
  defs.Add("C", ftCurrency);
  defs.Add("D", ftDate);
  defs.Add("T", ftTime);
  defs.Add("DT", ftDateTime);
  defs.Add("BY", ftBytes, 4);
  defs.Add("BL", ftBlob);
  defs.Add("M", ftMemo);
  defs.Add("G", ftGraphic);
  defs.Add("TB", ftTypedBinary);
  defs.Add("WS", ftWideString, 8);
  defs.Add("L", ftLargeint);
  ds.CreateDataSet();
  const TDateTime base = EncodeDate(2026, 12, 1);
  int n = 0;
  for (const Row& r : kRows) {
    ds.Append();
    ds.FieldByName("S").SetAsString(r.text);
    ds.FieldByName("SI").SetAsInteger(r.number % 30000);
    ds.FieldByName("I").SetAsInteger(r.number);
    ds.FieldByName("W").SetAsInteger(r.number < 0 ? -r.number : r.number % 65536);
    ds.FieldByName("B").SetAsBoolean(r.flag);
    ds.FieldByName("F").SetAsFloat(r.real);
    ds.FieldByName("C").SetAsFloat(r.real > 1e12 ? 0.01 : r.real);
    ds.FieldByName("D").SetAsDateTime(base + r.day);
    ds.FieldByName("T").SetAsDateTime(EncodeTime(r.day & 15, 30, 5, 0));
    ds.FieldByName("DT").SetAsDateTime(base + r.day + EncodeTime(12, 0, 0, 0));
    ds.FieldByName("BY").SetAsString("ab");
    ds.FieldByName("BL").SetAsString(r.text);
    ds.FieldByName("M").SetAsString(std::string(r.text) + " memo");
    ds.FieldByName("G").SetAsString("g");
    ds.FieldByName("TB").SetAsString("t");
    ds.FieldByName("WS").SetAsString(r.text);
    ds.FieldByName("L").SetAsString(std::to_string(static_cast<long long>(r.number) * 100000007LL));
    // Every other row leaves a different field null.
    if (n % 2 == 1) ds.Fields(n % ds.FieldCount()).Clear();
    ds.Post();
    ++n;
  }
  // A row of nulls only.
  ds.Append();
  ds.Post();
}

TClientDataSet& Data() {
  static TClientDataSet* ds = [] {
    auto* made = new TClientDataSet("cdsFuzz");  // lives for the whole process
    Fill(*made);
    return made;
  }();
  return *ds;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mdx::fuzz::InstalledQuietHost();
  TClientDataSet& ds = Data();
  const int total = ds.RecordCount();
  if (size == 0) return 0;
  TFilterOptions options;
  if (data[0] & 1) options.Include(foCaseInsensitive);
  if (data[0] & 2) options.Include(foNoPartialCompare);
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  ds.SetFilterOptions(options);
  try {
    ds.SetFilter(text);
    ds.SetFiltered(true);
    int seen = 0;
    for (ds.First(); !ds.Eof(); ds.Next()) {
      for (int i = 0; i < ds.FieldCount(); ++i) (void)ds.Fields(i).AsString();
      FUZZ_CHECK(++seen <= total, "the filtered view walks past the dataset's %d records", total);
    }
    FUZZ_CHECK(seen == ds.RecordCount(), "walked %d records, the view counts %d", seen,
               ds.RecordCount());
  } catch (const EDatabaseError&) {
    // a refused expression: fine
  }
  ds.SetFiltered(false);
  ds.SetFilter("");
  FUZZ_CHECK(ds.RecordCount() == total, "%d records after the filter went off, %d before",
             ds.RecordCount(), total);
  return 0;
}
