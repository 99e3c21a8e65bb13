#include "fiscalfiles/text_header.h"

#include "fiscalfiles/fabrication_number.h"
#include "fiscalfiles/fixed_fields.h"

namespace mdx::fiscalfiles {

std::vector<AnsiString> HeaderLines(const AnsiString& title, const Snapshot& snapshot,
                                    const AnsiString& rangeText) {
  const emulator::PrinterState& state = snapshot.state;
  return {
      title,
      "FAB: " + FabricationNumber(state.serialNumber),
      "SERIE: " + state.serialNumber + "  ECF: " + Digits(state.ecfNumber, 3),
      "PERIODO: " + rangeText,
      "CAPTURA: " + DateTimeText(snapshot.taken),
  };
}

}  // namespace mdx::fiscalfiles
