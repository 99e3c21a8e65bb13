// One exchange with the serial library: the only place that calls its send
// entry point and turns the length-prefixed reply buffer into text.
#pragma once

#include "mdx00200/ansi_string.h"

namespace Mdx00200::channel {

// Sends the frame through SwedaEnviaComando and returns the reply text: at
// most 255 characters, cut at the first NUL (a length byte that claims more
// than the library wrote never reads stale bytes). No entry point or no
// answer gives "".
mdx::AnsiString Exchange(const mdx::AnsiString& frame);

}  // namespace Mdx00200::channel
