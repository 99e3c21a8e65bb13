/* A serial library without "FechaPorta": the session must not use it. */
#include "fixture_entry.h"

FIXTURE_ENTRY(int) AbrePorta(int port, int mode) {
  (void)port;
  (void)mode;
  return 0;
}

FIXTURE_ENTRY(int) EnviaComando(const char* frame, unsigned char* reply) {
  (void)frame;
  if (reply) reply[0] = 0;
  return 0;
}
