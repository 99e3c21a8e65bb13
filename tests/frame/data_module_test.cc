// The data module's datasets: names, persistent fields, stored indexes.
#include <gtest/gtest.h>

#include <map>

#include "mdx00200/data_module.h"
#include "mdx00200/dataset.h"

namespace Mdx00200 {
namespace {

mdx::AnsiString Describe(const mdx::TFieldDefs& defs) {
  mdx::AnsiString out;
  for (const mdx::TFieldDef& def : defs.Items()) {
    if (!out.empty()) out += ",";
    out += def.Name + ":";
    switch (def.DataType) {
      case mdx::ftString: out += "S" + mdx::IntToStr(def.Size); break;
      case mdx::ftFloat: out += "F"; break;
      case mdx::ftDateTime: out += "T"; break;
      default: out += "?"; break;
    }
  }
  return out;
}

TEST(DataModuleTest, DatasetsCarryTheirFieldsInOrder) {
  TdtmSweda200 module;
  struct Case {
    mdx::TClientDataSet* dataSet;
    const char* name;
    const char* fields;
  } cases[] = {
      {module.cdsAliqImpFis, "cdsAliqImpFis", "CDALIQIMPFIS:S10,VRALIQIMPFIS:F,IDALIQIMPFIS:S1"},
      {module.cdsMovFecha, "cdsMovFecha",
       "CDTIPORECE:S3,NMTIPORECE:S40,DTABERCAIX:T,VRFECHAINF:F,VRFECHADIG:F,NRENVELOPE:S6"},
      {module.cdsSangria, "cdsSangria", "CDTIPORECE:S3,NMTIPORECE:S40,VRSANGRIA:F,CDCLIENTE:S21"},
      {module.cdsFormPgtoRedZ, "cdsFormPgtoRedZ",
       "NRECFREDZ:S4,DTREDUCAOZ:T,CDTIPORECE:S3,VRFORMPGTORZ:F,CDTPRECEORIG:S3"},
      {module.cdsAliqProduto, "cdsAliqProduto", "VRPERCSITTRIB:F,VRTOTALALIQ:F,IDTPIMPOSFIS:S20"},
      {module.cdsTeste, "cdsTeste",
       "QTPRODCOMVEN:F,VRPRECCOMVEN:F,CDARVPROD:S20,NMPRODUTO:S50,CDPRODUTO:S10"},
      {module.cdsCheckECF, "cdsCheckECF", ""},
      {module.cdsProdCred, "cdsProdCred", ""},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.dataSet, nullptr) << c.name;
    EXPECT_EQ(c.dataSet->Name(), c.name);
    EXPECT_EQ(Describe(c.dataSet->FieldDefs()), c.fields) << c.name;
    EXPECT_FALSE(c.dataSet->Active()) << c.name;
  }
  // The payment-method groups: cdsRecebAux lacks the last five fields.
  EXPECT_EQ(module.cdsReceb->FieldDefs().Count(), 33);
  EXPECT_EQ(module.cdsTipoRece->FieldDefs().Count(), 33);
  EXPECT_EQ(module.cdsTipoReceAux->FieldDefs().Count(), 33);
  EXPECT_EQ(module.cdsRecebAux->FieldDefs().Count(), 28);
  EXPECT_EQ(module.cdsReceb->FieldDefs()[26].Name, "DSMESSAGEBUT");
  EXPECT_EQ(module.cdsReceb->FieldDefs()[26].Size, 300);
  EXPECT_EQ(module.cdsReducaoZ->FieldDefs().Count(), 27);
  EXPECT_EQ(module.cdsRedzAux01->FieldDefs().Count(), 26);
}

TEST(DataModuleTest, StoredIndexesAndActiveIndex) {
  TdtmSweda200 module;
  struct Case {
    mdx::TClientDataSet* dataSet;
    std::map<mdx::AnsiString, mdx::AnsiString> indexes;
    const char* active;
  } cases[] = {
      {module.cdsAliqImpFis, {{"IdxIdAliqVrAliq", "IDALIQIMPFIS;VRALIQIMPFIS"}}, "IdxIdAliqVrAliq"},
      {module.cdsMovCaixa,
       {{"idxNRORDTROCO", "NRORDTROCO;DTHRINCMOV"}, {"idxDTHRINCMOV", "DTHRINCMOV"}},
       "idxNRORDTROCO"},
      {module.cdsMovCaixaTef,
       {{"idxNRORDTROCO", "NRORDTROCO;DTHRINCMOV"},
        {"idxDTHRINCMOV", "DTHRINCMOV"},
        {"idxIDTIPORECE", "IDTIPORECE"}},
       "idxIDTIPORECE"},
      {module.cdsProdVend,
       {{"IDXCDPRODUTO", "CDPRODUTO"}, {"idxTributacao", "IDTPIMPOSFIS;VRPEALIMPFIS"}},
       ""},
      {module.cdsAliqProduto, {{"idxTributacao", "VRPERCSITTRIB"}}, ""},
      {module.cdsReceb, {}, ""},
  };
  for (const Case& c : cases) {
    std::map<mdx::AnsiString, mdx::AnsiString> indexes;
    for (const mdx::TIndexDef& def : c.dataSet->IndexDefs().Items()) indexes[def.Name] = def.Fields;
    EXPECT_EQ(indexes, c.indexes) << c.dataSet->Name();
    EXPECT_EQ(c.dataSet->IndexName(), c.active) << c.dataSet->Name();
  }
}

TEST(DataModuleTest, EveryDatasetIsThere) {
  TdtmSweda200 module;
  mdx::TClientDataSet* all[] = {
      module.cdsAliqImpFis, module.cdsReceb, module.cdsParcProdutos, module.cdsMovCaixa,
      module.cdsMovCaixaTef, module.cdsRecebAux, module.cdsTipoRece, module.cdsMovFecha,
      module.cdsSangria, module.cdsOperadorSup, module.cdsTipoReceAux, module.cdsMovAbertura,
      module.cdsMovTot, module.cdsRedzAux01, module.cdsFormRedzAux01, module.cdsTotNFisAux01,
      module.cdsImpostoRedzAux01, module.cdsReducaoZ, module.cdsFormPgtoRedZ,
      module.cdsImpostoRedZ, module.cdsTotNFiscRedZ, module.cdsTeste, module.cdsProdVend,
      module.cdsAliqProduto, module.cdsItemsReg, module.cdsProdDeb, module.cdsTipoReceHomolog,
      module.cdsMesaAberMdx, module.cdsProdutoTransf, module.cdsDadosPaf, module.cdsCheckECF,
      module.cdsTipoTroco, module.cdsParametros, module.cdsBuscaNrSerieEcf, module.cdsEmprestimo,
      module.cdsFamiliaSaldo, module.cdsSaldCred, module.cdsArquivosXopMd5, module.cdsProdCred};
  std::map<mdx::AnsiString, int> names;
  for (mdx::TClientDataSet* ds : all) {
    ASSERT_NE(ds, nullptr);
    ++names[ds->Name()];
  }
  EXPECT_EQ(names.size(), 39u);  // 39 distinct datasets, each named after its member
}

TEST(DataModuleTest, ConfigurationDatasetSwitchesItsChangeLogOffWhenOpened) {
  TdtmSweda200 module;
  mdx::TClientDataSet source;
  source.FieldDefs().Add("CDFILIAL", mdx::ftString, 4);
  source.CreateDataSet();
  source.Append();
  source.FieldByName("CDFILIAL").SetAsString("0001");
  source.Post();
  module.cdsCheckECF->SetData(source.Data());
  EXPECT_FALSE(module.cdsCheckECF->LogChanges());
  module.cdsCheckECF->Edit();
  module.cdsCheckECF->FieldByName("CDFILIAL").SetAsString("0002");
  module.cdsCheckECF->Post();
  EXPECT_EQ(module.cdsCheckECF->ChangeCount(), 0);
  // Other datasets keep the platform's default.
  module.cdsSangria->CreateDataSet();
  EXPECT_TRUE(module.cdsSangria->LogChanges());
}

}  // namespace
}  // namespace Mdx00200
