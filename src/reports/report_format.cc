#include "reports/report_format.h"

#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"

namespace Mdx00200::reports {

AnsiString Fixed(double value, int decimals) {
  return mdx::FloatToStrF(value, mdx::ffFixed, 15, decimals);
}

AnsiString AmountRight(double value, int width) { return Consiste::PadL(Fixed(value, 2), width); }

AnsiString Rule(int width) { return AnsiString(static_cast<size_t>(width), '-'); }

AnsiString ContactLine() { return DataModule().msgPadrao.Msg("Korvana"); }

}  // namespace Mdx00200::reports
