// The exported entry points. Nothing may escape them as an exception: a till
// calling through a C interface cannot catch it.
#include <cstdio>
#include <exception>

#include "serial/sersweda_api.h"
#include "serial/serial_session.h"

namespace {

void Report(const char* entry, const char* what) {
  std::fprintf(stderr, "SERSWEDA: %s failed: %s\n", entry, what);
  std::fflush(stderr);
}

}  // namespace

SERSWEDA_EXPORT int SERSWEDA_CALL AbrePorta(int port, int mode) {
  try {
    return mdx::serial::SerialSession::Instance().Open(port, mode);
  } catch (const std::exception& e) {
    Report("AbrePorta", e.what());
  } catch (...) {
    Report("AbrePorta", "unknown error");
  }
  return 0;
}

SERSWEDA_EXPORT int SERSWEDA_CALL EnviaComando(const char* frame, unsigned char* reply) {
  try {
    return mdx::serial::SerialSession::Instance().Send(frame, reply);
  } catch (const std::exception& e) {
    Report("EnviaComando", e.what());
  } catch (...) {
    Report("EnviaComando", "unknown error");
  }
  if (reply) reply[0] = 0;
  return 0;
}

SERSWEDA_EXPORT int SERSWEDA_CALL FechaPorta(int id) {
  try {
    return mdx::serial::SerialSession::Instance().Close(id);
  } catch (const std::exception& e) {
    Report("FechaPorta", e.what());
  } catch (...) {
    Report("FechaPorta", "unknown error");
  }
  return 0;
}

SERSWEDA_EXPORT mdx::emulator::VirtualPrinter* Sersweda_VirtualPrinter() {
  try {
    return mdx::serial::SerialSession::Instance().Printer();
  } catch (const std::exception& e) {
    Report("Sersweda_VirtualPrinter", e.what());
  }
  return nullptr;
}

SERSWEDA_EXPORT mdx::emulator::VirtualPrinter* Sersweda_RestartVirtualPrinter() {
  try {
    return mdx::serial::SerialSession::Instance().Restart();
  } catch (const std::exception& e) {
    Report("Sersweda_RestartVirtualPrinter", e.what());
  }
  return nullptr;
}

SERSWEDA_EXPORT int Sersweda_ViewPort() {
  try {
    return mdx::serial::SerialSession::Instance().ViewPort();
  } catch (const std::exception& e) {
    Report("Sersweda_ViewPort", e.what());
  }
  return 0;
}
