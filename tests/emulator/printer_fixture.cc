#include "printer_fixture.h"

#include "sale_frames.h"

namespace mdx::emulator::test {

TDateTime PrinterTest::systemNow = 0;

PrinterTest::PrinterTest() {
  systemNow = EncodeDate(2026, 12, 6) + EncodeTime(14, 5, 30, 0);
  printer = CreateVirtualPrinter(Options());
}

PrinterOptions PrinterTest::Options(const AnsiString& stateFile, int tapeWidth) {
  PrinterOptions options;
  options.stateFile = stateFile;
  options.tapeWidth = tapeWidth;
  options.systemClock = &PrinterTest::SystemClock;
  options.warn = [this](const AnsiString& message) { warnings.push_back(message); };
  return options;
}

AnsiString PrinterTest::Send(const AnsiString& body) {
  std::optional<AnsiString> reply = printer->Exchange("\x1b." + body + "}");
  return reply ? *reply : "<no answer>";
}

void PrinterTest::Hold(DocumentKind document) {
  PrinterState state = printer->State();
  state.document = document;
  printer->SetState(state);
}

void PrinterTest::Edit(const std::function<void(PrinterState&)>& change) {
  PrinterState state = printer->State();
  change(state);
  printer->SetState(state);
}

void PrinterTest::OpenPaidCoupon() {
  ASSERT_EQ(Send("17"), ".+0000");
  ASSERT_EQ(Send(ItemFrame("1", 1000, 1000, 1000, "ITEM")), ".+0000");
  ASSERT_EQ(Send(PaymentFrame(1, 1000)), ".+0000");
}

std::vector<AnsiString> PrinterTest::TapeFrom(size_t from) const {
  const std::vector<AnsiString> tape = printer->State().tape;
  if (from >= tape.size()) return {};
  return std::vector<AnsiString>(tape.begin() + static_cast<std::ptrdiff_t>(from), tape.end());
}

AnsiString Field(const AnsiString& reply, int position, int width) {
  return reply.size() >= static_cast<size_t>(position - 1 + width)
             ? reply.substr(static_cast<size_t>(position - 1), static_cast<size_t>(width))
             : "<short reply: " + reply + ">";
}

}  // namespace mdx::emulator::test
