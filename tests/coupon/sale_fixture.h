// SaleTest: the package and the virtual printer (PackageTest), with what the
// sale tests share: the sale operations resolved by name, parameter records,
// the frames sent, and a scripted printer in front of the virtual one.
//
// The scripted printer is a send entry installed in SwedaEnviaComando. Every
// frame passes through it; frames whose command (the text after ESC ".")
// starts with a scripted prefix get the scripted reply (refusals first, then
// acceptance if asked for), every other frame goes on to the virtual printer
// through the serial substitute. So a test can drive the sale commands the
// virtual printer does not answer itself, and still read the coupon number
// and counters from it.
//
// Header only: the coupon and coupon_unit test areas both use it.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <initializer_list>
#include <vector>

#include "mdx00200/maker_entry_points.h"
#include "mdx00200/platform.h"
#include "mdx00200/variant.h"
#include "support/package_fixture.h"

namespace mdx::test {

using RecordFn = bool (*)(Variant&);

class ScriptedPrinter {
 public:
  struct Rule {
    AnsiString prefix;
    std::deque<AnsiString> replies;  // used first, one per frame
    bool accept = false;             // then ".+0000" (else: the virtual printer)
  };

  static ScriptedPrinter& Instance() {
    static ScriptedPrinter instance;
    return instance;
  }

  void Reset(TSwedaEnviaComando next) {
    next_ = next;
    rules_.clear();
  }
  // Every frame goes on to the virtual printer.
  void ClearRules() { rules_.clear(); }
  // Frames starting with these commands are accepted.
  void Accept(std::initializer_list<const char*> prefixes) {
    for (const char* prefix : prefixes) RuleFor(prefix).accept = true;
  }
  // The next `count` frames of the command get `reply` (".-E090": refused).
  void Answer(const AnsiString& prefix, const AnsiString& reply, int count = 1) {
    for (int i = 0; i < count; ++i) RuleFor(prefix).replies.push_back(reply);
  }
  void Refuse(const AnsiString& prefix, int count = 1) { Answer(prefix, ".-E090", count); }

  static int MDX_STDCALL Send(const char* frame, unsigned char* reply) {
    return Instance().Exchange(frame, reply);
  }

 private:
  Rule& RuleFor(const AnsiString& prefix) {
    for (Rule& rule : rules_)
      if (rule.prefix == prefix) return rule;
    rules_.push_back({prefix, {}, false});
    return rules_.back();
  }

  int Exchange(const char* frame, unsigned char* reply) {
    const AnsiString command = std::strlen(frame) > 2 ? AnsiString(frame + 2) : AnsiString();
    for (Rule& rule : rules_) {
      if (command.compare(0, rule.prefix.size(), rule.prefix) != 0) continue;
      AnsiString text;
      if (!rule.replies.empty()) {
        text = rule.replies.front();
        rule.replies.pop_front();
      } else if (rule.accept) {
        text = ".+0000";
      } else {
        break;
      }
      const size_t size = text.size() < 255 ? text.size() : 255;
      reply[0] = static_cast<unsigned char>(size);
      std::memcpy(reply + 1, text.data(), size);
      if (size < 255) reply[1 + size] = 0;
      return 1;
    }
    return next_ ? next_(frame, reply) : 0;
  }

  TSwedaEnviaComando next_ = nullptr;
  std::vector<Rule> rules_;
};

class SaleTest : public PackageTest {
 protected:
  void SetUp() override {
    PackageTest::SetUp();
    void*& entry = Package().Global<void*>("SwedaEnviaComando");
    Script().Reset(reinterpret_cast<TSwedaEnviaComando>(entry));
    entry = reinterpret_cast<void*>(&ScriptedPrinter::Send);
    ClieUtil() = true;
    Package().Global<bool>("boTotalCV") = false;
  }

  static ScriptedPrinter& Script() { return ScriptedPrinter::Instance(); }

  bool& ClieUtil() { return Package().Global<bool>("boClieUtil"); }

  // The frames the package sent, without ESC, as its debug log shows them.
  std::vector<AnsiString> Frames() {
    std::vector<AnsiString> frames;
    const AnsiString prefix = "Comando : \x1B";
    for (const AnsiString& line : LogTexts()) {
      if (line.compare(0, prefix.size(), prefix) == 0) frames.push_back(line.substr(prefix.size()));
    }
    return frames;
  }
  // Starts a new debug log, so Frames() shows only what follows.
  void ForgetFrames() { platform::RemoveFile(LogPath()); }
  // The frames whose command starts with `command` (".10", ".12N", ...).
  std::vector<AnsiString> FramesOf(const AnsiString& command) {
    std::vector<AnsiString> found;
    for (const AnsiString& frame : Frames())
      if (frame.compare(0, command.size(), command) == 0) found.push_back(frame);
    return found;
  }

  // A parameter record of (name, value) pairs.
  static Variant Record(std::initializer_list<std::pair<const char*, Variant>> pairs) {
    std::vector<Variant> items;
    for (const auto& [name, value] : pairs) items.push_back(VarArrayOf({name, value}));
    return Variant::ArrayOf(items);
  }
  // The names of a record's pairs, in order.
  static std::vector<AnsiString> Names(const Variant& record) {
    std::vector<AnsiString> names;
    for (int i = record.LowBound(); i <= record.HighBound(); ++i) names.push_back(record[i][0].AsString());
    return names;
  }
  // The value of `name` in a record (empty when absent).
  static Variant Value(const Variant& record, const char* name) {
    for (int i = record.LowBound(); i <= record.HighBound(); ++i)
      if (record[i][0].AsString() == name) return record[i][1];
    return Variant();
  }

  bool AbreCupom(Variant& record) { return Package().Op<RecordFn>("AbreCupom")(record); }
  bool VendaItem(Variant& record) { return Package().Op<RecordFn>("VendaItem")(record); }
};

}  // namespace mdx::test
