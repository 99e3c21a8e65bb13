// The single table commands a host sends itself: programming payment methods
// ("39"), naming totalizers ("38"), the totalization of a non-fiscal receipt
// ("10") and a text line ("08").
#include "mdx00200/hostlib.h"
#include "mdx00200/tables.h"
#include "tables/parameter_checks.h"
#include "tables/table_replies.h"

namespace Mdx00200 {

bool Config_Forma_Pg(const AnsiString& scheme, const AnsiString& methods, bool ownErrorHandling,
                     bool repeatWhileBusy) {
  if (methods.size() % tables::kPaymentEntryWidth != 0) {
    return tables::RefuseParameters(scheme,
                                    "Comando 39: a lista de formas de pagamento tem " +
                                        mdx::IntToStr(methods.size()) +
                                        " caracteres; cada forma ocupa 16.",
                                    ownErrorHandling);
  }
  return EnviaComando_Sweda(scheme, "39", &methods, 0, ownErrorHandling, repeatWhileBusy);
}

bool Totaliza_NFiscal_Imp(const AnsiString& scheme, const AnsiString& position,
                          const AnsiString& amount) {
  if (!tables::IsDigits(position, 2) || !tables::IsDigits(amount, 12)) {
    return tables::RefuseParameters(
        scheme,
        "Comando 10: a forma de pagamento tem 2 d\xEDgitos e o valor 12 d\xEDgitos ('" + position +
            "', '" + amount + "').",
        true);
  }
  const AnsiString params[] = {position, amount};
  return EnviaComando_Sweda(scheme, "10", params, 1, true, false);
}

bool Nomeia_TotParcial_Imp(const AnsiString& scheme, const AnsiString& p1, const AnsiString& p2,
                           const AnsiString& p3, const AnsiString& p4, bool ownErrorHandling,
                           bool repeatWhileBusy) {
  const size_t entries = p2.size() + p3.size() + p4.size();
  if (entries % tables::kTotalizerEntryWidth != 0) {
    return tables::RefuseParameters(scheme,
                                    "Comando 38: os totalizadores t\xEAm " +
                                        mdx::IntToStr(entries) + " caracteres; cada um ocupa 15.",
                                    ownErrorHandling);
  }
  const AnsiString params[] = {p1, p2, p3, p4};
  return EnviaComando_Sweda(scheme, "38", params, 3, ownErrorHandling, repeatWhileBusy);
}

bool Usa_CompNFis(const AnsiString& scheme, const AnsiString& text) {
  const AnsiString params[] = {"0", text};
  return EnviaComando_Sweda(scheme, "08", params, 1, false, false);
}

}  // namespace Mdx00200
