#include "capi/operations.h"

#include "mdx00200/mdx00200.h"
#include "operations/operation_flags.h"

namespace mdxcapi {

namespace {

std::vector<OperationEntry> Build() {
  std::vector<OperationEntry> list;
  // The parameter types come from the declarations in the package's headers.
#define MDX_OPERATION(name, flags)                                                            \
  list.push_back({#name, MakeOperation(&Mdx00200::name, ((flags) & mdxops::kDateResult) != 0), \
                  ((flags) & mdxops::kSession) != 0});
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

}  // namespace mdxcapi
