/* A signature library without "validateFile". Its generateEAD marks the
   file, so a call that must not happen shows in the file. */
#include <stdio.h>

#include "fixture_entry.h"

FIXTURE_ENTRY(int) setLibType(int kind) {
  (void)kind;
  return 0;
}

FIXTURE_ENTRY(int) genkkey(char* publicKey, char* privateKey) {
  (void)publicKey, (void)privateKey;
  return 0;
}

FIXTURE_ENTRY(int) generateEAD(const char* file, const char* keyB, const char* keyA, char* out,
                               int flag) {
  FILE* target = fopen(file, "ab");
  (void)keyB, (void)keyA, (void)out, (void)flag;
  if (!target) return 1;
  fputs("CALLED\r\n", target);
  fclose(target);
  return 0;
}
