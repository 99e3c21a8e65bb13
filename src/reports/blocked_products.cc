// ImprimeProdBloq: the products blocked for sale in a shop, read straight
// from the caller's dataset.
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "reports/document_commands.h"
#include "reports/report_format.h"
#include "reports/report_guard.h"

namespace Mdx00200 {

namespace {

using Consiste::Centraliza;
using Consiste::TamFixo;

void PrintBlockedProducts(const AnsiString& scheme, TClientDataSet& products) {
  mdx::TField& shopName = products.FieldByName("NMFILIAL");
  mdx::TField& shop = products.FieldByName("CDLOJA");
  mdx::TField& code = products.FieldByName("CDPRODUTO");
  mdx::TField& keyboardCode = products.FieldByName("CDPROTECLADO");
  mdx::TField& name = products.FieldByName("NMPRODUTO");
  const AnsiString rule = reports::Rule();
  auto line = [&](const AnsiString& text) { reports::SendLine(scheme, text, true); };

  line(rule);
  line(Centraliza(shopName.AsString(), 48));
  line(rule);
  line("Loja:" + TamFixo(shop.AsString(), 16) +
       mdx::FormatDateTime("dd/mm/yyyy hh:nn:ss", mdx::Now()));
  line(rule);
  line(Centraliza(">>> Produtos Bloqueados <<<", 48));
  line(rule);
  line(TamFixo(DataModule().msgPadrao.Msg("Codigo"), 11) + TamFixo("COD. TECLADO", 13) +
       Consiste::TamFixoR("NOME", 4));
  for (products.First(); !products.Eof(); products.Next())
    line(TamFixo(code.AsString(), 11) + TamFixo(keyboardCode.AsString(), 13) +
         TamFixo(name.AsString(), 17));
  reports::SendLine(scheme, rule, false);
  reports::SendLine(scheme, TamFixo(reports::ContactLine(), 40), false);
}

}  // namespace

bool ImprimeProdBloq(const AnsiString& scheme, TClientDataSet* products) {
  if (!products) throw mdx::EDatabaseError("ImprimeProdBloq: no dataset was given");
  const bool opened = reports::OpenReport(scheme, false);
  SwedaVerifRetorno = false;
  if (opened) {
    // A failure while the lines print still closes the report, so the next
    // document is not refused; the error then goes on to the caller.
    reports::PrintOrClose([&] { PrintBlockedProducts(scheme, *products); },
                          [&] {
                            SwedaVerifRetorno = true;
                            FechRelatGerenc(scheme, false, true);
                          });
    SwedaVerifRetorno = true;
  }
  return FechRelatGerenc(scheme, false, true);
}

}  // namespace Mdx00200
