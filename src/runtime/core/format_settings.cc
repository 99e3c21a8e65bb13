#include "mdx00200/format_settings.h"

namespace mdx {

TFormatSettings BrazilianFormatSettings() {
  // The defaults of the structure are the Brazilian regional settings.
  return TFormatSettings{};
}

TFormatSettings& FormatSettings() {
  static TFormatSettings settings = BrazilianFormatSettings();
  return settings;
}

}  // namespace mdx
