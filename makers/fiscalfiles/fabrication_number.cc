#include "fiscalfiles/fabrication_number.h"

namespace mdx::fiscalfiles {

AnsiString FabricationNumber(const AnsiString& serialNumber) {
  AnsiString letters;
  AnsiString digits;
  for (char c : serialNumber) {
    if (c >= '0' && c <= '9') {
      digits += c;
    } else {
      letters += c;
    }
  }
  const size_t width = kFabricationNumberWidth;
  if (letters.size() + digits.size() > width) return (letters + digits).substr(0, width);
  return letters + AnsiString(width - letters.size() - digits.size(), '0') + digits;
}

}  // namespace mdx::fiscalfiles
