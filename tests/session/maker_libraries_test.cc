// StartImpFiscal as a till runs it: mdxprobe, the package and the runtime in
// a folder of their own, beside a chosen set of maker libraries, which the
// package finds through the normal search path.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "mdx00200/platform.h"
#include "session/run_program.h"
#include "support/fake_host.h"

namespace mdx::test {
namespace {

namespace fs = std::filesystem;

// A maker library to put in the folder: the build's substitute (variant "")
// or a test-only one from bin/fixture_libs/<variant>/.
struct Maker {
  const char* baseName;
  const char* variant;
};

const Maker kSerial{"SERSWEDA", ""};
const Maker kSerialWithoutClose{"SERSWEDA", "serial_no_close"};
const Maker kFiscalFiles{"swmfd", "fiscal_complete"};
const Maker kFiscalFilesMissingOne{"swmfd", "swmfd_missing_entry"};
const Maker kConversion{"CONVECF", "fiscal_complete"};
const Maker kSignature{"sign_bema", ""};
const Maker kSignatureWithoutValidate{"sign_bema", "sign_partial"};

class MakerLibrariesTest : public ::testing::Test {
 protected:
  // A fresh folder with the probe, the package, its runtime and `makers`.
  AnsiString Prepare(const std::vector<Maker>& makers) {
    const AnsiString bin = platform::ExecutableDirectory();
    const AnsiString folder = host_->Directory() + "till" + IntToStr(++runs_);
    fs::create_directory(fs::path(folder));
    std::vector<AnsiString> files = {platform::LibraryFileName(PackageName()),
                                     RuntimeFile("mdx_runtime"), RuntimeFile("mdx_dataset"),
                                     RuntimeFile("mdx_hostlib")};
#ifdef _WIN32
    files.insert(files.end(), {"mdxprobe.exe", "libstdc++-6.dll", "libgcc_s_dw2-1.dll",
                               "libwinpthread-1.dll"});
#else
    files.push_back("mdxprobe");
#endif
    for (const AnsiString& file : files) Copy(bin + file, folder, file);
    for (const Maker& maker : makers) {
      const AnsiString file = platform::LibraryFileName(maker.baseName);
      const AnsiString from = *maker.variant ? bin + "fixture_libs" + platform::PathDelimiter() +
                                                   maker.variant + platform::PathDelimiter()
                                             : bin;
      Copy(from + file, folder, file);
    }
    return folder;
  }

  // The probe's output as key -> value, run in `folder` with `arguments`.
  std::map<AnsiString, AnsiString> Probe(const AnsiString& folder,
                                         const std::vector<AnsiString>& arguments) {
    const AnsiString output = folder + platform::PathDelimiter() + "probe.txt";
    const int status = RunProgram(folder, "mdxprobe", arguments, output);
    std::map<AnsiString, AnsiString> values;
    EXPECT_EQ(status, 0) << platform::ReadFile(output + ".err");
    if (status != 0) return values;
    AnsiString text = platform::ReadFile(output);
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == AnsiString::npos) end = text.size();
      AnsiString line = TrimRight(text.substr(start, end - start));
      size_t equals = line.find('=');
      if (equals != AnsiString::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
      start = end + 1;
    }
    return values;
  }

  // The session start's outcome for a folder holding `makers`.
  std::map<AnsiString, AnsiString> Run(const std::vector<Maker>& makers,
                                       const AnsiString& port = "COM1") {
    return Probe(Prepare(makers),
                 {"CDFILIAL=0001", "CDCAIXA=001", "NRSERIEIMP=SW0000001", "ESQUEMA=001",
                  "CDPORTAIMPFIS=" + port, "BOUTILTAA=false"});
  }

  static AnsiString PackageName() {
#ifdef _WIN32
    return "Mdx00200";
#else
    return "mdx00200";
#endif
  }
  static AnsiString RuntimeFile(const AnsiString& name) {
#ifdef _WIN32
    return "lib" + name + ".dll";
#else
    return "lib" + name + ".so";
#endif
  }
  static void Copy(const AnsiString& from, const AnsiString& folder, const AnsiString& name) {
    std::error_code error;
    fs::copy_file(fs::path(from), fs::path(folder) / name.c_str(), error);
    ASSERT_FALSE(error) << "cannot copy " << from << ": " << error.message();
  }

