// DayTest: the package and the virtual printer (PackageTest), with the
// frames read back from the debug log.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "support/package_fixture.h"

namespace mdx::test {

using Text = const AnsiString&;

class DayTest : public PackageTest {
 protected:
  // The frames sent so far, in order, without ESC (".13N}", ...), taken from
  // the "Comando : " lines of the debug log.
  std::vector<AnsiString> SentFrames() {
    const AnsiString prefix = "Comando : \x1b";
    std::vector<AnsiString> frames;
    for (const AnsiString& line : LogTexts())
      if (line.compare(0, prefix.size(), prefix) == 0) frames.push_back(line.substr(prefix.size()));
    return frames;
  }

  template <typename F>
  F Op(const char* name) {
    return Package().Op<F>(name);
  }
};

}  // namespace mdx::test
