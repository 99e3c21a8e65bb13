// The data module: 39 datasets with their persistent fields and stored
// indexes, and the two message catalogues.
#include "frame/data_module.h"

#include "frame/catalogues.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

namespace {

// One dataset: its name, its fields as "NAME:KIND" separated by ";" (S<n>
// text of n characters, F float, T date-time), its indexes as
// "name=FIELD;FIELD" separated by "|", and the active index. Datasets without
// fields get their structure at run time from the data they receive.
struct DataSetDefinition {
  const char* name;
  const char* fields;
  const char* indexes;
  const char* activeIndex;
};

const DataSetDefinition kDataSets[] = {
    {"cdsAliqImpFis", "CDALIQIMPFIS:S10;VRALIQIMPFIS:F;IDALIQIMPFIS:S1", "IdxIdAliqVrAliq=IDALIQIMPFIS;VRALIQIMPFIS", "IdxIdAliqVrAliq"},
    {"cdsReceb", "CDFILIAL:S4;CDTIPORECE:S3;NMTIPORECE:S40;VRTAXAADMI:F;VRMINCARTAO:F;CDTIPOTROCO:S3;NRORDTROCO:S3;IDEMIVALE:S1;IDVALE:S1;IDDEBCLIE:S1;CDFPIMPFIS:S10;IDTIPORECE:S1;CDTPINDICE:S1;IDPERVALOR:S1;CDINDICE:S4;NRCONFTELA:S5;IDTPBUTTON:S1;NRBUTTON:S5;NRPGCONFTELA:S2;IDTPBUTONAUX:S1;NRBUTTONAUX:S5;NRPGCONFTAUX:S2;CDIDENTBUTON:S10;DSBUTTON:S40;NRCOLORTEXT:F;NRCOLORBACK:F;DSMESSAGEBUT:S300;DSIMAGEMBUT:S200;DSIMPFISCAL:S50;CDADMINCART:S20;CDBANCARTCR:S10;IDMOSTRARECE:S1;IDDESABTEF:S1", "", ""},
    {"cdsParcProdutos", "", "", ""},
    {"cdsMovCaixa", "", "idxNRORDTROCO=NRORDTROCO;DTHRINCMOV|idxDTHRINCMOV=DTHRINCMOV", "idxNRORDTROCO"},
    {"cdsMovCaixaTef", "", "idxNRORDTROCO=NRORDTROCO;DTHRINCMOV|idxDTHRINCMOV=DTHRINCMOV|idxIDTIPORECE=IDTIPORECE", "idxIDTIPORECE"},
    {"cdsRecebAux", "CDFILIAL:S4;CDTIPORECE:S3;NMTIPORECE:S40;VRTAXAADMI:F;VRMINCARTAO:F;CDTIPOTROCO:S3;NRORDTROCO:S3;IDEMIVALE:S1;IDVALE:S1;IDDEBCLIE:S1;CDFPIMPFIS:S10;IDTIPORECE:S1;CDTPINDICE:S1;IDPERVALOR:S1;CDINDICE:S4;NRCONFTELA:S5;IDTPBUTTON:S1;NRBUTTON:S5;NRPGCONFTELA:S2;IDTPBUTONAUX:S1;NRBUTTONAUX:S5;NRPGCONFTAUX:S2;CDIDENTBUTON:S10;DSBUTTON:S40;NRCOLORTEXT:F;NRCOLORBACK:F;DSMESSAGEBUT:S300;DSIMAGEMBUT:S200", "", ""},
    {"cdsTipoRece", "CDFILIAL:S4;CDTIPORECE:S3;NMTIPORECE:S40;VRTAXAADMI:F;VRMINCARTAO:F;CDTIPOTROCO:S3;NRORDTROCO:S3;IDEMIVALE:S1;IDVALE:S1;IDDEBCLIE:S1;CDFPIMPFIS:S10;IDTIPORECE:S1;CDTPINDICE:S1;IDPERVALOR:S1;CDINDICE:S4;NRCONFTELA:S5;IDTPBUTTON:S1;NRBUTTON:S5;NRPGCONFTELA:S2;IDTPBUTONAUX:S1;NRBUTTONAUX:S5;NRPGCONFTAUX:S2;CDIDENTBUTON:S10;DSBUTTON:S40;NRCOLORTEXT:F;NRCOLORBACK:F;DSMESSAGEBUT:S300;DSIMAGEMBUT:S200;DSIMPFISCAL:S50;CDADMINCART:S20;CDBANCARTCR:S10;IDMOSTRARECE:S1;IDDESABTEF:S1", "", ""},
    {"cdsMovFecha", "CDTIPORECE:S3;NMTIPORECE:S40;DTABERCAIX:T;VRFECHAINF:F;VRFECHADIG:F;NRENVELOPE:S6", "", ""},
    {"cdsSangria", "CDTIPORECE:S3;NMTIPORECE:S40;VRSANGRIA:F;CDCLIENTE:S21", "", ""},
    {"cdsOperadorSup", "", "", ""},
    {"cdsTipoReceAux", "CDFILIAL:S4;CDTIPORECE:S3;NMTIPORECE:S40;VRTAXAADMI:F;VRMINCARTAO:F;CDTIPOTROCO:S3;NRORDTROCO:S3;IDEMIVALE:S1;IDVALE:S1;IDDEBCLIE:S1;CDFPIMPFIS:S10;IDTIPORECE:S1;CDTPINDICE:S1;IDPERVALOR:S1;CDINDICE:S4;NRCONFTELA:S5;IDTPBUTTON:S1;NRBUTTON:S5;NRPGCONFTELA:S2;IDTPBUTONAUX:S1;NRBUTTONAUX:S5;NRPGCONFTAUX:S2;CDIDENTBUTON:S10;DSBUTTON:S40;NRCOLORTEXT:F;NRCOLORBACK:F;DSMESSAGEBUT:S300;DSIMAGEMBUT:S200;DSIMPFISCAL:S50;CDADMINCART:S20;CDBANCARTCR:S10;IDMOSTRARECE:S1;IDDESABTEF:S1", "", ""},
    {"cdsMovAbertura", "IDTIPOREG:S1;CDTIPORECE:S3;NMTIPORECE:S40;VRSAIDA:F", "", ""},
    {"cdsMovTot", "IDTIPOREG:S1;CDTIPORECE:S3;NMTIPORECE:S40;VRSAIDA:F", "", ""},
    {"cdsRedzAux01", "NRECFREDZ:S4;DTREDUCAOZ:T;NRREINIREDZ:S10;NRREDREDZ:S10;NRLEITREDZ:S10;NRGERCNFREDZ:S10;NRCANCFREDZ:S10;NRPRIMCFREDZ:S10;NRULTCFREDZ:S10;VRGTREDZ:F;VRVENBRUREDZ:F;VRISSREDZ:F;VRTOTCANREDZ:F;VRTOTDESREDZ:F;VRVENLIQREDZ:F;VRTOTACRREDZ:F;VRSTRIBREDZ:F;VRISENCREDZ:F;VRNINCIDREDZ:F;QTTEMLIGREDZ:S6;QTTEMPCFREDZ:S6;QTMEMRESREDZ:F;DSMODMARCAECF:S30;NRUSUARIOMFD:S10;CDMFADICIONAL:S5;DTGRAVSBECF:T", "", ""},
    {"cdsFormRedzAux01", "NRECFREDZ:S4;DTREDUCAOZ:T;CDTIPORECE:S3;VRFORMPGTORZ:F;CDTPRECEORIG:S3", "", ""},
    {"cdsTotNFisAux01", "NRECFREDZ:S4;DTREDUCAOZ:T;NRTOTNFISCRZ:S10;DSTOTNFISCRZ:S50;NRCONTOTNFIS:S10;VRACUTOTNFIS:F", "", ""},
    {"cdsImpostoRedzAux01", "NRECFREDZ:S4;DTREDUCAOZ:T;CDALIQIMPRZ:S10;VRALIQIMPRZ:F;VRBCALCIMPRZ:F;VRIMPOSTORZ:F;IDTPIMPREDZ:S1", "", ""},
    {"cdsReducaoZ", "NRECFREDZ:S4;DTREDUCAOZ:T;NRREINIREDZ:S10;NRREDREDZ:S10;NRLEITREDZ:S10;NRGERCNFREDZ:S10;NRCANCFREDZ:S10;NRPRIMCFREDZ:S10;NRULTCFREDZ:S10;VRGTREDZ:F;VRVENBRUREDZ:F;VRISSREDZ:F;VRTOTCANREDZ:F;VRTOTDESREDZ:F;VRVENLIQREDZ:F;VRTOTACRREDZ:F;VRSTRIBREDZ:F;VRISENCREDZ:F;VRNINCIDREDZ:F;QTTEMLIGREDZ:S6;QTTEMPCFREDZ:S6;QTMEMRESREDZ:F;IDORIGEMREDZ:S3;DSMODMARCAECF:S30;NRUSUARIOMFD:S10;CDMFADICIONAL:S5;DTGRAVSBECF:T", "", ""},
    {"cdsFormPgtoRedZ", "NRECFREDZ:S4;DTREDUCAOZ:T;CDTIPORECE:S3;VRFORMPGTORZ:F;CDTPRECEORIG:S3", "", ""},
    {"cdsImpostoRedZ", "NRECFREDZ:S4;DTREDUCAOZ:T;CDALIQIMPRZ:S10;VRALIQIMPRZ:F;VRBCALCIMPRZ:F;VRIMPOSTORZ:F;IDTPIMPREDZ:S1", "", ""},
    {"cdsTotNFiscRedZ", "NRECFREDZ:S4;DTREDUCAOZ:T;NRTOTNFISCRZ:S10;DSTOTNFISCRZ:S50;NRCONTOTNFIS:S10;VRACUTOTNFIS:F", "", ""},
    {"cdsTeste", "QTPRODCOMVEN:F;VRPRECCOMVEN:F;CDARVPROD:S20;NMPRODUTO:S50;CDPRODUTO:S10", "", ""},
    {"cdsProdVend", "", "IDXCDPRODUTO=CDPRODUTO|idxTributacao=IDTPIMPOSFIS;VRPEALIMPFIS", ""},
    {"cdsAliqProduto", "VRPERCSITTRIB:F;VRTOTALALIQ:F;IDTPIMPOSFIS:S20", "idxTributacao=VRPERCSITTRIB", ""},
    {"cdsItemsReg", "", "", ""},
    {"cdsProdDeb", "", "", ""},
    {"cdsTipoReceHomolog", "", "", ""},
    {"cdsMesaAberMdx", "", "", ""},
    {"cdsProdutoTransf", "", "", ""},
    {"cdsDadosPaf", "", "", ""},
    {"cdsCheckECF", "", "", ""},
    {"cdsTipoTroco", "", "", ""},
    {"cdsParametros", "", "", ""},
    {"cdsBuscaNrSerieEcf", "", "", ""},
    {"cdsEmprestimo", "", "", ""},
    {"cdsFamiliaSaldo", "", "", ""},
    {"cdsSaldCred", "", "", ""},
    {"cdsArquivosXopMd5", "", "", ""},
    {"cdsProdCred", "", "", ""},
};

std::vector<mdx::AnsiString> Split(const mdx::AnsiString& text, char separator) {
  std::vector<mdx::AnsiString> parts;
  if (text.empty()) return parts;
  size_t start = 0;
  for (;;) {
    size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == mdx::AnsiString::npos ? at : at - start));
    if (at == mdx::AnsiString::npos) break;
    start = at + 1;
  }
  return parts;
}