  ScopedFakeHost host_;  // for its temporary folder
  int runs_ = 0;
};

TEST_F(MakerLibrariesTest, WhatIsLoadedAndResolvedBySetOfLibraries) {
  struct Case {
    const char* what;
    std::vector<Maker> makers;
    std::map<AnsiString, AnsiString> expected;
  } cases[] = {
      {"no serial library: false, silently",
       {kFiscalFiles, kConversion},
       {{"result", "0"}, {"boImpFiscalOK", "0"}, {"IdPortaImpFis", "0"}, {"handles", "011"},
        {"serial", "000"}, {"fiscal", "00000000"}, {"close", "0"}}},
      {"serial only: the fiscal-file library is optional",
       {kSerial},
       {{"result", "1"}, {"boImpFiscalOK", "1"}, {"IdPortaImpFis", "1"}, {"handles", "100"},
        {"serial", "111"}, {"fiscal", "00000000"}, {"close", "1"}}},
      {"serial without its close entry: entries forgotten, port untouched",
       {kSerialWithoutClose, kFiscalFiles, kConversion},
       {{"result", "1"}, {"boImpFiscalOK", "0"}, {"IdPortaImpFis", "0"}, {"handles", "111"},
        {"serial", "000"}, {"fiscal", "00000000"}, {"close", "0"}}},
      {"every library complete",
       {kSerial, kFiscalFiles, kConversion},
       {{"result", "1"}, {"boImpFiscalOK", "1"}, {"IdPortaImpFis", "1"}, {"handles", "111"},
        {"serial", "111"}, {"fiscal", "11111111"}, {"close", "1"}}},
      // The two entries the session keeps stay; the port was opened.
      {"fiscal-file entry missing",
       {kSerial, kFiscalFilesMissingOne, kConversion},
       {{"result", "1"}, {"boImpFiscalOK", "0"}, {"IdPortaImpFis", "1"}, {"handles", "111"},
        {"serial", "000"}, {"fiscal", "10010000"}, {"close", "0"}}},
      {"conversion library missing",
       {kSerial, kFiscalFiles},
       {{"result", "1"}, {"boImpFiscalOK", "0"}, {"IdPortaImpFis", "1"}, {"handles", "110"},
        {"serial", "000"}, {"fiscal", "10010000"}, {"close", "0"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Run(c.makers), c.expected) << c.what;
}

TEST_F(MakerLibrariesTest, PortThatDoesNotOpenFailsTheStart) {
  std::map<AnsiString, AnsiString> values = Run({kSerial, kFiscalFiles, kConversion}, "COM99");
  EXPECT_EQ(values["result"], "0");
  EXPECT_EQ(values["boImpFiscalOK"], "0");
  EXPECT_EQ(values["serial"], "111");
  EXPECT_EQ(values["fiscal"], "00000000");  // not resolved after a failed open
}

TEST_F(MakerLibrariesTest, SigningNeedsTheWholeSignatureLibrary) {
  const AnsiString content = "COO 000123\r\n";
  struct Case {
    const char* what;
    std::vector<Maker> makers;
    std::map<AnsiString, AnsiString> expected;
    bool signedFile;
  } cases[] = {
      {"no signature library: the file is left as it is",
       {kSerial},
       {{"handle", "0"}, {"signature", "0000"}},
       false},
      // The names found before the missing one keep their values.
      {"a library without validateFile: nothing is called",
       {kSerial, kSignatureWithoutValidate},
       {{"handle", "1"}, {"signature", "1110"}},
       false},
      {"the whole library: signed, and the entries forgotten again",
       {kSerial, kSignature},
       {{"handle", "1"}, {"signature", "0000"}},
       true},
  };
  for (const Case& c : cases) {
    const AnsiString folder = Prepare(c.makers);
    const AnsiString file = folder + platform::PathDelimiter() + "menu.txt";
    platform::WriteFileAtomically(file, content);
    EXPECT_EQ(Probe(folder, {"--sign", file}), c.expected) << c.what;
    const std::string after = platform::ReadFile(file);
    if (c.signedFile) {
      EXPECT_EQ(after.substr(0, content.size()), content) << c.what;
      EXPECT_EQ(after.substr(content.size(), 3), "EAD") << c.what;
    } else {
      EXPECT_EQ(after, content) << c.what;
    }
  }
}

}  // namespace
}  // namespace mdx::test
