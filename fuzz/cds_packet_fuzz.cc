// Fuzz target: the data-packet and ".cds" reader. The input is a packet's
// bytes, loaded from memory (most inputs) or through a file. A damaged packet
// must be refused with EDatabaseError and nothing else. A packet that loads
// must be readable end to end (every field of every row as text), and what
// the dataset writes back must load again to the same structure and values
// and be written the same way a second time.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"
#include "quiet_host.h"

namespace {

using mdx::AnsiString;
using mdx::TClientDataSet;

struct Snapshot {
  std::vector<std::string> fields;  // name, type, size, required
  std::vector<std::string> cells;   // per row and field: null mark or text
  int changes = 0;
};

// Reads everything a host could read of the loaded dataset.
Snapshot Read(TClientDataSet& ds) {
  Snapshot s;
  for (int i = 0; i < ds.FieldCount(); ++i) {
    const mdx::TField& f = ds.Fields(i);
    s.fields.push_back(f.FieldName() + "/" + std::to_string(f.DataType()) + "/" +
                       std::to_string(f.Size()) + (f.Required() ? "/R" : ""));
  }
  for (ds.First(); !ds.Eof(); ds.Next()) {
    for (int i = 0; i < ds.FieldCount(); ++i) {
      const mdx::TField& f = ds.Fields(i);
      s.cells.push_back(f.IsNull() ? std::string("<null>") : "=" + f.AsString());
      (void)f.DisplayText();
      (void)f.Value();
    }
  }
  s.changes = ds.ChangeCount();
  return s;
}

std::vector<uint8_t> Packet(TClientDataSet& ds) {
  mdx::Variant data = ds.Data();
  FUZZ_CHECK(data.IsByteArray(), "an open dataset gave no packet");
  return data.ByteData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mdx::fuzz::QuietHost& host = mdx::fuzz::InstalledQuietHost();
  const bool throughFile = size % 8 == 0;
  const AnsiString path = host.HostDirectory() + "input.cds";

  TClientDataSet first;
  try {
    if (throughFile) {
      mdx::platform::WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(data), size));
      first.LoadFromFile(path);
    } else {
      first.SetData(mdx::Variant::Bytes(std::vector<uint8_t>(data, data + size)));
    }
  } catch (const mdx::EDatabaseError&) {
    FUZZ_CHECK(!first.Active(), "a refused packet left the dataset open");
    return 0;  // refused with a clear error: fine
  }
  if (!first.Active()) return 0;  // an empty packet closes the dataset

  const Snapshot before = Read(first);
  const std::vector<uint8_t> saved = Packet(first);

  TClientDataSet second;
  try {
    if (throughFile) {
      first.SaveToFile(path);
      second.LoadFromFile(path);
    } else {
      second.SetData(mdx::Variant::Bytes(saved));
    }
  } catch (const mdx::Exception& e) {
    FUZZ_CHECK(false, "a written packet did not load again: %s", e.what());
  }
  const Snapshot after = Read(second);
  FUZZ_CHECK(after.fields.size() == before.fields.size(), "%zu fields, then %zu",
             before.fields.size(), after.fields.size());
  for (size_t i = 0; i < before.fields.size(); ++i)
    FUZZ_CHECK(after.fields[i] == before.fields[i], "field %zu changed: \"%s\" then \"%s\"", i,
               before.fields[i].c_str(), after.fields[i].c_str());
  FUZZ_CHECK(after.cells.size() == before.cells.size(), "rows were lost or added: %zu then %zu",
             before.cells.size(), after.cells.size());
  for (size_t i = 0; i < before.cells.size(); ++i)
    FUZZ_CHECK(after.cells[i] == before.cells[i], "cell %zu changed: \"%s\" then \"%s\"", i,
               before.cells[i].c_str(), after.cells[i].c_str());
  FUZZ_CHECK(after.changes == before.changes, "the change log changed: %d then %d", before.changes,
             after.changes);
  FUZZ_CHECK(Packet(second) == saved, "the packet is written differently the second time");
  return 0;
}
