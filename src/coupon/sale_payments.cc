#include "coupon/sale_payments.h"

#include "frame/data_module.h"
#include "mdx00200/dataset.h"

namespace Mdx00200::coupon {

using mdx::TClientDataSet;

namespace {

// The orders of the closing's walks, by field names: a host's packet may
// carry index definitions of its own, which replace the dataset's.
const char kChangeOrder[] = "NRORDTROCO;DTHRINCMOV";  // idxNRORDTROCO
const char kKindOrder[] = "IDTIPORECE";               // idxIDTIPORECE

bool IsPaidKind(const AnsiString& kind) { return kind == "E" || kind == "T"; }

void CopyRow(const TClientDataSet& from, TClientDataSet& to) {
  to.Insert();
  for (int i = 0; i < from.FieldCount(); ++i) {
    const mdx::TField& field = from.Fields(i);
    if (mdx::TField* target = to.FindField(field.FieldName())) target->SetValue(field.Value());
  }
  to.Post();
}

}  // namespace

void LoadClosingData(const ClosingParams& p) {
  TdtmSweda200& dm = DataModule();
  dm.cdsMovCaixa->Close();
  dm.cdsMovCaixa->SetIndexFieldNames(kChangeOrder);
  dm.cdsMovCaixaTef->Close();
  dm.cdsMovCaixaTef->SetIndexFieldNames(kKindOrder);
  dm.cdsMovCaixa->SetData(p.movements);
  dm.cdsMovCaixa->Open();
  dm.cdsMovCaixaTef->SetData(p.movements);
  dm.cdsMovCaixaTef->Open();
  dm.cdsMovCaixaTef->EmptyDataSet();
  dm.cdsRecebAux->SetData(p.methods);
  dm.cdsRecebAux->Open();
  dm.cdsSaldCred->SetData(p.creditBalances);
  dm.cdsFamiliaSaldo->SetData(p.familyBalances);
  dm.cdsEmprestimo->SetData(p.loans);
}

void CollectPaidMovements(ClosingState& s) {
  TdtmSweda200& dm = DataModule();
  TClientDataSet& moves = *dm.cdsMovCaixa;
  TClientDataSet& paid = *dm.cdsMovCaixaTef;
  for (moves.First(); !moves.Eof(); moves.Next()) {
    const AnsiString kind = moves.FieldByName("IDTIPOMOVIVE").AsString();
    const double amount = moves.FieldByName("VRMOVIVEND").AsFloat();
    if (s.tefInUse && IsPaidKind(kind)) {
      const Variant key = mdx::VarArrayOf({moves.FieldByName("CDTIPORECE").Value(), "E"});
      if (paid.Locate("CDTIPORECE;IDTIPOMOVIVE", key)) {
        paid.Edit();
        mdx::TField& sum = paid.FieldByName("VRMOVIVEND");
        sum.SetAsFloat(sum.AsFloat() + amount);
        paid.Post();
      } else {
        CopyRow(moves, paid);
      }
      s.paymentsTotal += amount;
    } else {
      CopyRow(moves, paid);
      if (kind == "E") s.paymentsTotal += amount;
    }
  }
}

void PlanPayments(ClosingState& s) {
  TdtmSweda200& dm = DataModule();
  TClientDataSet& paid = *dm.cdsMovCaixaTef;
  TClientDataSet& methods = *dm.cdsRecebAux;
  paid.SetIndexFieldNames(kKindOrder);
  for (paid.First(); !paid.Eof(); paid.Next()) {
    if (!IsPaidKind(paid.FieldByName("IDTIPOMOVIVE").AsString())) continue;
    PaymentLine line;
    // A card payment names the method it came from.
    line.method = paid.FieldByName("CDBANCARTCR").AsString().empty()
                      ? paid.FieldByName("CDTIPORECE").AsString()
                      : paid.FieldByName("CDTIPORECEORIG").AsString();
    line.amount = paid.FieldByName("VRMOVIVEND").AsFloat();
    // A method the host did not pass has no printer code of its own: it must
    // not take the code of the method the dataset happens to be on.
    if (methods.Locate("CDTIPORECE", line.method)) {
      line.code = methods.FieldByName("CDFPIMPFIS").AsString();
      line.kind = methods.FieldByName("IDTIPORECE").AsString();
    }
    if (line.code.empty()) line.code = mdx::Copy(line.method, 2, 2);
    if (line.kind == "9" || line.kind == "A") s.creditTotal += line.amount;
    if (line.kind == "8") s.agreementPaid = true;
    s.payments.push_back(line);
  }
  paid.SetIndexFieldNames(kChangeOrder);
  // The voucher is paid with the method the walk left current, and its code
  // falls back as a payment's does.
  if (!methods.IsEmpty()) {
    s.voucherCode = methods.FieldByName("CDFPIMPFIS").AsString();
    if (s.voucherCode.empty()) s.voucherCode = mdx::Copy(methods.FieldByName("CDTIPORECE").AsString(), 2, 2);
  }
}

}  // namespace Mdx00200::coupon
