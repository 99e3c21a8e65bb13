// The printer maker's libraries: loading them by name and resolving their
// entry points into the exported globals.
#pragma once

#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

// Looks `name` up in `library` and stores it in `entry`; false when it is
// missing (`entry` is then null).
template <typename Entry>
bool ResolveEntry(LibraryHandle library, const char* name, Entry& entry) {
  entry = reinterpret_cast<Entry>(mdx::platform::FindSymbol(library, name));
  return entry != nullptr;
}

// Loads "SERSWEDA", "swmfd" and "CONVECF" by their platform file names through
// the normal search path, each only while its handle global is empty. A
// library that is not there leaves its handle empty.
void LoadMakerLibraries();

// Resolves "AbrePorta", "EnviaComando" and "FechaPorta" of the serial library,
// in this order; false at the first one missing.
bool ResolveSerialEntries();

// Resolves the fiscal-file entries of "swmfd" and the one of "CONVECF", in
// their fixed order; false at the first one missing.
bool ResolveFiscalFileEntries();

// Empties every entry-point global but Sweda_ObterParametrosConfiguracao and
// Sweda_DetectarECF.
void ForgetEntryPoints();

}  // namespace Mdx00200
