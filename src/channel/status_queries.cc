// The status and register queries: counters, the printer's date and time,
// the grand total and the movement dates.
#include "channel/reply_fields.h"
#include "channel/status_command.h"
#include "channel/status_dates.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/number_format.h"

namespace Mdx00200 {

using channel::SendCommand;

namespace {

// Register "H", asked up to three times until a complete block or a refusal.
// The reply when the last request was accepted, else "".
AnsiString ReadRegisterH(const AnsiString& scheme) {
  AnsiString reply;
  for (int attempt = 0; attempt < 3; ++attempt) {
    reply = SendCommand(scheme, "27", "H", false, true) ? SwedaRet : AnsiString();
    if (replies::EndsRegisterWait(reply)) break;
  }
  return reply;
}

}  // namespace

AnsiString RetornoImpFiscal(const AnsiString& scheme, const AnsiString& code, bool /*flag*/) {
  AnsiString result = SwedaRet;
  if (code == "27" || code == "98") {
    result = ReadRegisterH(scheme);
    if (!result.empty()) {
      result = code == "27" ? replies::CouponNumber(result) : replies::CouponCounter(result);
    }
  } else if (code == "22") {
    result = replies::DrawerClosed(SwedaRet) ? "00" : "01";
  }
  ImpFisDebug("Retorno da Impressora " + result);
  return result;
}

bool Estado_Imp(const AnsiString& scheme, bool ownErrorHandling, bool repeatWhileBusy) {
  stMensagemTaa.clear();
  boClieUtil = SendCommand(scheme, "23", ownErrorHandling, repeatWhileBusy);
  return boClieUtil;
}

AnsiString Nr_Cupom(const AnsiString& /*ignored*/, const AnsiString& scheme) {
  if (!SendCommand(scheme, "27", "1", true, false)) return AnsiString();
  return RetornoImpFiscal(scheme, "27", false);
}

bool ContadorCupomFiscalMFD(const AnsiString& scheme, AnsiString& counter) {
  if (!SendCommand(scheme, "98", "1", true, false)) return false;
  counter = RetornoImpFiscal(scheme, "98", false);
  return !Consiste::EmptyString(counter);
}

bool Data_Imp(const AnsiString& scheme, AnsiString& dateTime) {
  const bool accepted = SendCommand(scheme, "28", boNUtilTaa || !boClieUtil, true);
  dateTime = replies::PrinterDateTime(SwedaRet);
  return accepted;
}

bool BuscaTotGer(const AnsiString& scheme, AnsiString& total) {
  if (!SendCommand(scheme, "27", "1", false, true)) return false;
  total = mdx::FloatToStr(GetValue(replies::GrandTotal(SwedaRet)));
  return true;
}

TDateTime DataMov(const AnsiString& scheme) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (attempt > 0) SendCommand(scheme, "23", false, false);
    SendCommand(scheme, "27", "1", false, true);
    if (replies::EndsRegisterWait(SwedaRet)) break;
  }
  // "000000" (no movement yet) is no valid date either: today.
  return channel::PrinterDateOrToday(replies::MovementDate(SwedaRet));
}

TDateTime DataMoviFiscal(const AnsiString& scheme) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (attempt > 0) Consiste::Delay(1);
    SendCommand(scheme, "27", "1", true, true);
    if (replies::EndsRegisterWait(SwedaRet)) break;
  }
  AnsiString movement = replies::MovementDate(SwedaRet);
  if (!Consiste::EmptyString(movement)) {
    SendCommand(scheme, "28", false, true);
    const AnsiString printerDate = replies::PrinterDate(SwedaRet);
    const AnsiString flag = replies::ReductionFlag(SwedaRet);
    TDateTime movementValue, printerValue;
    // A day of an earlier date still open: the fiscal date is the printer's.
    if ((flag == "S" || flag == "N") && channel::TryPrinterDate(movement, movementValue) &&
        channel::TryPrinterDate(printerDate, printerValue) && movementValue < printerValue) {
      movement = printerDate;
    }
  }
  return channel::PrinterDateOrToday(movement);
}

}  // namespace Mdx00200
