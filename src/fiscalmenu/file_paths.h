// The fiscal menu's file names. The package names its files the Windows way
// (backslashes, "C:"); PlatformPath turns such a name into the platform's.
#pragma once

#include "mdx00200/ansi_string.h"

namespace Mdx00200 {

// A Windows path as the platform names it. On Windows it is returned as it
// is. Elsewhere backslashes become slashes, a drive ("C:", any letter) is
// replaced by Host().DriveRoot(), and each folder or file name that exists
// with other letter case is taken as it exists, so "C:\Sweda" and
// "c:\sweda\RFD" name one folder as they do on Windows.
mdx::AnsiString PlatformPath(const mdx::AnsiString& windowsPath);

// The host executable's folder without its trailing separator, the base of
// "\Dados\MenuFiscal\" and the other program-relative names.
mdx::AnsiString ProgramDirectory();

// Whether text from the host may become part of a file name: not empty, and
// free of separators ("\", "/"), of ":" (a drive), of ".." and of control
// characters.
bool IsSafeNamePart(const mdx::AnsiString& text);

}  // namespace Mdx00200
