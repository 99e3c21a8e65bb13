#include "emulator/state_store.h"

#include <filesystem>
#include <system_error>

#include "emulator/state_codec.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdx::emulator {

namespace {

constexpr char kPrefix[] = "virtual printer: state file '";

// Keeps the damaged bytes in path + ".damaged" and removes the file, so the
// fresh printer's first save does not destroy them. A copy and a removal,
// because platform::ReplaceFile does not link in the Windows build yet
// (windows.h turns its name into ReplaceFileA).
LoadResult Damaged(const AnsiString& path, const AnsiString& reason, const std::string* bytes) {
  const AnsiString aside = path + ".damaged";
  AnsiString what = "could not be moved aside";
  if (bytes) {
    try {
      platform::WriteFileAtomically(aside, *bytes);
      platform::RemoveFile(path);
      what = "moved to '" + aside + "'";
    } catch (const Exception& e) {
      what += " (" + e.Message() + ")";
    }
  }
  return {LoadOutcome::kDamaged,
          kPrefix + path + "' is damaged (" + reason + "); it was " + what +
              "; starting a fresh printer"};
}

// Something that is not a file (a folder, most likely) where the state file
// should be: it is renamed aside whole, so the fresh printer can save.
LoadResult NotAFile(const AnsiString& path) {
  const AnsiString aside = path + ".damaged";
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(path), std::filesystem::path(aside), error);
  const AnsiString what = error ? "could not be moved aside (" + AnsiString(error.message()) + ")"
                                : "moved to '" + aside + "'";
  return {LoadOutcome::kDamaged, kPrefix + path + "' is damaged (not a file); it was " + what +
                                     "; starting a fresh printer"};
}

}  // namespace

LoadResult LoadStateFile(const AnsiString& path, PrinterState& state) {
  if (!platform::FileExists(path)) {
    std::error_code probe;
    if (std::filesystem::exists(std::filesystem::path(path), probe)) return NotAFile(path);
    return {LoadOutcome::kMissing,
            kPrefix + path + "' not found; starting a fresh printer (saved at its first change)"};
  }
  std::string text;
  try {
    text = platform::ReadFile(path);
  } catch (const Exception& e) {
    return Damaged(path, e.Message(), nullptr);
  }
  PrinterState loaded;
  AnsiString error;
  if (!DecodeState(text, loaded, error)) return Damaged(path, error, &text);
  state = std::move(loaded);
  return {LoadOutcome::kLoaded, ""};
}

bool SaveStateFile(const AnsiString& path, const PrinterState& state, AnsiString& error) {
  try {
    platform::WriteFileAtomically(path, EncodeState(state));
    return true;
  } catch (const Exception& e) {
    error = e.Message();
  } catch (const std::exception& e) {
    error = e.what();
  }
  return false;
}

}  // namespace mdx::emulator
