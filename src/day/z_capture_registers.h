// The information registers as the Z capture reads them: the 21 replies to
// "27" + "1".."9", "A".."L", trimmed, and their fields by 1-based position.
#pragma once

#include <array>

#include "mdx00200/mdx00200.h"

namespace Mdx00200::day {

// The selectors, in the order they are asked.
inline constexpr char kZRegisterSelectors[] = "123456789ABCDEFGHIJKL";
inline constexpr int kZRegisterCount = 21;

class ZRegisters {
 public:
  // The register's reply with blanks at both ends removed ("" for a
  // selector that is not one of the 21).
  const AnsiString& Register(char selector) const;
  void SetRegister(char selector, const AnsiString& reply);
  // Characters first..first+count-1 of a register (1-based); shorter when the
  // register is.
  AnsiString Field(char selector, int first, int count) const;

 private:
  std::array<AnsiString, kZRegisterCount> replies_;
};

// Asks each register up to three times (Delay(1) before the second and the
// third), "27" + selector without own error handling and with busy repeat,
// until the reply echoes the selector at 7 or is a refusal; the reply is
// taken with RetornoImpFiscal and an empty code. Raises mdx::Exception
// naming the register when its last reply is not an accepted block with the
// echo: its fields would stand at other positions, and the slots after it
// would shift into the next register.
ZRegisters ReadZRegisters(const AnsiString& scheme);

}  // namespace Mdx00200::day
