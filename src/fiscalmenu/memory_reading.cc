// EmiteLeituraMemoriaFiscal: the printer prints its fiscal-memory reading.
// GeraBinMes: kept for the host, does nothing.
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

namespace {

// "dd/mm/yyyy" as "ddmmyy".
AnsiString ShortDate(const AnsiString& date) {
  return mdx::Copy(date, 1, 2) + mdx::Copy(date, 4, 2) + mdx::Copy(date, 9, 2);
}

}  // namespace

bool EmiteLeituraMemoriaFiscal(const AnsiString& scheme, const AnsiString& first,
                               const AnsiString& last, const AnsiString& option,
                               const AnsiString& rangeKind, const AnsiString& documentText) {
  try {
    const bool byDate = rangeKind == "DATA";
    const AnsiString params[] = {byDate ? ShortDate(first) : first,
                                 byDate ? ShortDate(last) : last, option, rangeKind};
    EnviaComando_Sweda(scheme, byDate ? "16" : "15", params, 3, true, false);
    GravaDocumentosNaoFiscais(documentText, scheme, "MF", "");
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool GeraBinMes(TDateTime /*first*/, TDateTime /*last*/, const AnsiString& /*text*/) {
  return true;
}

}  // namespace Mdx00200
