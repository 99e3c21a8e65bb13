#include "credit/receipt_header.h"

#include "credit/credit_lines.h"
#include "mdx00200/credit.h"
#include "mdx00200/datetime.h"
#include "mdx00200/hostlib.h"
#include "reports/report_format.h"
#include "reports/document_commands.h"

namespace Mdx00200 {

namespace credit {

bool OpenWithHeader(const AnsiString& scheme, const AnsiString& title, const AnsiString& till,
                    bool& opened) {
  opened = reports::OpenReport(scheme, false);
  SwedaVerifRetorno = false;
  const bool accepted = SendWhileAccepted(
      scheme,
      {Spacing(), Line(Consiste::Centraliza(title, 40)), Line(reports::Rule(40)),
       Line(Cut("Caixa: " + till + AnsiString(11, ' ') +
                    mdx::FormatDateTime("dd/mm/yyyy hh:nn", mdx::Now()),
                40)),
       Line(reports::Rule(40))},
      true);
  SwedaVerifRetorno = true;
  return accepted;
}

}  // namespace credit

bool Cabecalho(const AnsiString& scheme, const AnsiString& title, const AnsiString& till,
               const AnsiString& /*extraA*/, const AnsiString& /*extraB*/) {
  bool opened = false;
  return credit::OpenWithHeader(scheme, title, till, opened);
}

}  // namespace Mdx00200
