// The one file that talks to the operating system. Everything above it uses
// the functions of platform.h and never includes a system header of its own.
#include "mdx00200/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>

#include "mdx00200/exceptions.h"

#ifdef _WIN32
#include <windows.h>
// windows.h names ReplaceFile as a macro for ReplaceFileA.
#undef ReplaceFile
#else
#include <dirent.h>
#include <strings.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

namespace mdx::platform {

namespace {

#ifdef _WIN32
AnsiString WindowsErrorText(DWORD code) {
  char buffer[512] = {0};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           code, 0, buffer, sizeof buffer, nullptr);
  AnsiString text(buffer, n);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text.empty() ? "error " + std::to_string(code) : text;
}
AnsiString LastErrorText() { return WindowsErrorText(GetLastError()); }
#else
AnsiString LastErrorText() { return std::strerror(errno); }
#endif

// Turns an operating-system failure into the runtime's error, in one place.
[[noreturn]] void RaiseInOut(const AnsiString& what, const AnsiString& path) {
  throw EInOutError(what + " '" + path + "': " + LastErrorText());
}

AnsiString ParentFolder(const AnsiString& path) {
  size_t at = path.find_last_of("/\\");
  if (at == AnsiString::npos) return AnsiString();
  return path.substr(0, at);
}

#ifndef _WIN32
AnsiString g_last_library_error;

// The folder of this runtime library, with a trailing separator ("" when
// unknown). The package and the maker's libraries are installed beside it.
AnsiString RuntimeFolder() {
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&RuntimeFolder), &info) == 0 || !info.dli_fname) return "";
  AnsiString folder = ParentFolder(info.dli_fname);
  return folder.empty() ? AnsiString() : folder + "/";
}
#endif

}  // namespace

AnsiString LibraryFileName(const AnsiString& baseName) {
#ifdef _WIN32
  return baseName + ".dll";
#else
  return "lib" + baseName + ".so";
#endif
}

LibraryHandle OpenLibrary(const AnsiString& fileName) {
#ifdef _WIN32
  return reinterpret_cast<LibraryHandle>(LoadLibraryA(fileName.c_str()));
#else
  // A bare name is looked for beside the runtime first, as the run path
  // "$ORIGIN" would; this does not depend on which object calls dlopen (a
  // sanitizer's interceptor would otherwise be the caller).
  void* handle = nullptr;
  if (fileName.find('/') == AnsiString::npos) {
    const AnsiString beside = RuntimeFolder() + fileName;
    if (FileExists(beside)) handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  if (!handle) handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* e = dlerror();
    g_last_library_error = e ? e : "";
  }
  return handle;
#endif
}

ProcAddress FindSymbol(LibraryHandle library, const char* name) {
  if (!library || !name) return nullptr;
#ifdef _WIN32
  return reinterpret_cast<ProcAddress>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
  dlerror();
  void* symbol = dlsym(library, name);
  if (!symbol) {
    const char* e = dlerror();
    g_last_library_error = e ? e : "";
  }
  return symbol;
#endif
}

void CloseLibrary(LibraryHandle library) {
  if (!library) return;
#ifdef _WIN32
  FreeLibrary(static_cast<HMODULE>(library));
#else
  dlclose(library);
#endif
}

AnsiString LastLibraryError() {
#ifdef _WIN32
  DWORD code = GetLastError();
  return code == 0 ? AnsiString() : WindowsErrorText(code);
#else
  return g_last_library_error;
#endif
}

bool FileExists(const AnsiString& path) {
#ifdef _WIN32
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

bool DirectoryExists(const AnsiString& path) {
#ifdef _WIN32
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
#endif
}

bool ForceDirectories(const AnsiString& path) {
  AnsiString folder = path;
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  if (folder.empty() || DirectoryExists(folder)) return !folder.empty();
  AnsiString parent = ParentFolder(folder);
  if (!parent.empty() && parent != folder && !(parent.size() == 2 && parent[1] == ':')) {
    if (!ForceDirectories(parent)) return false;
  }
#ifdef _WIN32
  if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    return false;
  }
#else
  if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return false;
#endif
  return DirectoryExists(folder);
}

bool RemoveFile(const AnsiString& path) {
#ifdef _WIN32
  return DeleteFileA(path.c_str()) != 0;
#else
  return unlink(path.c_str()) == 0;
#endif
}

