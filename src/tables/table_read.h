// Reading one of the printer's tables: "29" with each piece's sub-code.
#pragma once

#include <span>
#include <vector>

#include "tables/table_replies.h"

namespace Mdx00200::tables {

// When the attempts at a piece pause: one Delay unit before attempt k (1-based)
// when k >= the first piece's `firstPiecePause` (for the first piece) or
// `otherPiecesPause` (for the others). `pumpMessages` lets the host's message
// loop run before every attempt.
struct ReadPacing {
  int firstPiecePause;
  int otherPiecesPause;
  bool pumpMessages;
};

// A pause before every attempt but the first.
inline constexpr ReadPacing kSteadyPacing = {2, 2, false};

struct TableRead {
  // One text per piece, in table order; an unread piece is blanks.
  std::vector<AnsiString> pieces;
  // False when the printer answered some piece with a refusal, or with no
  // answer to it after every attempt.
  bool complete = true;

  AnsiString Joined() const;
};

// Reads the pieces in order. Each is asked for with "29" + its sub-code
// (ownErrorHandling off, busy repeat on) up to 10 times, until a reply
// answers it or the printer refuses.
TableRead ReadTable(const AnsiString& scheme, std::span<const TablePiece> pieces,
                    const ReadPacing& pacing);

}  // namespace Mdx00200::tables
