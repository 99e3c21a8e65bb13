// The package's session as the operation fuzz targets keep it: the serial
// entry points taken from a given library, the port open, the package's
// globals back at their start values before every input.
#pragma once

#include "mdx00200/mdx00200.h"

namespace mdx::fuzz {

// Points the package's serial entry points at `library`'s, opens port 1 and
// marks the session ready, without a frame sent.
void ConnectSerial(Mdx00200::LibraryHandle library);

// boNUtilTaa true (a till with dialogs), stMensagemTaa, SwedaRet empty,
// boComando false.
void ResetPackageGlobals();

}  // namespace mdx::fuzz
