#include "support/package_fixture.h"

#include "mdx00200/platform.h"

namespace mdx::test {

LoadedPackage& PackageTest::Package() {
  static LoadedPackage package;
  return package;
}

void PackageTest::SetUp() {
  Package().ResetGlobals();
  Package().ConnectSerial();
  using PrinterFn = emulator::VirtualPrinter* (*)();
  printer_ = reinterpret_cast<PrinterFn>(Package().SerialSymbol("Sersweda_RestartVirtualPrinter"))();
  ASSERT_NE(printer_, nullptr);
  printer_->ClearFaults();
  auto open = reinterpret_cast<int(MDX_STDCALL*)(int, int)>(Package().SerialSymbol("AbrePorta"));
  ASSERT_EQ(open(1, 0), 1);
}

void PackageTest::TearDown() { printer_->ClearFaults(); }

bool PackageTest::Send(const AnsiString& code, std::vector<AnsiString> params,
                       bool ownErrorHandling, bool repeatWhileBusy) {
  auto send = Package().Op<SendFn>("EnviaComando_Sweda");
  return send("001", code, params.data(), static_cast<int>(params.size()) - 1, ownErrorHandling,
              repeatWhileBusy);
}

std::vector<AnsiString> PackageTest::SentFrames() {
  const AnsiString prefix = "Comando : \x1b";
  std::vector<AnsiString> frames;
  for (const AnsiString& line : LogTexts())
    if (line.compare(0, prefix.size(), prefix) == 0) frames.push_back(line.substr(prefix.size()));
  return frames;
}

AnsiString PackageTest::LogPath() {
  return host_.get().Directory() + "impdebug" + FormatDateTime("MMYY", host_.get().now) + ".txt";
}

std::vector<AnsiString> PackageTest::LogTexts() {
  std::vector<AnsiString> texts;
  if (!platform::FileExists(LogPath())) return texts;
  AnsiString content = platform::ReadFile(LogPath());
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find("\r\n", start);
    if (end == AnsiString::npos) end = content.size();
    AnsiString line = content.substr(start, end - start);
    size_t dash = line.find(" - ");
    texts.push_back(dash == AnsiString::npos ? line : line.substr(dash + 3));
    start = end + 2;
  }
  return texts;
}

void PackageTest::Fault(emulator::FaultKind kind, const AnsiString& command, int count) {
  emulator::FaultRule rule;
  rule.kind = kind;
  rule.command = command;
  rule.count = count;
  printer_->AddFault(rule);
}

}  // namespace mdx::test
