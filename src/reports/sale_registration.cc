// RegistroVenda: the opening report of a table or tab with its registered
// items, 48 columns, every line ended by LF and sent on its own.
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "reports/document_commands.h"
#include "reports/report_format.h"
#include "reports/report_guard.h"
#include "reports/report_input.h"

namespace Mdx00200 {

namespace {

using Consiste::TamFixo;
using Consiste::TamFixoR;
using reports::Fixed;

bool Line(const AnsiString& scheme, const AnsiString& text) {
  return reports::SendLine(scheme, text, true);
}

}  // namespace

bool RegistroVenda(const AnsiString& /*unused1*/, const AnsiString& /*unused2*/,
                   const AnsiString& scheme, TClientDataSet* items, const AnsiString& number) {
  TdtmSweda200& module = DataModule();
  const Kor_msg::TMessages& m = module.msgPadrao;
  TClientDataSet& rows = *module.cdsItemsReg;
  reports::CopyDataSet(rows, items, "RegistroVenda");
  mdx::TField& code = rows.FieldByName("CDPROD");
  mdx::TField& name = rows.FieldByName("NMPROD");
  mdx::TField& quantity = rows.FieldByName("STQTDE");
  mdx::TField& value = rows.FieldByName("STVALOR");

  reports::OpenReport(scheme, true);
  Consiste::Delay(1);
  const AnsiString rule = reports::Rule(48) + "\n";
  reports::PrintOrClose(
      [&] {
        Line(scheme, AnsiString(48, ' ') + "\n");
        // A table number has four characters; anything else is a tab.
        if (number.size() == 4) {
          Line(scheme, "       Relat\xF3rio de abertura da mesa " + number + "\n");
        } else {
          Line(scheme, "   Relat\xF3rio de abertura da comanda " + number + "\n");
        }
        Line(scheme, rule);
        Line(scheme, AnsiString(15, ' ') + m.Msg("RegVen") + "\n");
        Line(scheme, rule);
        Line(scheme, TamFixo(m.Msg("Codigo"), 11) + TamFixo(m.Msg("Nome"), 4) + "\n" +
                         TamFixoR(m.Msg("Qtde_"), 4) + TamFixoR(m.Msg("VrUnit"), 12) +
                         TamFixoR(m.Msg("Valor2"), 32) + "\n");
        Line(scheme, rule);
        for (rows.First(); !rows.Eof(); rows.Next()) {
          const double q = quantity.AsFloat();
          const double v = value.AsFloat();
          Line(scheme, "");
          Line(scheme, code.AsString() + " " + name.AsString() + "\n");
          Line(scheme, Fixed(q, 2) + "   X " + Fixed(v, 2) + "     " + reports::AmountRight(v * q, 29) +
                           "\n");
        }
        Line(scheme, AnsiString(48, ' ') + "\n");
        Line(scheme, rule);
        Line(scheme, reports::ContactLine());
      },
      [&] { reports::CloseReport(scheme, true); });
  reports::CloseReport(scheme, true);
  return true;
}

}  // namespace Mdx00200
