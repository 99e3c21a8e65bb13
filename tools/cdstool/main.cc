// cdstool: shows a ".cds" file as JSON, and makes one from JSON.
//
//   cdstool dump FILE
//   cdstool make FIELDS.json ROWS.json OUT.cds
//
// Errors go to the standard error as "cdstool: FILE: what is wrong" and the
// exit status is 1; a wrong command line gives the usage and status 2.
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "json/cds_json.h"
#include "json/json_text.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"

namespace {

const char kUsage[] =
    "usage: cdstool dump FILE\n"
    "       cdstool make FIELDS.json ROWS.json OUT.cds\n";

int Failed(const std::string& file, const std::string& what) {
  std::fprintf(stderr, "cdstool: %s: %s\n", file.c_str(), what.c_str());
  return 1;
}

// false with a message when the file cannot be read.
bool ReadFile(const std::string& path, std::string& out, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    error = "cannot open the file";
    return false;
  }
  char chunk[65536];
  size_t got;
  out.clear();
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) out.append(chunk, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) error = "cannot read the file";
  return !failed;
}

int Dump(const std::string& path) {
  mdx::TClientDataSet ds;
  try {
    ds.LoadFromFile(path);
  } catch (const mdx::Exception& e) {
    return Failed(path, e.what());
  }
  const std::string json = mdxjson::DumpDataSet(ds);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : Failed("(standard output)", "cannot write");
}

int Make(const std::string& fieldsPath, const std::string& rowsPath, const std::string& outPath) {
  mdxjson::Json docs[2];
  const std::string* paths[2] = {&fieldsPath, &rowsPath};
  for (int i = 0; i < 2; ++i) {
    std::string text, error;
    if (!ReadFile(*paths[i], text, error)) return Failed(*paths[i], error);
    try {
      docs[i] = mdxjson::ParseJson(text);
    } catch (const mdxjson::JsonError& e) {
      return Failed(*paths[i], std::string(e.what()) + " (bad JSON)");
    }
  }
  mdx::TClientDataSet ds;
  try {
    mdxjson::MakeDataSet(docs[0], fieldsPath, docs[1], rowsPath, ds);
  } catch (const mdxjson::InputError& e) {
    return Failed(e.File(), e.what());
  }
  try {
    ds.SaveToFile(outPath);
  } catch (const mdx::Exception& e) {
    return Failed(outPath, e.what());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the same bytes on every platform
#endif
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "dump" && argc == 3) return Dump(argv[2]);
  if (command == "make" && argc == 5) return Make(argv[2], argv[3], argv[4]);
  std::fputs(kUsage, stderr);
  return 2;
}
