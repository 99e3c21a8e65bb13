// Printer configuration files for the tests, made and read back with cdstool,
// the way an installation's files are made and inspected. Rows are given in
// clear text; the serial number and the grand total are stored encrypted
// with the package's configuration key, as the installer stores them.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "day/config_file.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/platform.h"
#include "session/run_program.h"

namespace mdx::test {

struct ConfigRow {
  AnsiString branch;
  AnsiString till;
  AnsiString serial;
  AnsiString situation = "A";
  AnsiString keepTotal = "S";
  std::optional<AnsiString> total;  // nullopt: a null field

  bool operator==(const ConfigRow&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ConfigRow& row) {
  return out << "{" << row.branch << "," << row.till << "," << row.serial << "," << row.situation
             << "," << row.keepTotal << "," << (row.total ? *row.total : "null") << "}";
}

namespace config_files_detail {

inline AnsiString JsonText(const AnsiString& text) {
  AnsiString out = "\"";
  for (char c : AnsiToUtf8(text)) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

inline AnsiString Encrypted(const AnsiString& text) {
  return Criptografa::Cripto(text, Mdx00200::config::kCipherKey);
}

inline AnsiString Decrypted(const AnsiString& text) {
  return Criptografa::Uncripto(text, Mdx00200::config::kCipherKey);
}

// The value of "name": in one row line of cdstool's dump; nullopt for null.
inline std::optional<AnsiString> DumpValue(const AnsiString& line, const AnsiString& name) {
  const AnsiString key = "\"" + name + "\": ";
  size_t at = line.find(key);
  if (at == AnsiString::npos || line.compare(at + key.size(), 4, "null") == 0) return std::nullopt;
  AnsiString value;
  for (size_t i = at + key.size() + 1; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\') ++i;
    value += line[i];
  }
  return Utf8ToAnsi(value);
}

inline void WriteText(const AnsiString& path, const AnsiString& text) {
  platform::WriteFileAtomically(path, text);
}

}  // namespace config_files_detail

// Writes the file with cdstool make. The fields: CDFILIAL text 4, CDCAIXA
// text 3, NRSERIEECF text 40, IDSITECFIMPF text 1, CAMPO01 text 1, CAMPO02
// text totalWidth, MD5ARQUIVOTXT text 64.
inline void MakeConfigFile(const AnsiString& path, const std::vector<ConfigRow>& rows,
                           int totalWidth = 40) {
  using namespace config_files_detail;
  const AnsiString fields =
      "[{\"name\": \"CDFILIAL\", \"kind\": \"text\", \"width\": 4},"
      " {\"name\": \"CDCAIXA\", \"kind\": \"text\", \"width\": 3},"
      " {\"name\": \"NRSERIEECF\", \"kind\": \"text\", \"width\": 40},"
      " {\"name\": \"IDSITECFIMPF\", \"kind\": \"text\", \"width\": 1},"
      " {\"name\": \"CAMPO01\", \"kind\": \"text\", \"width\": 1},"
      " {\"name\": \"CAMPO02\", \"kind\": \"text\", \"width\": " +
      IntToStr(totalWidth) +
      "},"
      " {\"name\": \"MD5ARQUIVOTXT\", \"kind\": \"text\", \"width\": 64}]";
  AnsiString table = "[";
  for (const ConfigRow& row : rows) {
    if (table.size() > 1) table += ",\n";
    table += "[" + JsonText(row.branch) + ", " + JsonText(row.till) + ", " +
             JsonText(Encrypted(row.serial)) + ", " + JsonText(row.situation) + ", " +
             JsonText(row.keepTotal) + ", " +
             (row.total ? JsonText(Encrypted(*row.total)) : AnsiString("null")) + ", " +
             JsonText(Encrypted("0123456789abcdef")) + "]";
  }
  table += "]";
  WriteText(path + ".fields.json", fields);
  WriteText(path + ".rows.json", table);
  const int status = RunProgram(platform::ExecutableDirectory(), "cdstool",
                                {"make", path + ".fields.json", path + ".rows.json", path},
                                path + ".make.txt");
  ASSERT_EQ(status, 0) << platform::ReadFile(path + ".make.txt.err");
}

// Reads the file back with cdstool dump; an empty list (and a failure) when
// it does not load.
inline std::vector<ConfigRow> ReadConfigFile(const AnsiString& path) {
  using namespace config_files_detail;
  std::vector<ConfigRow> rows;
  const AnsiString dump = path + ".dump.txt";
  if (RunProgram(platform::ExecutableDirectory(), "cdstool", {"dump", path}, dump) != 0) {
    ADD_FAILURE() << path << " does not load: " << platform::ReadFile(dump + ".err");
    return rows;
  }
  const AnsiString text = platform::ReadFile(dump);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == AnsiString::npos) end = text.size();
    const AnsiString line = text.substr(start, end - start);
    start = end + 1;
    if (line.find("{\"CDFILIAL\": ") == AnsiString::npos) continue;
    ConfigRow row;
    row.branch = DumpValue(line, "CDFILIAL").value_or("");
    row.till = DumpValue(line, "CDCAIXA").value_or("");
    row.serial = Decrypted(DumpValue(line, "NRSERIEECF").value_or(""));
    row.situation = DumpValue(line, "IDSITECFIMPF").value_or("");
    row.keepTotal = DumpValue(line, "CAMPO01").value_or("");
    std::optional<AnsiString> total = DumpValue(line, "CAMPO02");
    if (total) row.total = Decrypted(*total);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace mdx::test
