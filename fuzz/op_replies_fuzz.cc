// Fuzz target: the operations against a printer whose every reply comes
// from the input (the fuzzing serial substitute in fuzz/serial/). The first
// byte gives how many operations run (1 to 4), the next bytes pick them from
// a table covering every operation family, one more byte gives the answers
// of the first eight dialogs (later ones are answered no), and the rest
// feeds the substitute's replies. Every operation runs
// with valid parameters; whatever the printer answers, an operation may fail
// or raise the runtime's own exceptions, never crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "mdx00200/coupon.h"
#include "mdx00200/blocked_products.h"
#include "mdx00200/credit.h"
#include "mdx00200/data_module.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/fiscal_day.h"
#include "mdx00200/fiscal_menu.h"
#include "mdx00200/grand_total.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/peripherals.h"
#include "mdx00200/product_report.h"
#include "mdx00200/platform.h"
#include "mdx00200/reports.h"
#include "mdx00200/session.h"
#include "mdx00200/status.h"
#include "mdx00200/string_list.h"
#include "mdx00200/table_documents.h"
#include "mdx00200/tables.h"
#include "op_records.h"
#include "op_session.h"
#include "quiet_host.h"
#include "serial/fuzz_serial.h"

namespace {

using namespace Mdx00200;
using mdx::fuzz::kScheme;
namespace fz = mdx::fuzz;

struct Operation {
  const char* name;
  std::function<void()> run;
};

const std::vector<Operation>& Operations() {
  static const std::vector<Operation> table = {
      // session start
      {"StartImpFiscal", [] { Variant r = fz::SessionRecord(); StartImpFiscal(r); }},
      {"AbrePorta", [] { AbrePorta(fz::SessionRecord()); }},
      {"Carrega_Dados_Impressora", [] { Variant r = fz::PrinterDataRecord(); Carrega_Dados_Impressora(r); }},
      {"FechaPorta", [] { FechaPorta(); }},
      // command channel
      {"EnviaComando_Sweda", [] { AnsiString p[] = {"N"}; EnviaComando_Sweda(kScheme, "13", p, 0, false, true); }},
      {"ImpressoraOk", [] { ImpressoraOk(kScheme, true, false, false); }},
      // status queries
      {"RetornoImpFiscal 27", [] { RetornoImpFiscal(kScheme, "27", false); }},
      {"RetornoImpFiscal 98", [] { RetornoImpFiscal(kScheme, "98", false); }},
      {"RetornoImpFiscal 22", [] { RetornoImpFiscal(kScheme, "22", false); }},
      {"Estado_Imp", [] { Estado_Imp(kScheme, false, true); }},
      {"Nr_Cupom", [] { Nr_Cupom("", kScheme); }},
      {"ContadorCupomFiscalMFD", [] { AnsiString c; ContadorCupomFiscalMFD(kScheme, c); }},
      {"Data_Imp", [] { AnsiString c; Data_Imp(kScheme, c); }},
      {"BuscaTotGer", [] { AnsiString t; BuscaTotGer(kScheme, t); }},
      {"Modelo_Impressora", [] { AnsiString a, b, c; Modelo_Impressora(kScheme, a, b, c); }},
      {"DataMov", [] { DataMov(kScheme); }},
      {"VerificaData", [] { mdx::TDateTime d; VerificaData(kScheme, d, "", "061226", true); }},
      {"DataHoraGravacaoUsuario", [] { AnsiString d, t, u; DataHoraGravacaoUsuarioSWBasicoMFAdicional(kScheme, d, t, u); }},
      {"Versao_Software_Basico", [] { AnsiString v; Versao_Software_Basico(kScheme, v); }},
      {"NumeroOperacoesNaoFiscais", [] { AnsiString c; NumeroOperacoesNaoFiscais(kScheme, c); }},
      {"DataMoviFiscal", [] { DataMoviFiscal(kScheme); }},
      {"Leitura_Totais_Imp", [] { Leitura_Totais_Imp(kScheme, false, true); }},
      {"Atu_TotGeral", [] { Atu_TotGeral(fz::GrandTotalRecord()); }},
      {"Atu_TotGeral S", [] {
         Variant r = fz::GrandTotalRecord();
         r[4] = mdx::VarArrayOf({"IDVALIDA", "S"});
         Atu_TotGeral(r);
       }},
      // tables
      {"CarregaAliquota", [] { TClientDataSet ds; TClientDataSet* p = &ds; CarregaAliquota(kScheme, p); }},
      {"CarregaRecebimento", [] { TClientDataSet ds; fz::ReceiptMethods(ds); TClientDataSet* p = &ds; CarregaRecebimento("", kScheme, 3, p); }},
      {"Config_Forma_Pg", [] { Config_Forma_Pg(kScheme, "SCartao         ", false, true); }},
      {"CarregaTotalizador", [] { AnsiString a, b, c, d, e; TClientDataSet* none = nullptr; CarregaTotalizador(a, b, c, d, e, kScheme, 0, none); }},
      {"Totaliza_NFiscal_Imp", [] { Totaliza_NFiscal_Imp(kScheme, "01", "000000001000"); }},
      {"Nomeia_TotParcial_Imp", [] { Nomeia_TotParcial_Imp(kScheme, "N", "+Suprimento    ", "", "", false, true); }},
      {"Usa_CompNFis", [] { Usa_CompNFis(kScheme, "Obrigado\n\r"); }},
      // coupon
      {"AbreCupom", [] { Variant r = fz::CouponRecord(); AbreCupom(r); }},
      {"VendaItem", [] { Variant r = fz::ItemRecord(); VendaItem(r); }},
      {"FechaCupom", [] { std::vector<Variant> l = fz::ClosingList(10.0); OleVariant res = mdx::VarArrayOf({"", "", "", ""}); FechaCupom(l.data(), int(l.size()) - 1, nullptr, res); }},
      {"Cancela_UltimoItem", [] { Cancela_UltimoItem(kScheme); }},
      {"Cancela_ItGenerico", [] { Cancela_ItGenerico(kScheme, "001", L"", L"", L"", L"", L"", L"", L"", 0, 0); }},
      {"Cancela_Cupom_Imp", [] { std::vector<Variant> l = fz::CancelList(); OleVariant res = mdx::VarArrayOf({""}); Cancela_Cupom_Imp(l.data(), int(l.size()) - 1, res); }},
      // X and Z, fiscal memory
      {"Leitura_X_Imp", [] { Leitura_X_Imp("0001", "", kScheme, ""); }},
      {"Reducao_Z_Imp", [] { Reducao_Z_Imp("0001", "", kScheme, ""); }},
      {"Memoria_Fiscal_Data_Sweda", [] { Memoria_Fiscal_Data_Sweda(kScheme, "011226", "061226"); }},
      {"Memoria_Fiscal_RedZ_Sweda", [] { Memoria_Fiscal_RedZ_Sweda(kScheme, "0001", "0010"); }},
      // Z data capture
      {"ExportRedZ", [] {
         TClientDataSet types, red, pay, tax, tot;
         fz::ReceiptTypes(types);
         TClientDataSet *r = &red, *p = &pay, *t = &tax, *o = &tot;
         ExportRedZ("", kScheme, "001", 0, &types, r, p, t, o);
       }},
      {"DadosUltimaRedZ", [] { TClientDataSet* none = nullptr; OleVariant res; DadosUltimaRedZ(nullptr, -1, res, none); delete none; }},
      // cash movements
      {"Suprimento", [] { Suprimento("", kScheme, 50.0); }},
      {"Sangria", [] { Sangria("", kScheme, 20.0); }},
      // reports
      {"Relatorio_Gerencial_Imp", [] { Relatorio_Gerencial_Imp(kScheme, "RG", "0001", "", "S"); }},
      {"FechRelatGerenc", [] { FechRelatGerenc(kScheme, false, true); }},
      {"imprimeBlocoSweda", [] { imprimeBlocoSweda(kScheme, "first line", false); imprimeBlocoSweda(kScheme, "last line", true); }},
      {"Relatorio_Generico", [] { Relatorio_Generico(kScheme, "", "", "Aviso\n\r", "0001", ""); }},
      {"Conferencia_Formatada", [] { AnsiString coo; Conferencia_Formatada(kScheme, "", "", "", "", "", coo, "Conferencia\n\r"); }},
      {"imprimeTipoRece", [] { imprimeTipoRece("", "", kScheme, "0001", "Dinheiro\n\rCartao\n\r"); }},
      {"GravaDocumentosNaoFiscais", [] { GravaDocumentosNaoFiscais("0001", kScheme, "RG", ""); }},
      {"CarregaRelatorioGer", [] { AnsiString a, b, c, d, e, f; CarregaRelatorioGer(a, b, c, d, e, f, "", 0); }},
      // receipts
      {"Cupom_NFiscNVinc", [] { Cupom_NFiscNVinc(kScheme, "00", "0000", "01", ""); }},
      {"EstornoNaoFiscal", [] { EstornoNaoFiscal(kScheme, "", "", ""); }},
      {"ImprimeTef", [] {
         TStringList receipts, copies;
         receipts.Add("VIA CLIENTE\nAPROVADO");
         ImprimeTef("", "", "", kScheme, &receipts, &copies, nullptr, nullptr, "", "02", "", 10.0, 0, 0, "N", "");
       }},
      {"Cupom_Troca", [] { Cupom_Troca(kScheme, "", "", "CUPOM DE TROCA\n\r"); }},
      {"Conferencia", [] { AnsiString u; Conferencia(kScheme, "", "", u, "", "0012", "Joao", "06/12/2026 12:30", fz::TableItemsPacket(), 0, 0, 0, 3.5, 0, 38.5, 0); }},
      {"Abertura_Mesa", [] { Abertura_Mesa(kScheme, "", "0012", "", "06/12/2026 12:00", fz::TableItemsPacket(), 0, 0, 0, 0, 0, 0, 0); }},
      // credit
      {"Imp_CompVenCred", [] { Imp_CompVenCred(kScheme, Variant(), Variant(), 12.5, "123", "Ana", "0001", "Cliente", "", "", 50.0, 0, 0, "0"); }},
      {"Comp_DebitoCons", [] { Comp_DebitoCons(kScheme, Variant(), 12.5, "", "123", "Ana", "0001", "Cliente", "", 50.0, 0, 0, "1", "", "", "", "", Variant()); }},
      {"Cancela_Cred_Pessoal", [] { AnsiString coo; Cancela_Cred_Pessoal("06", "", "", "", kScheme, coo, "77", "0001", "Ana", "01", "", 10.0, 0.0, "Familia"); }},
      {"Cabecalho", [] { Cabecalho(kScheme, "SALDOS", "001", "", ""); }},
      {"Extrato", [] { Extrato("06/12 COMPRA 12,50\n", kScheme); }},
      // drawer, cutter, clock, bar code, cheque
      {"Abre_Gaveta_Imp", [] { Abre_Gaveta_Imp(kScheme, false); }},
      {"Estado_Gaveta_Imp", [] { Estado_Gaveta_Imp(kScheme); }},
      {"Guilhotina_Sweda", [] { Guilhotina_Sweda(kScheme); }},
      {"Estado_HorVerao", [] { Estado_HorVerao(kScheme); }},
      {"Muda_Horario", [] { Muda_Horario(kScheme); }},
      {"CodigoBarra", [] { CodigoBarra(kScheme, "", "", 0, "789100010010", "EAN-13"); }},
      {"Formato_Chq", [] { Formato_Chq(kScheme, "01"); }},
      {"Altera_Chq", [] { Altera_Chq(kScheme, "01", "text"); }},
      {"Dados_Chq", [] { Dados_Chq(kScheme, "000000001000", "FULANO DE TAL", "SAO PAULO", "06122026"); }},
      {"Fecha_Imp_Chq_Sweda", [] { Fecha_Imp_Chq_Sweda(kScheme, false, true); }},
      // fiscal menu, the parts that only talk to the printer
      {"EmiteLeituraMemoriaFiscal", [] { EmiteLeituraMemoriaFiscal(kScheme, "01/12/2026", "06/12/2026", "", "DATA", ""); }},
      {"VerificaSerialImp", [] { VerificaSerialImp(fz::SerialCheckRecord()); }},
      // table documents and host lists (kept last: corpus inputs pick by position)
      {"ImprimeMesasAbertas", [] {
         TClientDataSet* none = nullptr;
         ImprimeMesasAbertas(none, "", "", kScheme,
                             fz::HostPacket({"DSCOMANDA:S20", "NRMESA:S4", "DTHRABERMESA:S20"},
                                            {{"RES01", "0001", "06/12/2026 09:00"}}));
       }},
      {"imprimeProdutosTransf", [] {
         imprimeProdutosTransf("", "", kScheme,
                               fz::HostPacket({"NRMESA:S4", "NRMESADSCOMORIT:S10", "CDPRODUTO:S10", "NMPRODUTO:S40",
                                               "QTPRODCOMVEN:F", "VRPRECCOMVEN:F"},
                                              {{"12", "3", "10", "AGUA MINERAL", 2.0, 3.5}}));
       }},
      {"RegistroVenda", [] {
         TClientDataSet items;
         items.SetData(fz::HostPacket({"CDPROD:S10", "NMPROD:S40", "STQTDE:S10", "STVALOR:S10"},
                                      {{"77", "PAO", "1", "1,239"}}));
         RegistroVenda("", "", kScheme, &items, "0012");
       }},
      {"ImprimeProdBloq", [] {
         TClientDataSet products;
         products.SetData(fz::HostPacket({"NMFILIAL:S40", "CDLOJA:S4", "CDPRODUTO:S20", "CDPROTECLADO:S20", "NMPRODUTO:S40"},
                                         {{"LOJA", "0001", "1", "11", "ARROZ"}}));
         ImprimeProdBloq(kScheme, &products);
       }},
      {"Relatorio_Produto", [] {
         TClientDataSet products;
         products.SetData(fz::HostPacket({"CDPRODIMPFIS:S20", "CDPRODUTO:S20", "NMPRODUTO:S40", "QTPRODVEND:F",
                                          "VRTOTAL:F", "VRACRE:F", "VRDESC:F", "VRPEALIMPFIS:F", "IDTPIMPOSFIS:S1"},
                                         {{"P1", "10", "CAFE", 2.0, 7.0, 0.0, 0.0, 18.0, "T"}}));
         AnsiString coo;
         bool open = false;
         Relatorio_Produto("", "", "", "", "", coo, &products, "N", "S", kScheme, open);
       }},
  };
  return table;
}

FuzzSerialSetInput g_setInput = nullptr;
int (*g_frames)() = nullptr;

// Loads the fuzzing substitute (beside this program, in "fuzz-serial") as
// the package's serial library, before the package would look for one by
// name, and opens the session once.
void StartOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  fz::InstalledQuietHost();
  const AnsiString path = mdx::platform::ExecutableDirectory() + "fuzz-serial" +
                          mdx::platform::PathDelimiter() +
                          mdx::platform::LibraryFileName("SERSWEDA");
  ImpFisDLLHandle = mdx::platform::OpenLibrary(path);
  if (!ImpFisDLLHandle) {
    std::fprintf(stderr, "op_replies: cannot load %s: %s\n", path.c_str(),
                 mdx::platform::LastLibraryError().c_str());
    std::abort();
  }
  g_setInput = reinterpret_cast<FuzzSerialSetInput>(
      mdx::platform::FindSymbol(ImpFisDLLHandle, FUZZ_SERIAL_SET_INPUT));
  g_frames = reinterpret_cast<int (*)()>(mdx::platform::FindSymbol(ImpFisDLLHandle, "FuzzSerial_Frames"));
  if (!g_setInput || !g_frames) std::abort();
  g_setInput(nullptr, 0);  // every reply accepted while the session starts
  Variant session = fz::SessionRecord();
  StartImpFiscal(session);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartOnce();
  fz::FuzzInput in(data, size);
  const std::vector<Operation>& table = Operations();
  std::vector<const Operation*> chosen;
  const unsigned count = 1 + in.Below(4);
  for (unsigned i = 0; i < count; ++i) chosen.push_back(&table[in.Below(table.size())]);
  const unsigned answers = in.Byte();
  const std::string replies = in.Rest();

