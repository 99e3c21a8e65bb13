#include "channel/serial_exchange.h"

#include <cstring>

#include "mdx00200/mdx00200.h"

namespace Mdx00200::channel {

mdx::AnsiString Exchange(const mdx::AnsiString& frame) {
  if (!SwedaEnviaComando) return mdx::AnsiString();
  // The library's contract is 256 bytes; the spare room keeps a library that
  // writes past it from overwriting our stack.
  unsigned char reply[1024];
  std::memset(reply, 0, sizeof reply);
  SwedaEnviaComando(frame.c_str(), reply);
  size_t length = reply[0];
  const char* text = reinterpret_cast<const char*>(reply + 1);
  size_t n = 0;
  while (n < length && text[n] != '\0') ++n;
  return mdx::AnsiString(text, n);
}

}  // namespace Mdx00200::channel
