// The package loaded by name, as a till loads it, with its operations and
// globals resolved by their plain names.
#pragma once

#include <string>

#include "mdx00200/platform.h"

namespace till {

class Package {
 public:
  // Loads Mdx00200.dll (Windows) or libmdx00200.so through the normal search
  // path. Check Loaded() before anything else.
  Package();

  bool Loaded() const { return handle_ != nullptr; }
  // Why loading failed ("" when it did not).
  const std::string& Error() const { return error_; }

  // The operation `name` typed as F, e.g.
  //   auto start = pkg.Operation<decltype(&Mdx00200::StartImpFiscal)>("StartImpFiscal");
  // nullptr (and Error() set) when the package does not export it.
  template <typename F>
  F Operation(const char* name) {
    return reinterpret_cast<F>(Symbol(name));
  }
  // An exported global; nullptr when absent.
  template <typename T>
  T* Global(const char* name) {
    return static_cast<T*>(Symbol(name));
  }

 private:
  void* Symbol(const char* name);

  mdx::platform::LibraryHandle handle_ = nullptr;
  std::string error_;
};

}  // namespace till
