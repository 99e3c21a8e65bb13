// Extrato: a statement printed in the open report or receipt, in chunks of
// whole lines.
#include "mdx00200/credit.h"
#include "mdx00200/tables.h"

namespace Mdx00200 {

namespace {

constexpr size_t kChunk = 500;

}  // namespace

bool Extrato(const AnsiString& statement, const AnsiString& scheme) {
  bool accepted = true;
  size_t next = 0;
  while (next < statement.size()) {
    AnsiString chunk;
    while (chunk.size() < kChunk && next < statement.size()) {
      const size_t lf = statement.find('\n', next);
      const size_t end = lf == AnsiString::npos ? statement.size() : lf + 1;
      chunk += statement.substr(next, end - next);
      next = end;
    }
    accepted = Usa_CompNFis(scheme, chunk) && accepted;
  }
  return accepted;
}

}  // namespace Mdx00200
