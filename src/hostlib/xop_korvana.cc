// Parameter records and the clock-difference text.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"

namespace Xop_korvana {

using mdx::AnsiString;
using mdx::Variant;

namespace {

AnsiString NotFound(const AnsiString& name) { return "Par\xE2metro '" + name + "' n\xE3o encontrado"; }

}  // namespace

Variant RecebeParams(const Variant& record, const AnsiString& name) {
  if (!record.IsArray())
    throw mdx::Exception(NotFound(name) + ": o registro de par\xE2metros n\xE3o \xE9 um vetor de pares (nome, valor) (tipo " +
                         record.TypeName() + ")");
  for (int i = record.LowBound(); i <= record.HighBound(); ++i) {
    const Variant& pair = record[i];
    if (!pair.IsArray() || pair.Count() < 2) continue;
    const Variant& key = pair[pair.LowBound()];
    if (key.IsText() && mdx::SameText(key.AsString(), name)) return pair[pair.LowBound() + 1];
  }
  throw mdx::Exception(NotFound(name));
}

AnsiString SubtDataHoraXop(mdx::TDateTime earlier, mdx::TDateTime later) {
  // The platform's date range: 1 January 0001 to 31 December 9999.
  const double kFirst = -693594.0, kLast = 2958466.0;
  auto valid = [&](double v) { return std::isfinite(v) && v >= kFirst && v <= kLast; };
  if (!valid(earlier) || !valid(later))
    throw mdx::EConvertError("SubtDataHoraXop: data e hora inv\xE1lidas");

  int64_t diff = mdx::DateTimeToMilliseconds(later) - mdx::DateTimeToMilliseconds(earlier);
  int64_t seconds = (diff < 0 ? -diff : diff) / 1000;
  bool negative = diff < 0 && seconds > 0;
  if (seconds >= 24 * 3600) seconds = 24 * 3600 - 1;  // a day or more reads as the largest time

  char text[16];
  std::snprintf(text, sizeof text, "%s%02d:%02d:%02d", negative ? "-" : "", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

}  // namespace Xop_korvana
