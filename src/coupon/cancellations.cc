// Cancellations: the last item, an item by number, the whole coupon (which
// refreshes the grand total of the configuration file).
#include <exception>

#include "channel/status_command.h"
#include "coupon/sale_dialogs.h"
#include "day/pending_total.h"
#include "mdx00200/exceptions.h"

namespace Mdx00200 {

using namespace coupon;

bool Cancela_UltimoItem(const AnsiString& scheme) {
  return channel::SendCommand(scheme, "04", true, false);
}

bool Cancela_ItGenerico(const AnsiString& scheme, const AnsiString& item, const WideString&,
                        const WideString&, const WideString&, const WideString&,
                        const WideString&, const WideString&, const WideString&, double,
                        double) {
  return channel::SendCommand(scheme, "04", item, true, false);
}

namespace {

constexpr int kLastCancelElement = 6;

struct CancelList {
  AnsiString scheme;
  bool ownErrorHandling = false;
  bool repeatWhileBusy = false;
  AnsiString branch, till, serialNumber;
};

CancelList ReadCancelList(const Variant* params, int highIndex, const OleVariant& result) {
  if (params == nullptr || highIndex < kLastCancelElement) {
    throw mdx::Exception("a lista tem " + mdx::IntToStr(params == nullptr ? 0 : highIndex + 1) +
                         " elementos, espera-se 7");
  }
  if (!result.IsArray() || result.LowBound() > 0 || result.HighBound() < 0) {
    throw mdx::Exception("o resultado n\xE3o tem a c\xE9lula 0");
  }
  CancelList list;
  list.scheme = params[0].AsString();
  list.ownErrorHandling = params[1].AsBoolean();
  list.repeatWhileBusy = params[2].AsBoolean();
  list.branch = params[4].AsString();
  list.till = params[5].AsString();
  list.serialNumber = params[6].AsString();
  return list;
}

Variant Pair(const char* name, const Variant& value) { return mdx::VarArrayOf({name, value}); }

}  // namespace

bool Cancela_Cupom_Imp(const Variant* params, int highIndex, OleVariant& result) {
  CancelList list;
  try {
    list = ReadCancelList(params, highIndex, result);
  } catch (const std::exception& e) {
    return RefuseBeforeSending(list.scheme, ParameterErrorText("Cancela_Cupom_Imp", e));
  }

  const AnsiString couponNumber = RetornoImpFiscal(list.scheme, "27", false);
  result[0] = couponNumber;
  if (couponNumber.empty()) return false;

  grandtotal::RecordPending();
  const bool cancelled =
      channel::SendCommand(list.scheme, "05", list.ownErrorHandling, list.repeatWhileBusy);
  // The printer's grand total moved with the cancellation.
  Atu_TotGeral(mdx::VarArrayOf({Pair("CDFILIAL", list.branch), Pair("CDCAIXA", list.till),
                                Pair("NRSERIEIMP", list.serialNumber),
                                Pair("ESQUEMACOR", list.scheme), Pair("IDVALIDA", "N")}));
  return cancelled;
}

}  // namespace Mdx00200
