// TablesTest: the package and the virtual printer (PackageTest), plus what
// the table tests share: the loaders resolved by name, host datasets of
// payment methods, the frames sent, and the table globals.
#pragma once

#include <memory>
#include <vector>

#include "mdx00200/dataset.h"
#include "support/package_fixture.h"

namespace mdx::test {

using AliquotaFn = void (*)(const AnsiString&, TClientDataSet*&);
using RecebimentoFn = void (*)(const AnsiString&, const AnsiString&, int, TClientDataSet*&);
using TotalizadorFn = void (*)(AnsiString&, AnsiString&, AnsiString&, AnsiString&, AnsiString&,
                               const AnsiString&, int, TClientDataSet*&);

// One payment method of the host, as its receipt-type dataset holds it.
struct HostMethod {
  AnsiString code = "";      // CDTIPORECE
  AnsiString name = "";      // DSIMPFISCAL
  AnsiString kind = "";      // IDTIPORECE
  AnsiString change = "";    // CDTIPOTROCO
  AnsiString shown = "";     // IDMOSTRARECE
  AnsiString button = "5";   // IDTPBUTTON
  AnsiString position = "";  // CDFPIMPFIS
};

// What a load left on one host method.
struct MethodRow {
  AnsiString code, position, emitsVoucher, shown;
  bool operator==(const MethodRow&) const = default;
};

// The outputs of CarregaTotalizador and the globals it sets.
struct TotalizerResult {
  AnsiString cv, consumerCard, creditBuy, creditCancel, spare;
  AnsiString supply, withdrawal, cashGroup, otherGroup;
  bool voucherAdds = false;
  bool operator==(const TotalizerResult&) const = default;
};

class TablesTest : public PackageTest {
 protected:
  void SetUp() override;

  // The frames sent since the test began, without the leading ESC.
  std::vector<AnsiString> Frames();
  // How many of them start with `start` (".29", ".39}", ...).
  int CountFrames(const AnsiString& start);

  // A host dataset with the cdsReceb fields the loader uses.
  static std::unique_ptr<TClientDataSet> HostMethods(const std::vector<HostMethod>& methods);
  // Every record of the dataset (unfiltered), in its order.
  static std::vector<MethodRow> Rows(TClientDataSet& host);

  // Changes the printer's state through `change`.
  template <typename Change>
  void ChangePrinter(Change change) {
    emulator::PrinterState state = Printer().State();
    change(state);
    Printer().SetState(state);
  }

  void LoadRates(TClientDataSet& host);
  void LoadMethods(TClientDataSet& host, int firstPosition = 1);
  TotalizerResult LoadTotalizers();

  AnsiString& Text(const char* global) { return Package().Global<AnsiString>(global); }
};

}  // namespace mdx::test
