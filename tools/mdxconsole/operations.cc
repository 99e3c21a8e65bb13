#include "operations.h"

#include "mdx00200/mdx00200.h"

namespace mdxconsole {

namespace {

// The type of each operation is taken from its declaration in the headers;
// the plain-name export has the same parameters.
#define MDX_OP(name) Add(list, #name, #name, MakeOperation<decltype(&Mdx00200::name)>())
#define MDX_DATE_OP(name) Add(list, #name, #name, MakeOperation<decltype(&Mdx00200::name)>(true))

// The five helpers exported under their C++ names only, as GCC names them on
// both platforms (AnsiString is std::string of the C++11 ABI).
#define MDX_STRING "NSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"
#define MDX_CPP_OP(name, mangled) Add(list, #name, mangled, MakeOperation<decltype(&Mdx00200::name)>())

void Add(std::vector<OperationEntry>& list, const char* name, const char* symbol,
         std::unique_ptr<Operation> op) {
  list.push_back({name, symbol, std::move(op)});
}

std::vector<OperationEntry> Build() {
  std::vector<OperationEntry> list;
  // Command channel and helpers.
  MDX_OP(EnviaComando_Sweda);
  MDX_OP(ImpressoraOk);
  MDX_OP(ImpFisDebug);
  MDX_CPP_OP(GetValue, "_ZN8Mdx002008GetValueERK" MDX_STRING);
  MDX_CPP_OP(FormataCNPJ, "_ZN8Mdx0020011FormataCNPJERK" MDX_STRING);
  MDX_CPP_OP(StrToPChar, "_ZN8Mdx0020010StrToPCharERK" MDX_STRING);
  // Session.
  MDX_OP(StartImpFiscal);
  MDX_OP(AbrePorta);
  MDX_OP(FechaPorta);
  MDX_OP(StopImpFiscal);
  MDX_OP(Carrega_Dados_Impressora);
  // Status.
  MDX_OP(RetornoImpFiscal);
  MDX_OP(Estado_Imp);
  MDX_OP(Nr_Cupom);
  MDX_CPP_OP(ContadorCupomFiscalMFD, "_ZN8Mdx0020022ContadorCupomFiscalMFDERK" MDX_STRING "RS5_");
  MDX_OP(Data_Imp);
  MDX_OP(BuscaTotGer);
  MDX_OP(Modelo_Impressora);
  MDX_DATE_OP(DataMov);
  MDX_OP(VerificaData);
  MDX_OP(DataHoraGravacaoUsuarioSWBasicoMFAdicional);
  MDX_OP(Versao_Software_Basico);
  MDX_OP(NumeroOperacoesNaoFiscais);
  MDX_OP(Codigo_Nacional_ECF);
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
  MDX_CPP_OP(imprimeBlocoSweda, "_ZN8Mdx0020017imprimeBlocoSwedaERK" MDX_STRING "S7_b");
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
  MDX_OP(geraEad);
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

}  // namespace mdxconsole
