#include "cash/till_closing_text.h"

#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"

namespace Mdx00200::cash {

AnsiString ClosingAmount(double value) { return mdx::FloatToStrF(value, mdx::ffFixed, 15, 2); }

AnsiString ClosingRule() { return Consiste::Replicate("-", kClosingWidth); }

void BufferLine(const AnsiString& scheme, const AnsiString& text) {
  imprimeBlocoSweda(scheme, text, false);
}

void FlushLine(const AnsiString& scheme, const AnsiString& text) {
  imprimeBlocoSweda(scheme, text, true);
}

}  // namespace Mdx00200::cash
