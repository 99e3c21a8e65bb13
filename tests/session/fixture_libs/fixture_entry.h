/* How the fixture libraries export an entry: a C function, __stdcall on
   Win32 (named plainly with --kill-at), visible on Linux. */
#ifndef MDX_FIXTURE_ENTRY_H
#define MDX_FIXTURE_ENTRY_H

#ifdef _WIN32
#define FIXTURE_ENTRY(type) __declspec(dllexport) type __stdcall
#else
#define FIXTURE_ENTRY(type) __attribute__((visibility("default"))) type
#endif

#endif
