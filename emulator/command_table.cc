#include "emulator/command_table.h"

#include "emulator/cheque_commands.h"
#include "emulator/coupon_closing.h"
#include "emulator/coupon_commands.h"
#include "emulator/day_reports.h"
#include "emulator/device_commands.h"
#include "emulator/document_commands.h"
#include "emulator/item_cancelling.h"
#include "emulator/memory_reports.h"
#include "emulator/receipt_commands.h"
#include "emulator/receipt_reversal.h"
#include "emulator/register_commands.h"
#include "emulator/status_commands.h"
#include "emulator/table_commands.h"

namespace mdx::emulator {

namespace {

constexpr CommandSpec kCommands[] = {
    {"01", true, RegisterItem},
    {"02", true, ItemDiscount},
    {"03", true, SubtotalDiscount},
    {"04", true, CancelItem},
    {"05", true, CancelCoupon},
    {"07", true, RegisterReceiptAmount},
    {"08", true, PrintDocumentText},
    {"10", true, RegisterPayment},
    {"11", true, SubtotalSurcharge},
    {"12", true, CloseDocument},
    {"13", true, OpenReport},
    {"14", true, ZReduction},
    {"15", true, MemoryByNumber},
    {"16", true, MemoryByDate},
    {"17", true, OpenCoupon},
    {"19", true, OpenReceipt},
    {"21", false, OpenDrawer},
    {"22", false, DrawerState},
    {"23", false, PlainStatus},
    {"25", false, EndCheque},
    {"27", false, ReadRegister},
    {"28", false, DetailedStatus},
    {"29", false, ReadTable},
    {"36", false, SwitchSummerTime},
    {"38", false, NameTotalizers},
    {"39", false, ProgramPaymentMethods},
    {"44", true, ChequeData},
    {"45", false, ChequeChange},
    {"46", false, ChequeFormat},
    {"53", true, ReverseReceipt},
    {"60", true, ItemSurcharge},
    {"62", true, CutPaper},
};

}  // namespace

const CommandSpec* FindCommand(std::string_view code) {
  for (const CommandSpec& command : kCommands) {
    if (code == command.code) return &command;
  }
  return nullptr;
}

}  // namespace mdx::emulator
