// ExportRedZ: the data of the coming Z reduction, captured from the printer's
// information registers into the host's four datasets; DadosUltimaRedZ.
#include <exception>

#include "day/z_capture_rows.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"

namespace Mdx00200 {

namespace {

TClientDataSet& Given(TClientDataSet* dataSet, const char* what) {
  if (!dataSet) throw mdx::EDatabaseError(AnsiString("ExportRedZ: no dataset for the ") + what);
  return *dataSet;
}

void CopyInto(TClientDataSet& target, TClientDataSet& source) { target.SetData(source.Data()); }

// The capture ends quietly for the host; the debug log keeps the reason.
void LogFailure(const std::exception& failure) {
  try {
    ImpFisDebug(AnsiString("ERRO!!! ExportRedZ: ") + failure.what());
  } catch (const std::exception&) {
  }
}

}  // namespace

bool ExportRedZ(const AnsiString& /*unused1*/, const AnsiString& scheme,
                const AnsiString& ecfNumber, int /*unused4*/, TClientDataSet* receiptTypes,
                TClientDataSet*& reduction, TClientDataSet*& payments, TClientDataSet*& taxes,
                TClientDataSet*& totalizers) {
  try {
    TdtmSweda200& dm = DataModule();
    TClientDataSet* const hostSets[] = {reduction, payments, taxes, totalizers};
    TClientDataSet* const moduleSets[] = {dm.cdsReducaoZ, dm.cdsFormPgtoRedZ, dm.cdsImpostoRedZ,
                                          dm.cdsTotNFiscRedZ};
    const char* const names[] = {"reduction", "payments", "taxes", "non-fiscal totalizers"};
    CopyInto(*dm.cdsTipoRece, Given(receiptTypes, "receipt types"));
    for (int i = 0; i < 4; ++i) CopyInto(*moduleSets[i], Given(hostSets[i], names[i]));

    const int couponNumber = mdx::StrToInt(Nr_Cupom("", scheme));
    const day::ZRegisters registers = day::ReadZRegisters(scheme);

    // From here on the host gets back whatever was captured.
    bool complete = false;
    try {
      const day::ZRowKeys keys = {scheme, ecfNumber};
      day::CaptureSummary(keys, registers, couponNumber, *dm.cdsReducaoZ);
      day::CapturePayments(keys, registers, *dm.cdsTipoRece, *dm.cdsFormPgtoRedZ);
      day::CaptureTaxes(keys, registers, *dm.cdsAliqImpFis, *dm.cdsImpostoRedZ);
      day::CaptureTotalizers(keys, registers, stLegendasNFiscal, *dm.cdsTotNFiscRedZ);
      complete = true;
    } catch (const std::exception& failure) {
      LogFailure(failure);
    }
    for (int i = 0; i < 4; ++i) CopyInto(*hostSets[i], *moduleSets[i]);
    return complete;
  } catch (const std::exception& failure) {
    LogFailure(failure);
    return false;
  }
}

bool DadosUltimaRedZ(const Variant* /*params*/, int /*highIndex*/, OleVariant& /*result*/,
                     TClientDataSet*& /*dataSet*/) {
  return true;
}

}  // namespace Mdx00200
