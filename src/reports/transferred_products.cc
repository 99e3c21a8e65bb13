// imprimeProdutosTransf: the products moved from one table to another,
// grouped by destination and origin table.
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/hostlib.h"
#include "reports/document_commands.h"
#include "reports/report_format.h"
#include "reports/report_guard.h"
#include "reports/report_input.h"

namespace Mdx00200 {

namespace {

bool Line(const AnsiString& scheme, const AnsiString& text) {
  return reports::SendLine(scheme, text, true);
}

}  // namespace

void imprimeProdutosTransf(const AnsiString& /*unused1*/, const AnsiString& /*unused2*/,
                           const AnsiString& scheme, const OleVariant& products) {
  using Consiste::TamFixo;
  TClientDataSet& rows = *DataModule().cdsProdutoTransf;
  reports::LoadPacket(rows, products, "imprimeProdutosTransf");
  mdx::TField& destination = rows.FieldByName("NRMESA");
  mdx::TField& origin = rows.FieldByName("NRMESADSCOMORIT");
  mdx::TField& code = rows.FieldByName("CDPRODUTO");
  mdx::TField& name = rows.FieldByName("NMPRODUTO");
  mdx::TField& quantity = rows.FieldByName("QTPRODCOMVEN");
  mdx::TField& price = rows.FieldByName("VRPRECCOMVEN");

  reports::OpenReport(scheme, false);
  reports::PrintOrClose(
      [&] {
        Line(scheme, "Data Emiss\xE3o: " + mdx::FormatDateTime("dd/mm/yyyy hh:nn:ss", mdx::Now()) + "\n");
        // The two numbers are compared as a pair: joined, table 1 from 23
        // and table 12 from 3 would read as one group.
        AnsiString lastDestination;
        AnsiString lastOrigin;
        bool first = true;
        for (rows.First(); !rows.Eof(); rows.Next()) {
          const AnsiString to = destination.AsString();
          const AnsiString from = origin.AsString();
          if (first || to != lastDestination || from != lastOrigin) {
            if (!first) Line(scheme, "\n");
            Line(scheme, "Mes Origem: " + from + " -> Mesa Destino: " + to + "\n");
            Line(scheme, "C\xF3" "digo  -  Nome Produto   -    Qtde. -  Vr Unit.\n");
          }
          first = false;
          lastDestination = to;
          lastOrigin = from;
          const AnsiString item =
              TamFixo(code.AsString() + " " + name.AsString(), 19) + " " + reports::Fixed(quantity.AsFloat(), 2);
          Line(scheme, TamFixo(item, 37) + " " + reports::AmountRight(price.AsFloat(), 10) + "\n");
        }
        Line(scheme, "\n");
      },
      [&] { reports::CloseReport(scheme, true); });
  reports::CloseReport(scheme, true);
}

}  // namespace Mdx00200
