#include "tables/table_read.h"

#include "mdx00200/host_services.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200::tables {

namespace {

constexpr int kAttempts = 10;

AnsiString ReadPiece(const AnsiString& scheme, const TablePiece& piece, int firstPause,
                     bool pumpMessages, bool& answered) {
  const AnsiString subCode(1, piece.subCode);
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    if (pumpMessages) mdx::Host().ProcessMessages();
    if (attempt >= firstPause) Consiste::Delay(1);
    EnviaComando_Sweda(scheme, "29", &subCode, 0, false, true);
    if (EndsAttempts(SwedaRet, piece.subCode)) break;
  }
  answered = AnswersPiece(SwedaRet, piece.subCode);
  return CutPiece(SwedaRet, piece);
}

}  // namespace

AnsiString TableRead::Joined() const {
  AnsiString text;
  for (const AnsiString& piece : pieces) text += piece;
  return text;
}

TableRead ReadTable(const AnsiString& scheme, std::span<const TablePiece> pieces,
                    const ReadPacing& pacing) {
  TableRead read;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const int firstPause = i == 0 ? pacing.firstPiecePause : pacing.otherPiecesPause;
    bool answered = false;
    read.pieces.push_back(ReadPiece(scheme, pieces[i], firstPause, pacing.pumpMessages, answered));
    if (!answered) read.complete = false;
  }
  return read;
}

}  // namespace Mdx00200::tables
