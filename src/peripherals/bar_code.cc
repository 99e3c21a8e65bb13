// Bar codes: the entry point answers success and prints nothing. It only
// prepares what a bar-code command would carry, should the printer get one.
#include <optional>

#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

namespace {

struct Symbology {
  const char* name;  // as the host names it, in code page 1252
  char letter;
  int width;  // the data right-aligned in this width; 0 keeps it as it is
};

constexpr Symbology kSymbologies[] = {
    {"UPC-A", 'A', 12},   {"UPC-E", 'B', 8}, {"EAN-13", 'C', 12},  {"EAN-8", 'D', 8},
    {"CODE39", 'E', 0},   {"ITF", 'F', 0},   {"BAR CODE", 'G', 0},
    {"PDF \x96 417", 'H', 0},  // with an en dash
    {"CODE93", 'I', 0},   {"CODE128", 'J', 0},
};

struct PreparedBarCode {
  char letter;
  AnsiString data;
};

// The symbology's letter and the data as it would be sent; nullopt for a
// name that is not in the table (exact, case-sensitive; the first match).
std::optional<PreparedBarCode> Prepare(const AnsiString& symbology, const AnsiString& data) {
  for (const Symbology& s : kSymbologies) {
    if (symbology != s.name) continue;
    return PreparedBarCode{s.letter, s.width > 0 ? Consiste::Ajusta(data, s.width) : data};
  }
  return std::nullopt;
}

}  // namespace

bool CodigoBarra(const AnsiString& /*scheme*/, const AnsiString& /*unused2*/,
                 const AnsiString& /*unused3*/, int /*unused4*/, const AnsiString& data,
                 const AnsiString& symbology) {
  // No printer command carries a bar code: what is prepared stays here.
  [[maybe_unused]] const std::optional<PreparedBarCode> prepared = Prepare(symbology, data);
  return true;
}

}  // namespace Mdx00200
