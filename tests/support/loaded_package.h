// LoadedPackage: the package and the serial substitute loaded by name, as a
// till loads them, with typed access to exported operations and globals.
//
//   LoadedPackage pkg;                       // loads both, or fails the test
//   auto send = pkg.Op<decltype(&::EnviaComando_Sweda)>("EnviaComando_Sweda");
//   pkg.Global<mdx::AnsiString>("SwedaRet");
//   pkg.ConnectSerial();                     // SwedaEnviaComando := the substitute's
//
// The libraries stay loaded for the whole process (the package is never
// unloaded by a host either), so the globals keep their values between tests;
// ResetGlobals puts back the values the tests rely on.
#pragma once

#include <gtest/gtest.h>

#include "mdx00200/ansi_string.h"
#include "mdx00200/platform.h"

namespace mdx::test {

class LoadedPackage {
 public:
  LoadedPackage();

  // The address of an exported symbol; fails the current test when missing.
  void* Symbol(const char* name) const;
  void* SerialSymbol(const char* name) const;
  bool HasSymbol(const char* name) const;

  template <typename F>
  F Op(const char* name) const {
    return reinterpret_cast<F>(Symbol(name));
  }
  template <typename T>
  T& Global(const char* name) const {
    return *static_cast<T*>(Symbol(name));
  }

  // Points the package's send entry point at the serial substitute's.
  void ConnectSerial() const;
  // boNUtilTaa true, stMensagemTaa and SwedaRet empty, boComando false.
  void ResetGlobals() const;

  platform::LibraryHandle package() const { return package_; }
  platform::LibraryHandle serial() const { return serial_; }

 private:
  platform::LibraryHandle package_ = nullptr;
  platform::LibraryHandle serial_ = nullptr;
};

}  // namespace mdx::test
