// Conferencia and Abertura_Mesa: the bill of a table or tab and the
// table-opening document, one layout of 40 columns with a line per command.
#include <initializer_list>
#include <vector>

#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "reports/document_commands.h"
#include "reports/report_format.h"
#include "reports/report_guard.h"
#include "reports/report_input.h"

namespace Mdx00200 {

namespace {

using Consiste::Centraliza;
using Consiste::TamFixo;
using Consiste::TamFixoR;
using reports::Fixed;
using reports::SendLine;
using reports::SendSpacing;

struct Conference {
  const char* operation;
  AnsiString title;
  const AnsiString& tab;
  const AnsiString& table;
  const AnsiString* waiter;  // nullptr: no waiter line
  const AnsiString& issued;
  double discount;
  double serviceCharge;
  double total;
  double surcharge;
  bool pauses;  // after the open and after the close
};

// The order-item fields, found before the report opens.
struct OrderItemFields {
  explicit OrderItemFields(TClientDataSet& items)
      : code(items.FieldByName("CDARVPROD")),
        name(items.FieldByName("NMPRODUTO")),
        quantity(items.FieldByName("QTPRODCOMVEN")),
        price(items.FieldByName("VRPRECCOMVEN")) {}
  mdx::TField& code;
  mdx::TField& name;
  mdx::TField& quantity;
  mdx::TField& price;
};

bool Line(const AnsiString& scheme, const AnsiString& text) { return SendLine(scheme, text, false); }

// "08" with the column header split over several parameters.
void SendHeader(const AnsiString& scheme, std::initializer_list<AnsiString> parts) {
  const std::vector<AnsiString> params(parts);
  EnviaComando_Sweda(scheme, "08", params.data(), static_cast<int>(params.size()) - 1, false, false);
}

// "<label>: " and the amount right in 28, when the amount is above 0.
void AmountLine(const AnsiString& scheme, const AnsiString& label, double amount) {
  if (amount > 0) Line(scheme, label + ": " + reports::AmountRight(amount, 28));
}

void PrintLines(const AnsiString& scheme, const Conference& c, TClientDataSet& items,
                const OrderItemFields& item, const Kor_msg::TMessages& m) {
  SendSpacing(scheme);
  Line(scheme, reports::Rule());
  SendSpacing(scheme);
  Line(scheme, Centraliza(c.title, 40));
  SendSpacing(scheme);
  Line(scheme, m.Msg("Comanda") + ": " + c.tab);
  Line(scheme, m.Msg("Mesa") + ": " + c.table);
  if (c.waiter) Line(scheme, m.Msg("Garcom") + ": " + *c.waiter);
  Line(scheme, m.Msg("Emissao") + ": " + c.issued);
  Line(scheme, reports::Rule());
  SendHeader(scheme, {"0", TamFixo(m.Msg("Codigo"), 13) + "0", TamFixo(m.Msg("Nome"), 4)});
  SendHeader(scheme, {"0", TamFixoR(m.Msg("Qtde_"), 5) + "0", TamFixoR(m.Msg("VrUnit"), 15) + "0",
                      TamFixoR(m.Msg("Valor2"), 18)});
  SendSpacing(scheme);
  for (items.First(); !items.Eof(); items.Next()) {
    const double quantity = item.quantity.AsFloat();
    const double price = item.price.AsFloat();
    Line(scheme, item.code.AsString() + " " + item.name.AsString());
    Line(scheme, Fixed(quantity, 3) + "   X " + Fixed(price, 2) + "     " +
                     reports::AmountRight(Consiste::Trunc2(price * quantity), 19));
  }
  SendSpacing(scheme);
  AmountLine(scheme, m.Msg("Desconto"), c.discount);
  AmountLine(scheme, m.Msg("Acrescimo"), c.surcharge);
  AmountLine(scheme, m.Msg("Tx_Serv"), c.serviceCharge);
  Line(scheme, reports::Rule());
  Line(scheme, Centraliza(m.Msg("Valor2") + ": " + reports::AmountRight(c.total, 28), 40));
  SendSpacing(scheme);
  Line(scheme, TamFixo(reports::ContactLine(), 40));
}

bool PrintConference(const AnsiString& scheme, const OleVariant& itemsPacket, const Conference& c) {
  TdtmSweda200& module = DataModule();
  TClientDataSet& items = *module.cdsParcProdutos;
  reports::LoadPacket(items, itemsPacket, c.operation);
  const OrderItemFields item(items);

  reports::OpenReport(scheme, true);
  if (c.pauses) Consiste::Delay(1);
  reports::PrintOrClose([&] { PrintLines(scheme, c, items, item, module.msgPadrao); },
                        [&] { reports::CloseReport(scheme, false); });
  reports::CloseReport(scheme, false);
  if (c.pauses) Consiste::Delay(1);
  return true;
}

}  // namespace

bool Conferencia(const AnsiString& scheme, const AnsiString& /*unused2*/,
                 const AnsiString& /*unused3*/, AnsiString& /*unused4*/, const AnsiString& tab,
                 const AnsiString& table, const AnsiString& waiter, const AnsiString& issued,
                 const OleVariant& items, double discount, double /*unused11*/,
                 double /*unused12*/, double serviceCharge, double /*unused14*/, double total,
                 double surcharge) {
  const bool forTable = tab.empty() || tab.compare(0, 3, "RES") == 0;
  const AnsiString title = DataModule().msgPadrao.Msg(forTable ? "Fech_mesa" : "Fech_comanda");
  return PrintConference(scheme, items,
                         {"Conferencia", title, tab, table, &waiter, issued, discount,
                          serviceCharge, total, surcharge, false});
}

bool Abertura_Mesa(const AnsiString& scheme, const AnsiString& tab, const AnsiString& table,
                   const AnsiString& /*unused4*/, const AnsiString& issued, const OleVariant& items,
                   double discount, double /*unused8*/, double /*unused9*/, double serviceCharge,
                   double /*unused11*/, double total, double surcharge) {
  return PrintConference(scheme, items,
                         {"Abertura_Mesa", DataModule().msgPadrao.Msg("Aber_mesa"), tab, table,
                          nullptr, issued, discount, serviceCharge, total, surcharge, true});
}

}  // namespace Mdx00200
