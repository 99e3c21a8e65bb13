// CarregaRecebimento: the host's payment methods matched with the printer's
// payment-method table; the missing ones programmed, the positions written.
#include <algorithm>

#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/tables.h"
#include "tables/payment_list.h"
#include "tables/table_read.h"

namespace Mdx00200 {

namespace {

using tables::PaymentEntry;

// The first piece pauses from its second attempt, the others from the eighth;
// the host's message loop runs meanwhile.
constexpr tables::ReadPacing kPaymentPacing = {2, 8, true};
constexpr char kCodedFilter[] = "CDFPIMPFIS IS NOT NULL AND IDTPBUTTON = '5'";

struct MethodTable {
  bool read = false;
  std::vector<PaymentEntry> entries;
};

MethodTable ReadMethods(const AnsiString& scheme) {
  const tables::TableRead read = ReadTable(scheme, tables::kPaymentMethodPieces, kPaymentPacing);
  return {read.complete, tables::SplitPaymentMethods(read.Joined())};
}

bool Holds(const MethodTable& table, const AnsiString& hostName) {
  for (const PaymentEntry& entry : table.entries) {
    if (tables::NamesMethod(entry, hostName)) return true;
  }
  return false;
}

AnsiString Text(const TClientDataSet& data, const char* field) {
  return data.FieldByName(field).AsString();
}

// Moves to the first record of the view whose DSIMPFISCAL the entry names.
bool FindMethod(TClientDataSet& data, const PaymentEntry& entry) {
  for (data.First(); !data.Eof(); data.Next()) {
    if (tables::NamesMethod(entry, Text(data, "DSIMPFISCAL"))) return true;
  }
  return false;
}

bool IsShown(const TClientDataSet& host) {
  const AnsiString shown = mdx::Trim(Text(host, "IDMOSTRARECE"));
  return shown.empty() || shown == "S";
}

// True when the method's change is given in a method of kind "7".
bool ChangeIsMarked(TClientDataSet& changeMethods, const AnsiString& changeCode) {
  if (Consiste::EmptyString(changeCode)) return false;
  if (!changeMethods.Locate("CDTIPORECE", changeCode)) return false;
  return Text(changeMethods, "IDTIPORECE") == "7";
}

void SetPosition(TClientDataSet& data, const AnsiString& position, const AnsiString& emitsVoucher,
                 bool hide) {
  data.Edit();
  data.FieldByName("CDFPIMPFIS").SetAsString(position);
  data.FieldByName("IDEMIVALE").SetAsString(emitsVoucher);
  if (hide) data.FieldByName("IDMOSTRARECE").SetAsString("N");
  data.Post();
}

// The same position on the cdsReceb record of the method `code`, which the
// coded filter may hide.
void CopyPosition(TClientDataSet& receb, const AnsiString& code, const AnsiString& position,
                  const AnsiString& emitsVoucher, bool hide) {
  receb.SetFiltered(false);
  if (receb.Locate("CDTIPORECE", code)) SetPosition(receb, position, emitsVoucher, hide);
  receb.SetFiltered(true);
}

void Publish(const TClientDataSet& host) {
  const AnsiString kind = Text(host, "IDTIPORECE");
  if (kind != "9" && kind != "A") return;
  AnsiString& code = kind == "9" ? CdFormPagCPess : CdFormPagVCons;
  AnsiString& position = kind == "9" ? IdFormPagCPess : IdFormPagVCons;
  AnsiString& name = kind == "9" ? DsFormPagCPess : DsFormPagVCons;
  code = Text(host, "CDTIPORECE");
  position = Text(host, "CDFPIMPFIS");
  name = mdx::Copy(Text(host, "DSIMPFISCAL"), 1, 16);
}

// The shown methods the printer lacks go to the list and leave the host
// dataset for this load. True when there was one.
bool CollectMissing(const AnsiString& scheme, TClientDataSet& host, TClientDataSet& changeMethods,
                    MethodTable& table, AnsiString& list) {
  bool missing = false;
  host.First();
  while (!host.Eof()) {
    const AnsiString hostName = Text(host, "DSIMPFISCAL");
    if (!IsShown(host) || Consiste::EmptyString(hostName) || Holds(table, hostName)) {
      host.Next();
      continue;
    }
    missing = true;
    tables::AddToList(list, mdx::UpperCase(hostName),
                      ChangeIsMarked(changeMethods, Text(host, "CDTIPOTROCO")));
    MethodTable again = ReadMethods(scheme);
    if (again.read) table = again;
    if (Holds(table, hostName)) {
      host.Next();
      continue;
    }
    const int recNo = host.RecNo();
    host.Delete();
    if (recNo > host.RecordCount()) break;  // the last record went
  }
  return missing;
}

// The host methods of list entries the printer did not take leave the host
// dataset (each entry is checked).
void DropRefused(TClientDataSet& host, const MethodTable& table, const AnsiString& list) {
  for (const PaymentEntry& sent : tables::SplitPaymentMethods(list)) {
    bool taken = false;
    for (const PaymentEntry& entry : table.entries) taken = taken || entry.name == sent.name;
    if (!taken && FindMethod(host, sent)) host.Delete();
  }
}

// Gives each host method found in the table its position. A method already
// coded in cdsReceb keeps its code; the others are numbered from
// firstPosition in table order, never below a kept code plus one, so a
// position the host already holds is not handed out again.
void WritePositions(TClientDataSet& host, TClientDataSet& receb, const MethodTable& table,
                    int firstPosition, const AnsiString& emitsVoucher) {
  const AnsiString report = DataModule().msgPadrao.Msg("RelGerencial");
  receb.SetFilter(kCodedFilter);
  receb.SetFiltered(true);
  int n = firstPosition;
  for (const PaymentEntry& entry : table.entries) {
    if (FindMethod(receb, entry)) {
      const AnsiString code = Text(receb, "CDTIPORECE");
      const AnsiString position = Text(receb, "CDFPIMPFIS");
      if (host.Locate("CDTIPORECE", code)) {
        SetPosition(host, position, emitsVoucher, false);
        Publish(host);
      }
      CopyPosition(receb, code, position, emitsVoucher, false);
      n = std::max(n, mdx::StrToIntDef(mdx::Trim(position), 0) + 1);
      continue;
    }
    if (FindMethod(host, entry)) {
      const bool hide = Text(host, "IDTIPORECE") == "B";
      SetPosition(host, tables::Position(n), emitsVoucher, hide);
      CopyPosition(receb, Text(host, "CDTIPORECE"), tables::Position(n), emitsVoucher, hide);
      Publish(host);
    }
    if (tables::NamesMethod(entry, report)) stRelGer = tables::Position(n);
    ++n;
  }
}

// Host methods still without a position take the one of a coded cdsReceb
// method with the same DSIMPFISCAL.
void CopyTwinPositions(TClientDataSet& host, TClientDataSet& receb) {
  for (host.First(); !host.Eof(); host.Next()) {
    const AnsiString hostName = Text(host, "DSIMPFISCAL");
    if (!Consiste::EmptyString(Text(host, "CDFPIMPFIS")) || Consiste::EmptyString(hostName))
      continue;
    if (!receb.Locate("DSIMPFISCAL", hostName)) continue;
    host.Edit();
    host.FieldByName("CDFPIMPFIS").SetAsString(Text(receb, "CDFPIMPFIS"));
    host.FieldByName("IDEMIVALE").SetAsString(Text(receb, "IDEMIVALE"));
    host.Post();
  }
}

// Every field the load reads or writes, checked before anything is sent: a
// field found missing halfway would leave the printer programmed and the
// host dataset half edited.
void CheckFields(const TClientDataSet& host) {
  for (const char* field : {"CDTIPORECE", "DSIMPFISCAL", "CDFPIMPFIS", "IDEMIVALE", "IDTIPORECE",
                            "CDTIPOTROCO", "IDMOSTRARECE", "IDTPBUTTON"}) {
    if (!host.FindField(field)) {
      throw mdx::EDatabaseError(
          AnsiString("CarregaRecebimento: the payment methods have no field '") + field + "'");
    }
  }
}

void ClearPublished() {
  stRelGer.clear();
  CdFormPagCPess.clear();
  IdFormPagCPess.clear();
  DsFormPagCPess.clear();
  CdFormPagVCons.clear();
  IdFormPagVCons.clear();
  DsFormPagVCons.clear();
}

}  // namespace

void CarregaRecebimento(const AnsiString& /*ignored*/, const AnsiString& scheme, int firstPosition,
                        TClientDataSet*& hostDataSet) {
  if (!hostDataSet) {
    throw mdx::EDatabaseError("CarregaRecebimento: no dataset with the payment methods");
  }
  TClientDataSet& host = *hostDataSet;
  CheckFields(host);
  TdtmSweda200& dm = DataModule();
  TClientDataSet& receb = *dm.cdsReceb;
  ClearPublished();

  host.SetFilter("IDTPBUTTON = '5'");
  host.SetFiltered(true);
  dm.cdsTipoTroco->SetData(host.Data());
  receb.SetData(host.Data());
  host.First();

  MethodTable table = ReadMethods(scheme);
  if (table.read) {
    AnsiString list;
    const bool programming = CollectMissing(scheme, host, *dm.cdsTipoTroco, table, list);
    const AnsiString report = dm.msgPadrao.Msg("RelGerencial");
    if (!Holds(table, report)) tables::AddToList(list, report, false);
    // Sent even when empty.
    Config_Forma_Pg(scheme, list, false, false);
    table = ReadMethods(scheme);
    if (table.read) {
      DropRefused(host, table, list);
      WritePositions(host, receb, table, firstPosition, programming ? "S" : "");
      CopyTwinPositions(host, receb);
    }
  }

  host.SetFiltered(false);
  receb.SetFiltered(false);
  host.First();
  receb.First();
  dm.cdsTipoRece->SetData(host.Data());
}

}  // namespace Mdx00200
