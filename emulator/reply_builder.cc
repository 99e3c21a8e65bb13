#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {
constexpr size_t kHeaderLength = 6;  // "." sign status
}

ReplyBuilder::ReplyBuilder(bool accepted, std::string_view status) : text_(kHeaderLength, ' ') {
  text_[0] = '.';
  text_[1] = accepted ? '+' : '-';
  for (size_t i = 0; i < 4 && i < status.size(); ++i) text_[2 + i] = status[i];
}

ReplyBuilder& ReplyBuilder::Put(int position, std::string_view text) {
  if (position < kFirstFieldPosition) position = kFirstFieldPosition;
  const size_t start = static_cast<size_t>(position - 1);
  if (text_.size() < start + text.size()) text_.resize(start + text.size(), ' ');
  text_.replace(start, text.size(), text);
  return *this;
}

AnsiString Accepted(std::string_view status) { return ReplyBuilder(true, status).Text(); }

AnsiString Refused(std::string_view status) { return ReplyBuilder(false, status).Text(); }

AnsiString RefusedDocumentOpen() {
  return ReplyBuilder(false, kStatusDocumentOpen)
      .Put(kFirstFieldPosition, kOperationOpenText)
      .Text();
}

ReplyBuilder CompleteBlock(int ecfNumber, char echo, int length) {
  ReplyBuilder block(true, "C" + ZeroFilled(ecfNumber, 3));
  block.Put(kFirstFieldPosition, std::string_view(&echo, 1));
  const int zeros = length - kFirstFieldPosition;
  if (zeros > 0) block.Put(kFirstFieldPosition + 1, AnsiString(static_cast<size_t>(zeros), '0'));
  return block;
}

AnsiString ZeroFilled(long long value, int width) {
  AnsiString digits = std::to_string(value < 0 ? -value : value);
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  if (digits.size() > w) return digits.substr(digits.size() - w);
  return AnsiString(w - digits.size(), '0') + digits;
}

bool IsAccepted(std::string_view reply) { return reply.size() >= 2 && reply[1] == '+'; }

void ReplaceStatus(AnsiString& reply, std::string_view status) {
  if (reply.size() < kHeaderLength || status.size() != 4) return;
  reply.replace(2, 4, status);
}

void WarnPaperLow(AnsiString& reply) {
  if (!IsAccepted(reply) || (reply.size() >= 3 && reply[2] == 'C')) return;
  ReplaceStatus(reply, kStatusPaper);
}

}  // namespace mdx::emulator
