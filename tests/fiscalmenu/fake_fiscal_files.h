// FakeFiscalFiles: stand-ins for the maker's fiscal-file entry points
// (detection, capture, the reproductions), installed into the package's
// globals. Each call is recorded with its arguments and whether the
// package's port was open at that moment; codes come from a script; on
// success the stand-in writes the output file where the real library would.
//
// FiscalFilesTest: PackageTest with the session's entry points in place, the
// fake installed, "\Dados\MenuFiscal\" made in the host directory and the
// clock at 6 December 2026 10:11:12; the four generators by name.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "mdx00200/string_list.h"
#include "mdx00200/variant.h"
#include "support/package_fixture.h"

namespace mdx::test {

struct LibraryCall {
  AnsiString entry;  // "detect", "capture", "mirror", "cotepe", "reading", "convert"
  std::vector<AnsiString> texts;  // the text arguments, in order
  std::vector<int> numbers;       // the number arguments, in order
  bool portOpen = false;          // the package's port, during the call
  bool bufferZeroFilled = false;  // capture: all 512 bytes zero on entry
};

class FakeFiscalFiles {
 public:
  FakeFiscalFiles();
  ~FakeFiscalFiles();
  FakeFiscalFiles(const FakeFiscalFiles&) = delete;
  FakeFiscalFiles& operator=(const FakeFiscalFiles&) = delete;

  // Points the package's fiscal-file globals at the stand-ins (a session
  // start may have put the real library's there), all but those named in
  // `missing`, which are emptied.
  void Install(const LoadedPackage& package);
  // Empties the globals again.
  static void Uninstall(const LoadedPackage& package);

  // The calls with this entry name, in order.
  std::vector<LibraryCall> Calls(const AnsiString& entry) const;
  std::vector<AnsiString> EntrySequence() const;

  // Script. Whether detection on a port finds the printer (default: yes).
  std::function<bool(int port)> finds = [](int) { return true; };
  std::vector<AnsiString> missing;  // globals left empty, as without the library
  bool throwOnDetect = false;
  short captureCodes[3] = {0, 0, 0};  // by kind (1, 2)
  // Codes of the reproduction calls, one per call; 0 once used up.
  std::deque<int> codes;
  // Written to the output file on success; the converted file's first line
  // carries the fabrication number from position 4.
  AnsiString fileText = "conteudo\r\n";
  bool writeFiles = true;

  // Tells whether the package's port is open (set by the fixture).
  std::function<bool()> portProbe = [] { return false; };
  std::vector<LibraryCall> calls;

  // Used by the stand-ins.
  static FakeFiscalFiles* current;
  void Record(LibraryCall call);
  int NextCode();
  void Produce(const AnsiString& file, int code, bool oneIsSuccess);
};

class FiscalFilesTest : public PackageTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  bool Mirror(const std::vector<Variant>& elements);
  bool ElectronicFile(const std::vector<Variant>& elements);
  bool MemoryFile(const std::vector<Variant>& elements);
  bool SalesFiles(const std::vector<Variant>& elements, TStringList*& files);

  // "\Dados\MenuFiscal\" under the host directory, as the platform names it.
  AnsiString MenuFolder();
  // The maker library's work folder "c:\sweda\rfd\" as the platform names it.
  AnsiString WorkFolder();
  // Session starts logged since the test began (the reopening of the port).
  int Reopens();
  // Whether the serial substitute's port is open.
  bool PortOpen();
  // A status command through the package succeeds.
  bool SessionUsable();
  // Closes the port behind the package's back, so its own close fails.
  void ClosePortBeforehand();
  // Opens the port again behind the package's back (after a generator that
  // leaves the session closed).
  void OpenPortAgain();
  struct Shown {
    AnsiString text;
    TTipoMsg kind;
    AnsiString scheme;
    bool operator==(const Shown&) const = default;
  };
  std::vector<Shown> Dialogs();

  FakeFiscalFiles fake_;
};

// The names in a folder, sorted.
std::vector<AnsiString> FolderEntries(const AnsiString& folder);

// Catalogue texts the generators show (Windows-1252).
AnsiString CatalogueText(const char* key);

// 6 December 2026 10:11:12, the fixture's clock.
TDateTime FixtureNow();

}  // namespace mdx::test
