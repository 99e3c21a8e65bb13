#include "capi/operations.h"

#include "mdx00200/mdx00200.h"

namespace mdxcapi {

namespace {

void Add(std::vector<OperationEntry>& list, const char* name, std::unique_ptr<Operation> op, bool needsSession) {
  list.push_back({name, std::move(op), needsSession});
}

// The parameter types come from the declarations in the package's headers.
#define MDX_OP(name) Add(list, #name, MakeOperation(&Mdx00200::name), true)
#define MDX_DATE_OP(name) Add(list, #name, MakeOperation(&Mdx00200::name, true), true)
#define MDX_FREE_OP(name) Add(list, #name, MakeOperation(&Mdx00200::name), false)

std::vector<OperationEntry> Build() {
  std::vector<OperationEntry> list;
  // Command channel and helpers.
  MDX_OP(EnviaComando_Sweda);
  MDX_OP(ImpressoraOk);
  MDX_FREE_OP(ImpFisDebug);
  MDX_FREE_OP(GetValue);
  MDX_FREE_OP(FormataCNPJ);
  MDX_FREE_OP(StrToPChar);
  // Session.
  MDX_FREE_OP(StartImpFiscal);
  MDX_FREE_OP(AbrePorta);
  MDX_FREE_OP(FechaPorta);
  MDX_FREE_OP(StopImpFiscal);
  MDX_OP(Carrega_Dados_Impressora);
  // Status.
  MDX_OP(RetornoImpFiscal);
  MDX_OP(Estado_Imp);
  MDX_OP(Nr_Cupom);
  MDX_OP(ContadorCupomFiscalMFD);
  MDX_OP(Data_Imp);
  MDX_OP(BuscaTotGer);
  MDX_OP(Modelo_Impressora);
  MDX_DATE_OP(DataMov);
  MDX_OP(VerificaData);
  MDX_OP(DataHoraGravacaoUsuarioSWBasicoMFAdicional);
  MDX_OP(Versao_Software_Basico);
  MDX_OP(NumeroOperacoesNaoFiscais);
  MDX_FREE_OP(Codigo_Nacional_ECF);
  MDX_DATE_OP(DataMoviFiscal);
  // Grand total.
  MDX_OP(Atu_TotGeral);
  // Tables.
  MDX_OP(CarregaAliquota);
  MDX_OP(CarregaRecebimento);
  MDX_OP(Config_Forma_Pg);
  MDX_OP(CarregaTotalizador);
  MDX_OP(Totaliza_NFiscal_Imp);
  MDX_OP(Nomeia_TotParcial_Imp);
  MDX_OP(Usa_CompNFis);
  // Sale.
  MDX_OP(AbreCupom);
  MDX_OP(VendaItem);
  MDX_OP(FechaCupom);
  // Reports, receipts, cancellations, TEF.
  MDX_OP(FechRelatGerenc);
  MDX_OP(Relatorio_Gerencial_Imp);
  MDX_OP(imprimeBlocoSweda);
  MDX_OP(Relatorio_Generico);
  MDX_OP(Conferencia_Formatada);
  MDX_OP(imprimeTipoRece);
  MDX_OP(Cupom_NFiscNVinc);
  MDX_OP(EstornoNaoFiscal);
  MDX_OP(GravaDocumentosNaoFiscais);
  MDX_OP(CarregaRelatorioGer);
  MDX_OP(Cancela_UltimoItem);
  MDX_OP(Cancela_ItGenerico);
  MDX_OP(Cancela_Cupom_Imp);
  MDX_OP(ImprimeTef);
  MDX_OP(Cupom_Troca);
  // Fiscal day and cash.
  MDX_OP(Leitura_X_Imp);
  MDX_OP(Reducao_Z_Imp);
  MDX_OP(Memoria_Fiscal_Data_Sweda);
  MDX_OP(Memoria_Fiscal_RedZ_Sweda);
  MDX_OP(Leitura_Totais_Imp);
  MDX_OP(Suprimento);
  MDX_OP(Sangria);
  MDX_OP(ExportRedZ);
  MDX_OP(DadosUltimaRedZ);
  // Management reports.
  MDX_OP(Relatorio_Produto);
  MDX_OP(GeraReciboSangria);
  MDX_OP(Conferencia);
  MDX_OP(Abertura_Mesa);
  MDX_OP(RegistroVenda);
  MDX_OP(ImprimeMesasAbertas);
  MDX_OP(imprimeProdutosTransf);
  MDX_OP(ImprimeProdBloq);
  // Consumer credit and debit.
  MDX_OP(Imp_CompVenCred);
  MDX_OP(Comp_DebitoCons);
  MDX_OP(Compr_CredPessoal);
  MDX_OP(Cancela_Cred_Pessoal);
  MDX_OP(Cabecalho);
  MDX_OP(ImpSaldo);
  MDX_OP(ImpSaldoDeb);
  MDX_OP(SaldoNegativo);
  MDX_OP(Extrato);
  MDX_OP(Saldo_CredPessoal);
  // Devices.
  MDX_OP(Abre_Gaveta_Imp);
  MDX_OP(Estado_Gaveta_Imp);
  MDX_OP(Guilhotina_Sweda);
  MDX_OP(Estado_HorVerao);
  MDX_OP(Muda_Horario);
  MDX_OP(Formato_Chq);
  MDX_OP(Altera_Chq);
  MDX_OP(Dados_Chq);
  MDX_OP(Fecha_Imp_Chq_Sweda);
  MDX_OP(CodigoBarra);
  // Fiscal menu.
  MDX_OP(VerificaSerialImp);
  MDX_OP(ImprimeDadosPaf);
  MDX_OP(geraEspelhoMfd);
  MDX_OP(Gera_ArquivoMFD);
  MDX_OP(EmiteLeituraMemoriaFiscal);
  MDX_OP(EmiteLeituraMemoriaFiscalSerial);
  MDX_OP(GeraBinMes);
  MDX_OP(GeraCatGenerica);
  MDX_FREE_OP(geraEad);
  return list;
}

}  // namespace

const std::vector<OperationEntry>& Operations() {
  static const std::vector<OperationEntry> list = Build();
  return list;
}

const OperationEntry* FindOperation(const std::string& name) {
  for (const OperationEntry& entry : Operations())
    if (entry.name == name) return &entry;
  return nullptr;
}

}  // namespace mdxcapi
