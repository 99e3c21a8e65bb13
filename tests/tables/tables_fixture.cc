#include "tables/tables_fixture.h"

namespace mdx::test {

namespace {

const char* const kTextGlobals[] = {"IdTotParcSang",  "IdTotParcSup",      "IdTotParcOutr",
                                    "IdTotParcES",    "stLegendasNFiscal", "CdFormPagCPess",
                                    "IdFormPagCPess", "DsFormPagCPess",    "CdFormPagVCons",
                                    "IdFormPagVCons", "DsFormPagVCons",    "stRelGer"};

}  // namespace

void TablesTest::SetUp() {
  PackageTest::SetUp();
  // Leftovers of an earlier load that a load must not keep.
  for (const char* name : kTextGlobals) Text(name) = "stale";
  Package().Global<bool>("boTotalCV") = true;
}

std::vector<AnsiString> TablesTest::Frames() {
  std::vector<AnsiString> frames;
  const AnsiString prefix = "Comando : \x1B";
  for (const AnsiString& line : LogTexts()) {
    if (line.compare(0, prefix.size(), prefix) == 0) frames.push_back(line.substr(prefix.size()));
  }
  return frames;
}

int TablesTest::CountFrames(const AnsiString& start) {
  int count = 0;
  for (const AnsiString& frame : Frames()) count += frame.compare(0, start.size(), start) == 0;
  return count;
}

std::unique_ptr<TClientDataSet> TablesTest::HostMethods(const std::vector<HostMethod>& methods) {
  auto host = std::make_unique<TClientDataSet>("cdsHostTipoRece");
  TFieldDefs& defs = host->FieldDefs();
  defs.Add("CDTIPORECE", ftString, 3);
  defs.Add("NMTIPORECE", ftString, 40);
  defs.Add("CDTIPOTROCO", ftString, 3);
  defs.Add("IDEMIVALE", ftString, 1);
  defs.Add("CDFPIMPFIS", ftString, 10);
  defs.Add("IDTIPORECE", ftString, 1);
  defs.Add("IDTPBUTTON", ftString, 1);
  defs.Add("DSIMPFISCAL", ftString, 50);
  defs.Add("IDMOSTRARECE", ftString, 1);
  host->CreateDataSet();
  for (const HostMethod& m : methods) {
    host->Append();
    host->FieldByName("CDTIPORECE").SetAsString(m.code);
    host->FieldByName("NMTIPORECE").SetAsString("Host " + m.name);
    host->FieldByName("CDTIPOTROCO").SetAsString(m.change);
    host->FieldByName("CDFPIMPFIS").SetAsString(m.position);
    host->FieldByName("IDTIPORECE").SetAsString(m.kind);
    host->FieldByName("IDTPBUTTON").SetAsString(m.button);
    host->FieldByName("DSIMPFISCAL").SetAsString(m.name);
    host->FieldByName("IDMOSTRARECE").SetAsString(m.shown);
    host->Post();
  }
  return host;
}

std::vector<MethodRow> TablesTest::Rows(TClientDataSet& host) {
  std::vector<MethodRow> rows;
  host.SetFiltered(false);
  for (host.First(); !host.Eof(); host.Next()) {
    rows.push_back(
        {host.FieldByName("CDTIPORECE").AsString(), host.FieldByName("CDFPIMPFIS").AsString(),
         host.FieldByName("IDEMIVALE").AsString(), host.FieldByName("IDMOSTRARECE").AsString()});
  }
  return rows;
}

void TablesTest::LoadRates(TClientDataSet& host) {
  TClientDataSet* target = &host;
  Package().Op<AliquotaFn>("CarregaAliquota")("001", target);
}

void TablesTest::LoadMethods(TClientDataSet& host, int firstPosition) {
  TClientDataSet* target = &host;
  Package().Op<RecebimentoFn>("CarregaRecebimento")("not used", "001", firstPosition, target);
}

TotalizerResult TablesTest::LoadTotalizers() {
  TotalizerResult r;
  r.cv = r.consumerCard = r.creditBuy = r.creditCancel = r.spare = "stale";
  TClientDataSet* none = nullptr;
  Package().Op<TotalizadorFn>("CarregaTotalizador")(r.cv, r.consumerCard, r.creditBuy,
                                                    r.creditCancel, r.spare, "001", 0, none);
  r.supply = Text("IdTotParcSup");
  r.withdrawal = Text("IdTotParcSang");
  r.cashGroup = Text("IdTotParcES");
  r.otherGroup = Text("IdTotParcOutr");
  r.voucherAdds = Package().Global<bool>("boTotalCV");
  return r;
}

}  // namespace mdx::test
