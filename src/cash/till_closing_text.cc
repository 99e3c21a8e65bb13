#include "cash/till_closing_text.h"


namespace Mdx00200::cash {

void BufferLine(const AnsiString& scheme, const AnsiString& text) {
  imprimeBlocoSweda(scheme, text, false);
}

void FlushLine(const AnsiString& scheme, const AnsiString& text) {
  imprimeBlocoSweda(scheme, text, true);
}

}  // namespace Mdx00200::cash
