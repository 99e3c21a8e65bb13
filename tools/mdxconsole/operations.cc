#include "operations.h"

#include <stdexcept>
#include <utility>

#include "mdx00200/mdx00200.h"
#include "operations/operation_flags.h"

namespace mdxconsole {

namespace {

// The five helpers exported under their C++ names only, as GCC names them on
// both platforms (AnsiString is std::string of the C++11 ABI).
#define MDX_STRING "NSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"
const char* CppName(const std::string& name) {
  static const std::pair<const char*, const char*> names[] = {
      {"GetValue", "_ZN8Mdx002008GetValueERK" MDX_STRING},
      {"FormataCNPJ", "_ZN8Mdx0020011FormataCNPJERK" MDX_STRING},
      {"StrToPChar", "_ZN8Mdx0020010StrToPCharERK" MDX_STRING},
      {"ContadorCupomFiscalMFD", "_ZN8Mdx0020022ContadorCupomFiscalMFDERK" MDX_STRING "RS5_"},
      {"imprimeBlocoSweda", "_ZN8Mdx0020017imprimeBlocoSwedaERK" MDX_STRING "S7_b"},
  };
  for (const auto& [plain, cpp] : names)
    if (name == plain) return cpp;
  throw std::logic_error("no C++ name known for " + name);
}

// The exported name: the plain one (same parameters), or the C++ name of an
// operation exported only that way.
std::string SymbolOf(const char* name, unsigned flags) {
  return (flags & mdxops::kCppName) ? CppName(name) : name;
}

std::vector<OperationEntry> Build() {
  std::vector<OperationEntry> list;
  // The type of each operation is taken from its declaration in the headers.
#define MDX_OPERATION(name, flags)                                        \
  list.push_back({#name, SymbolOf(#name, flags),                          \
                  MakeOperation<decltype(&Mdx00200::name)>(((flags) & mdxops::kDateResult) != 0)});
#include "operations/operation_list.h"
  return list;
}

}  // namespace

const std::vector<OperationEntry>& Operations() {
  static const std::vector<OperationEntry> list = Build();
  return list;
}

const OperationEntry* FindOperation(const std::string& name) {
  for (const OperationEntry& entry : Operations())
    if (entry.name == name) return &entry;
  return nullptr;
}

}  // namespace mdxconsole