AnsiString FindEntryIgnoringCase(const AnsiString& folder, const AnsiString& name) {
  const AnsiString base = folder.empty() ? AnsiString(".") : folder;
  const AnsiString exact = IncludeTrailingPathDelimiter(base) + name;
  if (FileExists(exact) || DirectoryExists(exact)) return name;
#ifdef _WIN32
  // Windows compares file names without regard to case already.
  return "";
#else
  DIR* dir = opendir(base.c_str());
  if (!dir) return "";
  AnsiString found;
  while (dirent* entry = readdir(dir)) {
    if (strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
#endif
}

void ReplaceFile(const AnsiString& source, const AnsiString& target) {
#ifdef _WIN32
  if (!MoveFileExA(source.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    throw EInOutError("Cannot replace '" + target + "' with '" + source + "': " + LastErrorText());
  }
#else
  if (std::rename(source.c_str(), target.c_str()) != 0) {
    throw EInOutError("Cannot replace '" + target + "' with '" + source + "': " + LastErrorText());
  }
#endif
}

bool MoveToNewName(const AnsiString& source, const AnsiString& target) {
#ifdef _WIN32
  if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  const DWORD code = GetLastError();
  if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) return false;
  throw EInOutError("Cannot move '" + source + "' to '" + target + "': " + WindowsErrorText(code));
#else
  // A hard link fails when the name is taken, in one step; the source name
  // then goes.
  if (link(source.c_str(), target.c_str()) == 0) {
    unlink(source.c_str());
    return true;
  }
  if (errno == EEXIST) return false;
  throw EInOutError("Cannot move '" + source + "' to '" + target + "': " + LastErrorText());
#endif
}

namespace {

// The message of a temporary name the system refused as too long: the file's
// own name fits, its temporary one does not.
[[noreturn]] void RaiseNameTooLong(const AnsiString& path, const AnsiString& temporary) {
  throw EInOutError("Cannot write file '" + path + "': the name is too long for its temporary file '" +
                    temporary + "'");
}

#ifdef _WIN32
// Creates `temporary` as a new file (never opening an entry that already has
// the name) and writes the bytes through to the disk.
void WriteNewFile(const AnsiString& path, const AnsiString& temporary, const std::string& bytes) {
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILENAME_EXCED_RANGE) RaiseNameTooLong(path, temporary);
    throw EInOutError("Cannot create file '" + temporary + "': " + WindowsErrorText(code));
  }
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    const size_t left = bytes.size() - done;
    const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) != 0 && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(file) != 0;
  const DWORD code = GetLastError();
  CloseHandle(file);
  if (!ok) {
    RemoveFile(temporary);
    throw EInOutError("Cannot write file '" + temporary + "': " + WindowsErrorText(code));
  }
}
#else
void WriteNewFile(const AnsiString& path, const AnsiString& temporary, const std::string& bytes) {
  const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (file < 0) {
    if (errno == ENAMETOOLONG) RaiseNameTooLong(path, temporary);
    RaiseInOut("Cannot create file", temporary);
  }
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t written = write(file, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    ok = written > 0;
    if (ok) done += static_cast<size_t>(written);
  }
  ok = ok && fsync(file) == 0;
  const int saved_errno = errno;
  ok = close(file) == 0 && ok;
  if (!ok) {
    errno = saved_errno;
    const AnsiString reason = LastErrorText();
    RemoveFile(temporary);
    throw EInOutError("Cannot write file '" + temporary + "': " + reason);
  }
}
#endif

}  // namespace

void WriteFileAtomically(const AnsiString& path, const std::string& bytes) {
  const AnsiString temporary = path + ".tmp";
  // Whatever has the temporary name was left by a crash or planted: it goes
  // (a link itself, never what it points at), and the temporary file is
  // created new, so a write never goes through an existing link or file.
  RemoveFile(temporary);
  WriteNewFile(path, temporary, bytes);
  try {
    ReplaceFile(temporary, path);
  } catch (...) {
    RemoveFile(temporary);
    throw;
  }
}

std::string ReadFile(const AnsiString& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) RaiseInOut("Cannot open file", path);
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) RaiseInOut("Cannot read file", path);
  return bytes;
}

AnsiString ExecutableDirectory() {
#ifdef _WIN32
  char path[MAX_PATH * 2] = {0};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  AnsiString full(path, n);
  AnsiString folder = ParentFolder(full);
  char shortPath[MAX_PATH * 2] = {0};
  DWORD m = GetShortPathNameA(folder.c_str(), shortPath, sizeof shortPath);
  if (m > 0 && m < sizeof shortPath) folder.assign(shortPath, m);
  return IncludeTrailingPathDelimiter(folder);
#else
  char path[4096];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "./";
  return IncludeTrailingPathDelimiter(ParentFolder(AnsiString(path, static_cast<size_t>(n))));
#endif
}

char PathDelimiter() {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) return path;
  return path + PathDelimiter();
}

void Sleep(unsigned milliseconds) {
#ifdef _WIN32
  ::Sleep(milliseconds);
#else
  struct timespec ts;
  ts.tv_sec = milliseconds / 1000;
  ts.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
  while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
#endif
}

void SetEnvironment(const char* name, const AnsiString& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  if (value.empty()) {
    unsetenv(name);
  } else {
    setenv(name, value.c_str(), 1);
  }
#endif
}

}  // namespace mdx::platform
