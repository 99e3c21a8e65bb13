// Export markers of the package library. Building the package defines
// MDX00200_BUILDING; a host that includes the headers imports.
#pragma once

#ifdef _WIN32
#ifdef MDX00200_BUILDING
#define MDX_API __declspec(dllexport)
#else
#define MDX_API __declspec(dllimport)
#endif
#define MDX_STDCALL __stdcall
#else
#define MDX_API __attribute__((visibility("default")))
#define MDX_STDCALL
#endif
