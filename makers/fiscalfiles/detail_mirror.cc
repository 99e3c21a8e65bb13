#include "fiscalfiles/detail_mirror.h"

#include "fiscalfiles/documents.h"
#include "fiscalfiles/fixed_fields.h"
#include "fiscalfiles/text_header.h"

namespace mdx::fiscalfiles {

AnsiString MirrorText(const Snapshot& snapshot, const Range& range) {
  const emulator::DetailMemory documents = DocumentsInRange(snapshot, range);
  std::vector<AnsiString> lines =
      HeaderLines("ESPELHO DA MEMORIA DE FITA-DETALHE", snapshot, RangeText(range, "COO", 6));
  lines.push_back("DOCUMENTOS: " + std::to_string(documents.size()));
  lines.push_back("");
  for (const emulator::DetailDocument& document : documents) {
    lines.insert(lines.end(), document.lines.begin(), document.lines.end());
  }
  return JoinLines(lines);
}

}  // namespace mdx::fiscalfiles
