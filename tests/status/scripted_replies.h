// ScriptedReplies: answers chosen commands with replies written by the test
// and passes every other frame on to the serial substitute, so the virtual
// printer still answers the rest. Tests use it for register contents the
// virtual printer does not give on demand: blank or chosen fields, a block
// that is not complete at first.
//
//   ScriptedReplies script(Package());   // the package's send entry, until the end of scope
//   script.Answer("271", {Register1("150124", "00000000001234567")});
//
// A command is the frame after ESC "." without its final "}" ("271", "28").
// Its replies are used in order and the last one is repeated.
//
// The reply builders fill every position they do not set with "0", so the
// fields the package reads are exactly the ones a test chose.
#pragma once

#include <cstring>
#include <map>
#include <vector>

#include "mdx00200/export.h"
#include "support/loaded_package.h"

namespace mdx::test {

class ScriptedReplies {
 public:
  explicit ScriptedReplies(const LoadedPackage& package)
      : entry_(package.Global<void*>("SwedaEnviaComando")),
        substitute_(reinterpret_cast<SendEntry>(package.SerialSymbol("EnviaComando"))) {
    active_ = this;
    entry_ = reinterpret_cast<void*>(&Send);
  }
  ~ScriptedReplies() {
    entry_ = reinterpret_cast<void*>(substitute_);
    active_ = nullptr;
  }
  ScriptedReplies(const ScriptedReplies&) = delete;
  ScriptedReplies& operator=(const ScriptedReplies&) = delete;

  void Answer(const AnsiString& command, std::vector<AnsiString> replies) {
    scripts_[command] = std::move(replies);
  }

 private:
  using SendEntry = int(MDX_STDCALL*)(const char*, unsigned char*);

  static int MDX_STDCALL Send(const char* frame, unsigned char* reply) {
    AnsiString command(frame);
    if (command.size() >= 3 && command.compare(0, 2, "\x1B.") == 0 && command.back() == '}') {
      command = command.substr(2, command.size() - 3);
    }
    auto found = active_->scripts_.find(command);
    if (found == active_->scripts_.end() || found->second.empty()) {
      return active_->substitute_(frame, reply);
    }
    std::vector<AnsiString>& queue = found->second;
    const AnsiString text = queue.front().substr(0, 255);
    if (queue.size() > 1) queue.erase(queue.begin());
    reply[0] = static_cast<unsigned char>(text.size());
    std::memcpy(reply + 1, text.data(), text.size());
    if (text.size() < 255) reply[1 + text.size()] = 0;
    return 1;
  }

  inline static ScriptedReplies* active_ = nullptr;
  void*& entry_;
  SendEntry substitute_;
  std::map<AnsiString, std::vector<AnsiString>> scripts_;
};

// `text` written over `reply` from 1-based position `at`.
inline AnsiString Put(AnsiString reply, int at, const AnsiString& text) {
  reply.replace(static_cast<size_t>(at - 1), text.size(), text);
  return reply;
}

// Register 1: "+C" when complete (else "+0"), echo "1" at 7, the movement
// date at 8-13 and the grand total at 20-36; 120 characters.
inline AnsiString Register1(const AnsiString& date, const AnsiString& total = "00000000000000000",
                            bool complete = true) {
  AnsiString reply = Put(AnsiString(120, '0'), 1, complete ? ".+C0001" : ".+00001");
  return Put(Put(reply, 8, date), 20, total);
}

// Register 3: the ECF number at 4-6 (inside the status code), the echo at 7,
// the serial number at 13-21; 108 characters.
inline AnsiString Register3(const AnsiString& ecf, const AnsiString& serial, char echo = '3') {
  AnsiString reply = Put(AnsiString(108, '0'), 1, ".+C" + ecf + AnsiString(1, echo));
  return Put(reply, 13, serial);
}

// Register H: the counter at 61-66 and the coupon number at 73-78; 78
// characters.
inline AnsiString RegisterH(const AnsiString& number, const AnsiString& counter,
                            bool complete = true) {
  AnsiString reply = Put(AnsiString(78, '0'), 1, complete ? ".+C000H" : ".+0000H");
  return Put(Put(reply, 61, counter), 73, number);
}

// "28": the state at 10-17, the flag at 21 and the clock at 47-56; 57
// characters.
inline AnsiString Status28(const AnsiString& state, const AnsiString& flag,
                           const AnsiString& clock) {
  AnsiString reply = Put(AnsiString(57, ' '), 1, ".+0000");
  return Put(Put(Put(reply, 10, state), 21, flag), 47, clock);
}

}  // namespace mdx::test

namespace mdx::test {

// The commands of the debug log's "Comando : " lines, keyed as
// ScriptedReplies keys them ("23", "271").
inline std::vector<AnsiString> SentCommands(const std::vector<AnsiString>& logTexts) {
  const AnsiString prefix = "Comando : \x1B.";
  std::vector<AnsiString> commands;
  for (const AnsiString& line : logTexts) {
    if (line.compare(0, prefix.size(), prefix) != 0 || line.back() != '}') continue;
    commands.push_back(line.substr(prefix.size(), line.size() - prefix.size() - 1));
  }
  return commands;
}

}  // namespace mdx::test