  fz::QuietHost& host = fz::InstalledQuietHost();
  host.Reset();
  unsigned dialog = 0;
  // The answers' bits in order; then the operator gives up (a question asked
  // again and again, "print again?", would otherwise never end).
  host.SetAnswers([&] { return dialog < 8 && ((answers >> dialog++) & 1) != 0; });
  fz::ResetPackageGlobals();
  fz::ConnectSerial(ImpFisDLLHandle);
  // What a till gives the credit receipts: the sale's products, the
  // payment position of the consumer-credit methods.
  static const Variant products = fz::CreditProductsPacket();
  dtmSweda200->cdsProdCred->SetData(products);
  dtmSweda200->cdsProdDeb->SetData(products);
  IdFormPagCPess = "01";
  IdFormPagVCons = "01";
  g_setInput(reinterpret_cast<const uint8_t*>(replies.data()), replies.size());

  // MDX_FUZZ_VERBOSE=1 names each operation run, for reading a crash input.
  static const bool verbose = std::getenv("MDX_FUZZ_VERBOSE") != nullptr;
  for (const Operation* op : chosen) {
    std::string outcome = "done";
    try {
      op->run();
    } catch (const mdx::Exception& e) {
      // the runtime's own errors may reach the host
      outcome = std::string("raised \"") + e.what() + "\"";
    }
    if (verbose)
      std::fprintf(stderr, "op_replies: %s %s, %d frames so far, SwedaRet \"%s\"\n", op->name, outcome.c_str(),
                   g_frames(), SwedaRet.c_str());
  }
  return 0;
}
