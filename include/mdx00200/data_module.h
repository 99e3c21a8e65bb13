// The package's data module: its datasets and its two message catalogues.
// One instance, dtmSweda200, created on first need and never destroyed; the
// package owns it and every dataset in it.
#pragma once

#include <memory>
#include <vector>

#include "mdx00200/export.h"
#include "mdx00200/messages.h"

namespace mdx {
class TClientDataSet;
}

namespace Mdx00200 {

class MDX_API TdtmSweda200 {
 public:
  TdtmSweda200();
  ~TdtmSweda200();
  TdtmSweda200(const TdtmSweda200&) = delete;
  TdtmSweda200& operator=(const TdtmSweda200&) = delete;

  // The main catalogue and the fiscal-file and receipt-footer catalogue.
  Kor_msg::TMessages msgPadrao;
  Kor_msg::TMessages msgPadrao2;

  mdx::TClientDataSet* cdsAliqImpFis = nullptr;
  mdx::TClientDataSet* cdsReceb = nullptr;
  mdx::TClientDataSet* cdsParcProdutos = nullptr;
  mdx::TClientDataSet* cdsMovCaixa = nullptr;
  mdx::TClientDataSet* cdsMovCaixaTef = nullptr;
  mdx::TClientDataSet* cdsRecebAux = nullptr;
  mdx::TClientDataSet* cdsTipoRece = nullptr;
  mdx::TClientDataSet* cdsMovFecha = nullptr;
  mdx::TClientDataSet* cdsSangria = nullptr;
  mdx::TClientDataSet* cdsOperadorSup = nullptr;
  mdx::TClientDataSet* cdsTipoReceAux = nullptr;
  mdx::TClientDataSet* cdsMovAbertura = nullptr;
  mdx::TClientDataSet* cdsMovTot = nullptr;
  mdx::TClientDataSet* cdsRedzAux01 = nullptr;
  mdx::TClientDataSet* cdsFormRedzAux01 = nullptr;
  mdx::TClientDataSet* cdsTotNFisAux01 = nullptr;
  mdx::TClientDataSet* cdsImpostoRedzAux01 = nullptr;
  mdx::TClientDataSet* cdsReducaoZ = nullptr;
  mdx::TClientDataSet* cdsFormPgtoRedZ = nullptr;
  mdx::TClientDataSet* cdsImpostoRedZ = nullptr;
  mdx::TClientDataSet* cdsTotNFiscRedZ = nullptr;
  mdx::TClientDataSet* cdsTeste = nullptr;
  mdx::TClientDataSet* cdsProdVend = nullptr;
  mdx::TClientDataSet* cdsAliqProduto = nullptr;
  mdx::TClientDataSet* cdsItemsReg = nullptr;
  mdx::TClientDataSet* cdsProdDeb = nullptr;
  mdx::TClientDataSet* cdsTipoReceHomolog = nullptr;
  mdx::TClientDataSet* cdsMesaAberMdx = nullptr;
  mdx::TClientDataSet* cdsProdutoTransf = nullptr;
  mdx::TClientDataSet* cdsDadosPaf = nullptr;
  mdx::TClientDataSet* cdsCheckECF = nullptr;
  mdx::TClientDataSet* cdsTipoTroco = nullptr;
  mdx::TClientDataSet* cdsParametros = nullptr;
  mdx::TClientDataSet* cdsBuscaNrSerieEcf = nullptr;
  mdx::TClientDataSet* cdsEmprestimo = nullptr;
  mdx::TClientDataSet* cdsFamiliaSaldo = nullptr;
  mdx::TClientDataSet* cdsSaldCred = nullptr;
  mdx::TClientDataSet* cdsArquivosXopMd5 = nullptr;
  mdx::TClientDataSet* cdsProdCred = nullptr;

  // After-open event of cdsCheckECF: switches its change log off, so edits
  // made after opening become the dataset's data.
  void cdsCheckECFAfterOpen(mdx::TClientDataSet& dataSet);

 private:
  std::vector<std::unique_ptr<mdx::TClientDataSet>> owned_;
};

}  // namespace Mdx00200
