// Fault injection: rules that make the printer misbehave on purpose for the
// next commands, so tests and the console can drive the package's error paths.
#pragma once

#include "status_codes.h"
#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

enum class FaultKind {
  kRefuse,         // refused with `status`; the command is not executed
  kBusy,           // ".-P006"; not executed
  kPaperLow,       // executed; an accepted reply carries "P005" (".+P005")
  kPaperOut,       // ".-P005"; not executed
  kOperationOpen,  // ".-E010ERRO-OPERACAO NAO ENCERRADA}"; not executed
  kNoAnswer,       // no reply at all; not executed (the frame was lost)
  kReplyLost,      // executed, but no reply reaches the caller
  kLongReply,      // executed; the reply is padded to `length` characters
};

// `count` value for a rule that never runs out.
inline constexpr int kEveryTime = -1;

struct FaultRule {
  FaultKind kind = FaultKind::kRefuse;
  // The commands it applies to: the start of the frame after ESC ".", e.g.
  // "28", "271" ("27" with "1"), "13S"; empty applies to every frame.
  AnsiString command;
  // How many matching frames it applies to (at least 1), or kEveryTime.
  int count = 1;
  // kRefuse: the 4-character status code of the refusal.
  AnsiString status = kStatusInjected;
  // kLongReply: the reply's length after padding (1 to 65536).
  int length = 300;
};

}  // namespace mdx::emulator
