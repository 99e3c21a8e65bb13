// The operating system behind one seam: dynamic libraries, files and folders,
// the executable's folder, sleeping. Paths are native paths of the platform.
#pragma once

#include "mdx00200/ansi_string.h"

namespace mdx::platform {

using LibraryHandle = void*;
using ProcAddress = void*;

// The platform's file name of a maker's library: "SERSWEDA" becomes
// "SERSWEDA.dll" on Windows and "libSERSWEDA.so" elsewhere.
AnsiString LibraryFileName(const AnsiString& baseName);
// LoadLibraryA / dlopen with the normal search path; nullptr when it fails.
LibraryHandle OpenLibrary(const AnsiString& fileName);
// GetProcAddress / dlsym; nullptr when absent.
ProcAddress FindSymbol(LibraryHandle library, const char* name);
void CloseLibrary(LibraryHandle library);
// The last loader error as text ("" when none).
AnsiString LastLibraryError();

bool FileExists(const AnsiString& path);
bool DirectoryExists(const AnsiString& path);
// Creates the folder and its missing parents; true when it exists afterwards.
bool ForceDirectories(const AnsiString& path);
bool RemoveFile(const AnsiString& path);
// The name of the entry of `folder` that equals `name` when letter case is
// ignored (ASCII letters): `name` itself when it exists as given, "" when no
// entry matches or the folder cannot be read.
AnsiString FindEntryIgnoringCase(const AnsiString& folder, const AnsiString& name);
// Replaces target with source in one step (rename over an existing file), so
// a reader sees either the old file or the new one, never a partial file.
// Raises EInOutError naming both files on failure.
void ReplaceFile(const AnsiString& source, const AnsiString& target);
// Writes the bytes to path through a temporary file beside it ("<path>.tmp")
// and ReplaceFile, so a failure leaves the old file whole. The temporary file
// is always created new: an entry left under its name (by a crash, or a
// planted link) is removed first, never written through. Raises EInOutError
// on failure, with a message of its own when the name fits and its temporary
// name is too long.
void WriteFileAtomically(const AnsiString& path, const std::string& bytes);
// Moves source to target only when nothing has that name: true when moved,
// false (nothing changed) when target exists. Raises EInOutError naming both
// files on another failure.
bool MoveToNewName(const AnsiString& source, const AnsiString& target);
// Reads a whole file. Raises EInOutError naming the file when it cannot.
std::string ReadFile(const AnsiString& path);

// The folder of the running executable with a trailing separator; the short
// (8.3) form on Windows.
AnsiString ExecutableDirectory();
char PathDelimiter();
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);

void Sleep(unsigned milliseconds);

// Sets an environment variable of this process; an empty value removes it.
void SetEnvironment(const char* name, const AnsiString& value);

}  // namespace mdx::platform
