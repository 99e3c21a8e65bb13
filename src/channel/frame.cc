#include "channel/frame.h"

namespace Mdx00200::channel {

using mdx::AnsiString;

AnsiString WireCode(const AnsiString& code) {
  if (code == "12SN") return "12N";
  if (code == "_25" || code == "99") return "25";
  if (code == "98") return "27";
  if (code == "11") return "1151";
  return code;
}

bool CarriesLineEnds(const AnsiString& code) { return code == "08" || code == "12SN"; }

AnsiString BuildFrame(const AnsiString& code, const AnsiString* params, int lastIndex) {
  const bool lineEnds = CarriesLineEnds(code);
  AnsiString frame = "\x1B.";
  frame += WireCode(code);
  for (int i = 0; params && i <= lastIndex; ++i) {
    for (char c : params[i]) {
      const auto byte = static_cast<unsigned char>(c);
      const bool lineEnd = c == '\n' || c == '\r';
      const bool control = byte < 0x20 || byte == 0x7F;
      frame += control && !(lineEnd && lineEnds) ? ' ' : c;
    }
  }
  frame += '}';
  return frame;
}

bool IsAccepted(const AnsiString& reply) {
  return reply.size() >= 2 && reply[0] == '.' && reply[1] == '+';
}

bool IsBusy(const AnsiString& reply) {
  return reply.size() >= 6 && reply.compare(1, 5, "-P006") == 0;
}

bool IsPaperCode(const AnsiString& reply) {
  // Only a well-formed reply (".+" or ".-") carries a status code: a garbled
  // one is a refusal whatever its later bytes say.
  return reply.size() >= 6 && reply[0] == '.' && (reply[1] == '+' || reply[1] == '-') &&
         reply[2] == 'P' && reply[5] == '5';
}

bool IsOperationLeftOpen(const AnsiString& reply) {
  return reply.size() > 6 && reply.compare(6, AnsiString::npos, "ERRO-OPERACAO NAO ENCERRADA}") == 0;
}

}  // namespace Mdx00200::channel
