#include "credit/linked_receipt.h"

#include "channel/status_command.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/status.h"

namespace Mdx00200::credit {

bool NoReceiptFor(double saleAmount) { return !(Consiste::RoundDec(saleAmount, 2) > 0); }

bool PrintLinkedReceipt(const AnsiString& scheme, const AnsiString& position,
                        const std::vector<std::vector<AnsiString>>& texts) {
  if (!channel::SendCommand(scheme, "27", "1", false, true)) return false;
  RetornoImpFiscal(scheme, "", false);
  const AnsiString opening[] = {"00", "0000", position};
  if (!EnviaComando_Sweda(scheme, "19", opening, 2, false, false)) return false;
  for (const std::vector<AnsiString>& params : texts) {
    EnviaComando_Sweda(scheme, "08", params.data(), static_cast<int>(params.size()) - 1, false,
                       false);
  }
  return channel::SendCommand(scheme, "12", true, false);
}

}  // namespace Mdx00200::credit
