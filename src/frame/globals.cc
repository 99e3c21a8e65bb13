// The package's exported global state, with its initial values.
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

extern "C" {

TdtmSweda200* dtmSweda200 = nullptr;
bool boImpFiscalOK = false;
AnsiString Portas[14] = {"",      "COM1",  "COM2",  "COM3", "COM4", "COM5", "COM6",
                         "COM7",  "COM8",  "COM9",  "COM10", "COM11", "COM12", "LPT1"};
int IdPortaImpFis = 0;
AnsiString SwedaRet;
bool boComando = false;
bool SwedaVerifRetorno = false;

TSwedaAbrePorta SwedaAbrePorta = nullptr;
TSwedaEnviaComando SwedaEnviaComando = nullptr;
TSwedaFechaPorta SwedaFechaPorta = nullptr;
TSwedaObterParametrosConfiguracao Sweda_ObterParametrosConfiguracao = nullptr;
TSwedaCapturarDispositivo Sweda_CapturarDispositivo = nullptr;
TSwedaArquivoEletronicoCOTEPE Sweda_ArquivoEletronicoCOTEPE = nullptr;
TSwedaDetectarECF Sweda_DetectarECF = nullptr;
TSwedaReproduzirLeituraMemoriaFiscal SWEDA_ReproduzirLeituraMemoriaFiscal = nullptr;
TSwedaReproduzirMemoriaFiscalMFD SWEDA_ReproduzirMemoriaFiscalMFD = nullptr;
TSwedaReproduzirFitaDetalhe SWEDA_ReproduzirFitaDetalhe = nullptr;
TSwedaExtrairInformacoesECF SWEDA_ExtrairInformacoesECF = nullptr;
TBematechSetLibType Bematech_setLibType = nullptr;
TBematechGenkkey Bematech_genkkey = nullptr;
TBematechGenerateEAD Bematech_generateEAD = nullptr;
TBematechValidateFile Bematech_validateFile = nullptr;
LibraryHandle ImpFisDLLHandle = nullptr;
LibraryHandle SwMfdDLLHandle = nullptr;
LibraryHandle CONVECFHandle = nullptr;
LibraryHandle signDLLHandle = nullptr;

bool boNUtilTaa = true;
AnsiString stMensagemTaa;
bool boClieUtil = false;

AnsiString IdTotParcSang;
AnsiString IdTotParcSup;
AnsiString IdTotParcOutr;
AnsiString IdTotParcES;
AnsiString stLegendasNFiscal;
bool boTotalCV = false;

AnsiString CdFormPagCPess;
AnsiString IdFormPagCPess;
AnsiString DsFormPagCPess;
AnsiString CdFormPagVCons;
AnsiString IdFormPagVCons;
AnsiString DsFormPagVCons;
AnsiString stRelGer;

WideString stAuxTextoMdx200;

TClientDataSet* cdsAuxExtSimp = nullptr;
AnsiString ArquivoBinario;
LibraryHandle CONVECFDLLHandle = nullptr;
LibraryHandle MSVCP60DLLHandle = nullptr;
TBematechGeraTxtPorCOO Bematech_GeraTxtPorCOO = nullptr;
TBematechGeraRegistrosTipoE Bematech_GeraRegistrosTipoE = nullptr;

}  // extern "C"

}  // namespace Mdx00200
