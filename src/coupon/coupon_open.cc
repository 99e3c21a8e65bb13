// AbreCupom: opens the fiscal coupon and hands back its number and counter.
#include "coupon/lost_reply.h"
#include "coupon/sale_dialogs.h"
#include "coupon/sale_record.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

using namespace coupon;

namespace {

struct OpeningRecord {
  AnsiString scheme;
  int tefError = 0;
  AnsiString taxId, name, address, couponNumber, couponCounter, tefMode;
  bool tefInUse = false;
};

OpeningRecord ReadOpeningRecord(const Variant& record) {
  OpeningRecord r;
  r.scheme = RecordText(record, "ESQUEMACOR");
  r.tefError = RecordInteger(record, "INTTEFERRO");
  r.taxId = RecordText(record, "INCLUICPF");
  r.name = RecordText(record, "INCLUINOME");
  r.address = RecordText(record, "INCLUIENDERECO");
  r.couponNumber = RecordText(record, "CUPNR");
  r.couponCounter = RecordText(record, "CONTCUPOM");
  r.tefMode = RecordText(record, "IDUTILTEF");
  r.tefInUse = RecordBool(record, "UTILTEF");
  return r;
}

}  // namespace

bool AbreCupom(Variant& record) {
  OpeningRecord r;
  try {
    r = ReadOpeningRecord(record);
  } catch (const std::exception& e) {
    stMensagemTaa.clear();
    return RefuseBeforeSending(r.scheme, ParameterErrorText("AbreCupom", e));
  }
  stMensagemTaa.clear();

  bool opened = SendSaleCommand(r.scheme, "17", {r.taxId}, boNUtilTaa);
  for (;;) {
    if (opened || !boNUtilTaa) {
      boClieUtil = false;
      break;
    }
    if (!(IsTefMode(r.tefMode) && r.tefInUse)) break;
    const AnsiString failedReply = SwedaRet;
    if (!AskPrintAgain(r.scheme)) return false;
    r.tefError = 1;
    // A lost reply may hide a coupon that opened: sent again, "17" would be
    // refused for the open coupon.
    const LostReply verdict = JudgeFailedOpening(r.scheme, failedReply);
    if (verdict == LostReply::kRan) {
      opened = true;
    } else if (verdict == LostReply::kNotRun) {
      opened = SendSaleCommand(r.scheme, "17", {r.taxId}, boNUtilTaa);
    }
  }

  if (opened) {
    r.couponNumber = Nr_Cupom("", r.scheme);
    ContadorCupomFiscalMFD(r.scheme, r.couponCounter);
  }

  record = mdx::VarArrayOf({
      mdx::VarArrayOf({"INTTEFERRO", r.tefError}),
      mdx::VarArrayOf({"INCLUICPF", r.taxId}),
      mdx::VarArrayOf({"INCLUINOME", r.name}),
      mdx::VarArrayOf({"INCLUIENDERECO", r.address}),
      mdx::VarArrayOf({"CUPNR", r.couponNumber}),
      mdx::VarArrayOf({"CONTCUPOM", r.couponCounter}),
      mdx::VarArrayOf({"MENSAGEMTAA", stMensagemTaa}),
  });
  return opened;
}

}  // namespace Mdx00200
