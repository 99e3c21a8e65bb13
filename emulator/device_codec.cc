#include "emulator/device_codec.h"

namespace mdx::emulator {

namespace {

void Put(std::string& text, const std::string& name, const std::string& value) {
  text += name;
  text += ' ';
  text += value;
  text += '\n';
}

bool Text(StateReader& reader, const char* name, AnsiString& value) {
  std::string_view escaped;
  if (!reader.Value(name, escaped)) return false;
  if (!UnescapeText(escaped, value)) return reader.Fail(std::string("bad value of '") + name + "'");
  return true;
}

}  // namespace

void EncodeDevices(const PrinterState& state, std::string& text) {
  const Cheque& cheque = state.cheque;
  Put(text, "drawer_open", state.drawerOpen ? "1" : "0");
  Put(text, "cheque_format", EscapeText(cheque.format));
  Put(text, "cheque_printed", cheque.printed ? "1" : "0");
  Put(text, "cheque_changes", std::to_string(cheque.changes.size()));
  for (size_t k = 0; k < cheque.changes.size(); ++k) {
    Put(text, "cheque_change", std::to_string(k + 1) + " " + EscapeText(cheque.changes[k]));
  }
}

bool DecodeDevices(StateReader& reader, PrinterState& state) {
  Cheque& cheque = state.cheque;
  if (reader.Has("drawer_open") && !reader.Flag("drawer_open", state.drawerOpen)) return false;
  if (reader.Has("cheque_format") && !Text(reader, "cheque_format", cheque.format)) return false;
  if (reader.Has("cheque_printed") && !reader.Flag("cheque_printed", cheque.printed)) return false;
  if (!reader.Has("cheque_changes")) return true;
  int count = 0;
  const int capacity = static_cast<int>(kChequeChangeCount);
  if (!reader.Int("cheque_changes", 0, capacity, count)) return false;
  int last = 0;
  for (int i = 0; i < count; ++i) {
    std::string_view escaped;
    AnsiString change;
    if (!reader.Entry("cheque_change", capacity, last, escaped)) return false;
    if (!UnescapeText(escaped, change)) return reader.Fail("bad value of 'cheque_change'");
    cheque.changes.push_back(change);
  }
  return true;
}

}  // namespace mdx::emulator
