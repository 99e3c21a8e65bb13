// Report text: the block cutting of the free-text reports, the text-block
// buffer stAuxTextoMdx200 and imprimeBlocoSweda.
#include "cash/report_text.h"

#include <exception>

#include "channel/status_command.h"
#include "mdx00200/host_services.h"

namespace Mdx00200::cash {

std::vector<AnsiString> CutReportBlocks(const AnsiString& text) {
  std::vector<AnsiString> blocks;
  // The rest of the text holds LF CR while it starts at or before the last
  // one; knowing where that is keeps the cutting a single pass.
  const size_t lastLineEnd = text.rfind("\n\r");
  size_t blockStart = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    if (lastLineEnd != AnsiString::npos && pos <= lastLineEnd) {
      pos = text.find('\n', pos) + 1;  // an LF exists: the one of the last LF CR
    } else {
      pos = text.size();
    }
    if (pos - blockStart >= kMinimumBlock || pos == text.size()) {
      blocks.push_back(text.substr(blockStart, pos - blockStart));
      blockStart = pos;
    }
  }
  return blocks;
}

bool SendReportText(const AnsiString& scheme, const AnsiString& text) {
  const AnsiString params[] = {"0", text};
  return EnviaComando_Sweda(scheme, "08", params, 1, false, false);
}

void OpenManagementReport(const AnsiString& scheme) {
  channel::SendCommand(scheme, "13", "S", true, false);
}

bool PrintBlocksAndClose(const AnsiString& scheme, const AnsiString& text) {
  for (const AnsiString& block : CutReportBlocks(text)) SendReportText(scheme, block);
  return FechRelatGerenc(scheme, true, false);
}

}  // namespace Mdx00200::cash

namespace Mdx00200 {

void imprimeBlocoSweda(const AnsiString& scheme, const AnsiString& text, bool send) {
  try {
    stAuxTextoMdx200 += mdx::AnsiToWide(text);
    if (!send) {
      stAuxTextoMdx200 += L"\n\r";
      return;
    }
    // Emptied before sending, so a failed send leaves no stale lines for
    // the next report.
    const AnsiString block = mdx::WideToAnsi(stAuxTextoMdx200);
    stAuxTextoMdx200.clear();
    cash::SendReportText(scheme, block);
  } catch (const std::exception& e) {
    mdx::Host().ShowMessage(e.what());
  }
}

}  // namespace Mdx00200
