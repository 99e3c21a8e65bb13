// VendaItem: registers one item, then its discount and surcharge.
#include "coupon/item_fields.h"
#include "coupon/lost_reply.h"
#include "coupon/sale_dialogs.h"
#include "coupon/sale_record.h"
#include "frame/data_module.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

using namespace coupon;

namespace {

struct ItemRecord {
  AnsiString scheme;
  int tefError = 0;
  ItemInput item;
  AnsiString tefMode;
  bool tefInUse = false;
};

ItemRecord ReadItemRecord(const Variant& record) {
  ItemRecord r;
  r.scheme = RecordText(record, "ESQUEMACOR");
  r.tefError = RecordInteger(record, "INTTEFERRO");
  r.item.code = RecordText(record, "CDARVPROD");
  r.item.name = RecordText(record, "NMPROD");
  r.item.rate = RecordText(record, "CDALIQ");
  r.item.quantity = RecordReal(record, "QTDE");
  r.item.price = RecordReal(record, "VALOR");
  r.item.discount = RecordReal(record, "DESCONT");
  r.item.unit = RecordText(record, "UNIDADE");
  r.tefMode = RecordText(record, "IDUTILTEF");
  r.tefInUse = RecordBool(record, "UTILTEF");
  r.item.surcharge = RecordReal(record, "ACRESCIMO");
  return r;
}

// "Erro ao imprimir o item: ", code " - " name (20), "Deseja imprimir novamente?"
bool AskItemAgain(const ItemRecord& r) {
  const Kor_msg::TMessages& messages = DataModule().msgPadrao;
  return AskYesNo(r.scheme, messages.Msg("ErroItem") + "\r\n" + r.item.code + " - " +
                                mdx::Copy(r.item.name, 1, 20) + "\r\n" + messages.Msg("Deseja"));
}

// "01" until the printer takes it or the operator gives up. Only a till with
// dialogs asks to send it again, and only then is the register read that
// tells whether a lost reply's item was registered.
bool RegisterItem(ItemRecord& r, const ItemFields& f) {
  GuardedCommand command = PrepareCommand(
      r.scheme, "01", {f.code, f.quantity, f.unitPrice, f.lineTotal, f.description, f.rate},
      boNUtilTaa, boNUtilTaa);
  bool taken = SendGuarded(command);
  while (!taken) {
    if (IsTefMode(r.tefMode) && r.tefInUse && boNUtilTaa) {
      if (!AskPrintAgain(r.scheme)) return false;
      r.tefError = 1;
    } else if (!boNUtilTaa || !AskItemAgain(r)) {
      boClieUtil = false;
      return false;
    }
    taken = SendGuardedAgain(command);
  }
  return true;
}

// "02" or "60" ("0000" + amount) until the printer takes it or the operator
// gives up.
bool AdjustItem(const ItemRecord& r, const AnsiString& code, const AnsiString& amount) {
  GuardedCommand command = PrepareCommand(r.scheme, code, {"0000", amount}, boNUtilTaa, boNUtilTaa);
  bool taken = SendGuarded(command);
  while (!taken) {
    if (!boNUtilTaa || !AskItemAgain(r)) {
      boClieUtil = false;
      return false;
    }
    taken = SendGuardedAgain(command);
  }
  return true;
}

}  // namespace

bool VendaItem(Variant& record) {
  ItemRecord r;
  try {
    r = ReadItemRecord(record);
  } catch (const std::exception& e) {
    stMensagemTaa.clear();
    return RefuseBeforeSending(r.scheme, ParameterErrorText("VendaItem", e));
  }
  stMensagemTaa.clear();

  ItemFields fields;
  const AnsiString misfit = BuildItemFields(r.item, fields);
  if (!misfit.empty()) return RefuseBeforeSending(r.scheme, MisfitText(misfit));

  if (!RegisterItem(r, fields)) return false;
  if (!fields.discount.empty() && !AdjustItem(r, "02", fields.discount)) return false;
  if (!fields.surcharge.empty() && !AdjustItem(r, "60", fields.surcharge)) return false;

  record = mdx::VarArrayOf({
      mdx::VarArrayOf({"INTTEFERRO", r.tefError}),
      mdx::VarArrayOf({"MENSAGEMTAA", stMensagemTaa}),
  });
  return true;
}

}  // namespace Mdx00200
