#include "cash/till_closing_input.h"

#include <initializer_list>

#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"

namespace Mdx00200::cash {

namespace {

[[noreturn]] void Fail(int parameter, const AnsiString& problem) {
  throw mdx::EDatabaseError("GeraReciboSangria: the dataset of parameter " +
                            mdx::IntToStr(parameter) + " " + problem);
}

void Given(const TClientDataSet* ds, int parameter) {
  if (!ds) Fail(parameter, "is missing");
}

void Readable(const TClientDataSet* ds, int parameter, std::initializer_list<const char*> fields) {
  Given(ds, parameter);
  if (!ds->Active()) Fail(parameter, "is not open");
  for (const char* field : fields) {
    if (!ds->FindField(field)) Fail(parameter, AnsiString("has no field ") + field);
  }
}

}  // namespace

void CheckTillClosingInput(const TillClosingSets& s, const TillClosingFlags& flags) {
  const TdtmSweda200& dm = DataModule();
  Readable(s.credit, 15, {"VRCARGACREDITO"});
  Given(s.movementTotals, 12);
  if (!flags.reprint) {
    for (auto [ds, parameter] :
         {std::pair{s.movements, 13}, std::pair{s.closingAmounts, 8}, std::pair{s.withdrawals, 9},
          std::pair{s.operatorSupervisor, 11}, std::pair{s.receiptTypes, 25}}) {
      Given(ds, parameter);
    }
  }
  // What the routine reads: the host's datasets, or in reprint mode what the
  // module kept from the last call.
  const TClientDataSet* amounts = flags.reprint ? dm.cdsMovFecha : s.closingAmounts;
  const TClientDataSet* people = flags.reprint ? dm.cdsOperadorSup : s.operatorSupervisor;
  const TClientDataSet* movements = flags.reprint ? dm.cdsMovAbertura : s.movements;

  if (flags.printReceipt) {
    Readable(amounts, 8,
             {"NRENVELOPE", "NMTIPORECE", flags.typedAmounts ? "VRFECHADIG" : "VRFECHAINF"});
    Readable(people, 11, {"CDSUPERVISOR", "NMSUPERVISOR", "NMOPERADOR"});
  }
  if (flags.typedAmounts) return;  // the routine ends after the receipt
  Readable(s.products, 10, {"VRTOTAL"});
  if (flags.printReceipt) Readable(movements, 13, {"IDTIPOREG", "NMTIPORECE", "VRSAIDA"});
  Readable(s.movementTotals, 12, {"IDTIPOREG", "NMTIPORECE", "VRSAIDA"});
  Readable(s.salesTotals, 14, {"VRTOTAL"});
  if (!flags.reprint) {
    for (int i = 0; i < 4; ++i) Given(s.zSets[i], 20 + i);
  }
}

}  // namespace Mdx00200::cash
