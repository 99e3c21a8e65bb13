#include "credit/credit_lines.h"

#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"
#include "mdx00200/reports.h"

namespace Mdx00200::credit {

AnsiString Cut(const AnsiString& text, size_t width) { return text.substr(0, width); }

AnsiString Currency(double value) { return mdx::FloatToStrF(value, mdx::ffCurrency, 15, 2); }

AnsiString AmountColumn(const AnsiString& amount, int width) { return Consiste::PadL(amount, width); }

AnsiString Msg(const char* key) { return DataModule().msgPadrao.Msg(key); }

bool SendLine(const AnsiString& scheme, const ReportLine& line, bool ownErrorHandling) {
  const AnsiString params[] = {line.spacing ? "9" : "0", line.spacing ? "1" : line.text};
  return EnviaComando_Sweda(scheme, "08", params, 1, ownErrorHandling, false);
}

bool SendWhileAccepted(const AnsiString& scheme, const std::vector<ReportLine>& lines,
                       bool ownErrorHandling) {
  for (const ReportLine& line : lines) {
    if (!SendLine(scheme, line, ownErrorHandling)) return false;
  }
  return true;
}

bool CloseReport(const AnsiString& scheme, bool opened, bool linesAccepted) {
  if (linesAccepted) return FechRelatGerenc(scheme, false, true);
  if (opened) FechRelatGerenc(scheme, false, true);
  return false;
}

}  // namespace Mdx00200::credit
