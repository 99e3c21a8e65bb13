// Building replies: "." + "+"/"-" + a 4-character status code, then the
// command's fields at fixed 1-based positions from 7 on.
#pragma once

#include <string_view>

#include "emulator/status_codes.h"
#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

inline constexpr int kFirstFieldPosition = 7;

class ReplyBuilder {
 public:
  // `status` must be 4 characters.
  ReplyBuilder(bool accepted, std::string_view status);
  // Writes text from 1-based `position` (7 or more), blank-filling any gap
  // before it and overwriting what was there.
  ReplyBuilder& Put(int position, std::string_view text);
  const AnsiString& Text() const { return text_; }

 private:
  AnsiString text_;
};

// ".+" + status with no fields.
AnsiString Accepted(std::string_view status = kStatusOk);
// ".-" + status with no fields.
AnsiString Refused(std::string_view status);
// ".-E010ERRO-OPERACAO NAO ENCERRADA}".
AnsiString RefusedDocumentOpen();

// A complete information block (an information register or a table read):
// ".+C" + the ECF number in 3 digits at 4-6 + `echo` at 7, then zeros up to
// `length`, for the caller to overwrite with the block's fields.
ReplyBuilder CompleteBlock(int ecfNumber, char echo, int length);

// `value` zero-filled on the left to `width` digits (the last `width`
// digits when it has more).
AnsiString ZeroFilled(long long value, int width);

// True when position 2 of the reply is "+".
bool IsAccepted(std::string_view reply);
// Replaces positions 3-6 of a reply (at least 6 characters) with `status`.
void ReplaceStatus(AnsiString& reply, std::string_view status);
// The paper-low warning: an accepted reply carries "P005" at 3-6. A complete
// information block (".+C") is left as it is: its positions 3-6 hold "C" and
// the ECF number, so it has no room for a status code.
void WarnPaperLow(AnsiString& reply);

}  // namespace mdx::emulator
