#include "console_steps.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "libraries.h"
#include "mdx_ead_public_key.h"
#include "values.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

#ifdef _WIN32
#define MDXCONSOLE_STDCALL __stdcall
#else
#define MDXCONSOLE_STDCALL
#endif

namespace mdxconsole {

namespace {

namespace fs = std::filesystem;
const JsonValue* Find(const JsonValue& object, const char* key) {
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

void OnlyMembers(const JsonValue& j, std::initializer_list<const char*> allowed) {
  for (const auto& member : j.items()) {
    bool known = member.key() == "console" || member.key() == "note";
    for (const char* name : allowed) known = known || member.key() == name;
    if (!known) throw ScriptError("unknown member \"" + member.key() + "\"");
  }
}

// A relative path inside the work folder.
std::string InsidePath(const JsonValue* j, const char* what) {
  if (!j || !j->is_string() || j->get_ref<const std::string&>().empty())
    throw ScriptError(std::string("\"") + what + "\" must be a relative path");
  const std::string& text = j->get_ref<const std::string&>();
  const fs::path path(text);
  if (path.is_absolute() || path.has_root_name() || path.has_root_directory())
    throw ScriptError(std::string("\"") + what + "\" must be inside the work folder");
  for (const fs::path& part : path)
    if (part == "..") throw ScriptError(std::string("\"") + what + "\" must be inside the work folder");
  return text;
}

bool WriteCds(const ScriptEntry& entry, const std::string& work, CallContext& context,
              std::vector<std::string>& lines) {
  const JsonValue& j = entry.raw;
  OnlyMembers(j, {"file", "dataset"});
  const std::string file = InsidePath(Find(j, "file"), "file");
  const JsonValue* datasetJson = Find(j, "dataset");
  if (!datasetJson) throw ScriptError("\"dataset\" is missing");
  mdx::TClientDataSet* dataSet = DataSetOf(*datasetJson, context);
  if (!dataSet) throw ScriptError("\"dataset\" must not be null");
  if (context.dryRun) return true;
  const fs::path target = fs::path(work) / fs::path(file);
  std::error_code error;
  fs::create_directories(target.parent_path(), error);
  dataSet->SaveToFile(target.string());
  context.written.insert(fs::path(file).generic_string());
  lines.push_back("wrote " + file + " (" + std::to_string(dataSet->RecordCount()) + " rows)");
  return true;
}

// The entry's "folders": relative paths inside the work folder, its only
// member.
std::vector<std::string> FolderList(const JsonValue& j) {
  OnlyMembers(j, {"folders"});
  const JsonValue* folders = Find(j, "folders");
  if (!folders || !folders->is_array() || folders->empty())
    throw ScriptError("\"folders\" must be an array of relative paths");
  std::vector<std::string> names;
  for (const JsonValue& folder : *folders) names.push_back(InsidePath(&folder, "folders"));
  return names;
}

bool MakeFolders(const ScriptEntry& entry, const std::string& work, CallContext& context,
                 std::vector<std::string>& lines) {
  const std::vector<std::string> names = FolderList(entry.raw);
  if (context.dryRun) return true;
  bool made = true;
  for (const std::string& name : names) {
    std::error_code error;
    fs::create_directories(fs::path(work) / fs::path(name), error);
    const bool there = fs::is_directory(fs::path(work) / fs::path(name), error);
    lines.push_back(name + (there ? ": folder ready" : ": cannot make the folder"));
    made = made && there;
  }
  return made;
}

using ValidateFile = int(MDXCONSOLE_STDCALL*)(const char*, const char*, const char*);

bool VerifyEad(const ScriptEntry& entry, const std::string& work, CallContext& context,
               std::vector<std::string>& lines) {
  const std::vector<std::string> names = FolderList(entry.raw);
  if (context.dryRun) return true;

  const mdx::AnsiString libraryPath = LibraryPathBeside("sign_bema");
  mdx::platform::LibraryHandle library = LoadLibraryBeside("sign_bema");
  auto validate = library ? reinterpret_cast<ValidateFile>(mdx::platform::FindSymbol(library, "validateFile")) : nullptr;
  if (!validate) {
    lines.push_back("cannot use the signature library " + libraryPath + ": " + mdx::platform::LastLibraryError());
    return false;
  }
  std::vector<fs::path> files;
  for (const std::string& name : names) {
    const fs::path folder = fs::path(work) / fs::path(name);
    std::error_code error;
    if (!fs::is_directory(folder, error)) continue;
    for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error))
      if (it->is_regular_file(error)) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  bool allValid = !files.empty();
  if (files.empty()) lines.push_back("no file to verify");
  for (const fs::path& file : files) {
    const int code = validate(file.string().c_str(), mdx::ead::kEadPublicExponent, mdx::ead::kEadPublicModulus);
    const std::string relative = fs::relative(file, work).generic_string();
    lines.push_back(relative + ": " + (code == 0 ? "signature valid" : "NOT validly signed (code " + std::to_string(code) + ")"));
    allValid = allValid && code == 0;
  }
  return allValid;
}

}  // namespace

bool RunConsoleStep(const ScriptEntry& entry, const std::string& workFolder, CallContext& context,
                    std::vector<std::string>& lines) {
  if (entry.console == "write_cds") return WriteCds(entry, workFolder, context, lines);
  if (entry.console == "verify_ead") return VerifyEad(entry, workFolder, context, lines);
  if (entry.console == "make_folders") return MakeFolders(entry, workFolder, context, lines);
  throw ScriptError("unknown console step \"" + entry.console + "\" (write_cds, make_folders, verify_ead, set_clock, program_tax_rates, detail_memory)");
}

}  // namespace mdxconsole
