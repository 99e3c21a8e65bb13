// The list that programs payment methods with "39": entries of 16
// characters, "S" and the name in 15; "S", "#" and the name in 14 for a
// method whose change is given in a method of kind "7".
#pragma once

#include "mdx00200/ansi_string.h"

namespace Mdx00200::tables {

// Appends the entry of `name` (cut or blank-filled) unless the list holds an
// entry whose first 14 name characters are the same, ignoring case.
void AddToList(mdx::AnsiString& list, const mdx::AnsiString& name, bool changeMarked);

}  // namespace Mdx00200::tables