void Define(mdx::TClientDataSet& dataSet, const DataSetDefinition& definition) {
  dataSet.SetName(definition.name);
  for (const mdx::AnsiString& field : Split(definition.fields, ';')) {
    size_t colon = field.find(':');
    mdx::AnsiString name = field.substr(0, colon);
    mdx::AnsiString kind = field.substr(colon + 1);
    if (kind[0] == 'S') {
      dataSet.FieldDefs().Add(name, mdx::ftString, std::stoi(kind.substr(1)));
    } else if (kind[0] == 'F') {
      dataSet.FieldDefs().Add(name, mdx::ftFloat);
    } else {
      dataSet.FieldDefs().Add(name, mdx::ftDateTime);
    }
  }
  for (const mdx::AnsiString& index : Split(definition.indexes, '|')) {
    size_t equals = index.find('=');
    dataSet.IndexDefs().Add(index.substr(0, equals), index.substr(equals + 1));
  }
  if (definition.activeIndex[0] != '\0') dataSet.SetIndexName(definition.activeIndex);
}

}  // namespace

TdtmSweda200::TdtmSweda200() {
  FillMsgPadrao(msgPadrao);
  FillMsgPadrao2(msgPadrao2);
  mdx::TClientDataSet** slots[] = {
      &cdsAliqImpFis,
      &cdsReceb,
      &cdsParcProdutos,
      &cdsMovCaixa,
      &cdsMovCaixaTef,
      &cdsRecebAux,
      &cdsTipoRece,
      &cdsMovFecha,
      &cdsSangria,
      &cdsOperadorSup,
      &cdsTipoReceAux,
      &cdsMovAbertura,
      &cdsMovTot,
      &cdsRedzAux01,
      &cdsFormRedzAux01,
      &cdsTotNFisAux01,
      &cdsImpostoRedzAux01,
      &cdsReducaoZ,
      &cdsFormPgtoRedZ,
      &cdsImpostoRedZ,
      &cdsTotNFiscRedZ,
      &cdsTeste,
      &cdsProdVend,
      &cdsAliqProduto,
      &cdsItemsReg,
      &cdsProdDeb,
      &cdsTipoReceHomolog,
      &cdsMesaAberMdx,
      &cdsProdutoTransf,
      &cdsDadosPaf,
      &cdsCheckECF,
      &cdsTipoTroco,
      &cdsParametros,
      &cdsBuscaNrSerieEcf,
      &cdsEmprestimo,
      &cdsFamiliaSaldo,
      &cdsSaldCred,
      &cdsArquivosXopMd5,
      &cdsProdCred,
  };
  static_assert(sizeof slots / sizeof slots[0] == sizeof kDataSets / sizeof kDataSets[0]);
  for (size_t i = 0; i < sizeof kDataSets / sizeof kDataSets[0]; ++i) {
    owned_.push_back(std::make_unique<mdx::TClientDataSet>());
    Define(*owned_.back(), kDataSets[i]);
    *slots[i] = owned_.back().get();
  }
  cdsCheckECF->SetAfterOpen([this](mdx::TClientDataSet& dataSet) { cdsCheckECFAfterOpen(dataSet); });
}

TdtmSweda200::~TdtmSweda200() = default;

void TdtmSweda200::cdsCheckECFAfterOpen(mdx::TClientDataSet& dataSet) { dataSet.SetLogChanges(false); }

void RecreateFromDesign(mdx::TClientDataSet& dataSet) {
  for (const DataSetDefinition& definition : kDataSets) {
    if (dataSet.Name() != definition.name) continue;
    dataSet.Close();
    dataSet.FieldDefs().Clear();
    dataSet.IndexDefs().Clear();
    Define(dataSet, definition);
    dataSet.CreateDataSet();
    return;
  }
  throw mdx::EDatabaseError(dataSet.Name() + ": not a dataset of the data module");
}

TdtmSweda200& DataModule() {
  if (!dtmSweda200) dtmSweda200 = new TdtmSweda200();
  return *dtmSweda200;
}

}  // namespace Mdx00200
