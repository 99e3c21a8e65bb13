#include "capi/globals_by_name.h"

#include "json/cds_json.h"
#include "mdx00200/dataset.h"
#include "mdx00200/mdx00200.h"

namespace mdxcapi {

using mdxjson::Json;
using namespace Mdx00200;

namespace {

Json Text(const mdx::AnsiString& text) { return mdx::AnsiToUtf8(text); }

struct Global {
  const char* name;
  Json (*read)();
};

// Library entry points and handles read as whether they are set.
#define MDX_TEXT(name) {#name, [] { return Text(name); }}
#define MDX_BOOL(name) {#name, []() -> Json { return name; }}
#define MDX_SET(name) {#name, []() -> Json { return name != nullptr; }}

const Global kGlobals[] = {
    MDX_SET(dtmSweda200),
    MDX_BOOL(boImpFiscalOK),
    {"Portas",
     [] {
       Json names = Json::array();
       for (const mdx::AnsiString& port : Portas) names.push_back(Text(port));
       return names;
     }},
    {"IdPortaImpFis", []() -> Json { return IdPortaImpFis; }},
    MDX_TEXT(SwedaRet),
    MDX_BOOL(boComando),
    MDX_BOOL(SwedaVerifRetorno),
    MDX_SET(SwedaAbrePorta),
    MDX_SET(SwedaEnviaComando),
    MDX_SET(SwedaFechaPorta),
    MDX_SET(Sweda_ObterParametrosConfiguracao),
    MDX_SET(Sweda_CapturarDispositivo),
    MDX_SET(Sweda_ArquivoEletronicoCOTEPE),
    MDX_SET(Sweda_DetectarECF),
    MDX_SET(SWEDA_ReproduzirLeituraMemoriaFiscal),
    MDX_SET(SWEDA_ReproduzirMemoriaFiscalMFD),
    MDX_SET(SWEDA_ReproduzirFitaDetalhe),
    MDX_SET(SWEDA_ExtrairInformacoesECF),
    MDX_SET(Bematech_setLibType),
    MDX_SET(Bematech_genkkey),
    MDX_SET(Bematech_generateEAD),
    MDX_SET(Bematech_validateFile),
    MDX_SET(ImpFisDLLHandle),
    MDX_SET(SwMfdDLLHandle),
    MDX_SET(CONVECFHandle),
    MDX_SET(signDLLHandle),
    MDX_BOOL(boNUtilTaa),
    MDX_TEXT(stMensagemTaa),
    MDX_BOOL(boClieUtil),
    MDX_TEXT(IdTotParcSang),
    MDX_TEXT(IdTotParcSup),
    MDX_TEXT(IdTotParcOutr),
    MDX_TEXT(IdTotParcES),
    MDX_TEXT(stLegendasNFiscal),
    MDX_BOOL(boTotalCV),
    MDX_TEXT(CdFormPagCPess),
    MDX_TEXT(IdFormPagCPess),
    MDX_TEXT(DsFormPagCPess),
    MDX_TEXT(CdFormPagVCons),
    MDX_TEXT(IdFormPagVCons),
    MDX_TEXT(DsFormPagVCons),
    MDX_TEXT(stRelGer),
    {"stAuxTextoMdx200", [] { return Text(mdx::WideToAnsi(stAuxTextoMdx200)); }},
    {"cdsAuxExtSimp",
     []() -> Json {
       if (!cdsAuxExtSimp || !cdsAuxExtSimp->Active()) return nullptr;
       return mdxjson::DataSetJson(*cdsAuxExtSimp);
     }},
    MDX_TEXT(ArquivoBinario),
    MDX_SET(CONVECFDLLHandle),
    MDX_SET(MSVCP60DLLHandle),
    MDX_SET(Bematech_GeraTxtPorCOO),
    MDX_SET(Bematech_GeraRegistrosTipoE),
};

}  // namespace

bool GlobalByName(const std::string& name, Json& value) {
  for (const Global& global : kGlobals)
    if (name == global.name) {
      value = global.read();
      return true;
    }
  return false;
}

}  // namespace mdxcapi
