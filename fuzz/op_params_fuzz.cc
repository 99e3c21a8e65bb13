// Fuzz target: the operations' parameter records and positional lists. The
// first byte picks an operation that reads a record or a list, the second
// how its parameters are made: from scratch (any shape: wrong kinds, nulls,
// short or long arrays, nesting) or as a few changes to the valid record a
// till sends, and whether a coupon with one item is open first. The rest of
// the input shapes the values. The operations run against the in-process
// virtual printer (the serial substitute), fresh for every input. A record
// that cannot be read must give the parameter-error message or a runtime
// exception, never a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "mdx00200/coupon.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/fiscal_day.h"
#include "mdx00200/fiscal_menu.h"
#include "mdx00200/grand_total.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"
#include "mdx00200/reports.h"
#include "mdx00200/session.h"
#include "mdx00200/string_list.h"
#include "mdx00200/table_documents.h"
#include "op_records.h"
#include "op_session.h"
#include "quiet_host.h"
#include "variant_builder.h"

namespace mdx::emulator {
class VirtualPrinter;
}

namespace {

using namespace Mdx00200;
using mdx::fuzz::kScheme;
namespace fz = mdx::fuzz;

using List = std::vector<Variant>;

// An operation fed one variant (a record, or a packet / array argument).
struct RecordOperation {
  const char* name;
  std::function<Variant()> valid;
  std::function<void(Variant&)> run;
};

// An operation fed a positional list and a result variant.
struct ListOperation {
  const char* name;
  std::function<List()> valid;
  std::function<void(List&, OleVariant&)> run;
};

int High(const List& l) { return static_cast<int>(l.size()) - 1; }
const Variant* Items(const List& l) { return l.empty() ? nullptr : l.data(); }

const std::vector<RecordOperation>& RecordOperations() {
  static const std::vector<RecordOperation> table = {
      {"StartImpFiscal", fz::SessionRecord, [](Variant& v) { StartImpFiscal(v); }},
      {"AbrePorta", fz::SessionRecord, [](Variant& v) { AbrePorta(v); }},
      {"Carrega_Dados_Impressora", fz::PrinterDataRecord, [](Variant& v) { Carrega_Dados_Impressora(v); }},
      {"Atu_TotGeral", fz::GrandTotalRecord, [](Variant& v) { Atu_TotGeral(v); }},
      {"AbreCupom", fz::CouponRecord, [](Variant& v) { AbreCupom(v); }},
      {"VendaItem", fz::ItemRecord, [](Variant& v) { VendaItem(v); }},
      {"VerificaSerialImp", fz::SerialCheckRecord, [](Variant& v) { VerificaSerialImp(v); }},
      {"Conferencia", fz::TableItemsPacket, [](Variant& v) {
         AnsiString u;
         Conferencia(kScheme, "", "", u, "", "0012", "Joao", "06/12/2026 12:30", v, 0, 0, 0, 3.5, 0, 38.5, 0);
       }},
      {"Abertura_Mesa", fz::TableItemsPacket, [](Variant& v) {
         Abertura_Mesa(kScheme, "", "0012", "", "06/12/2026 12:00", v, 0, 0, 0, 0, 0, 0, 0);
       }},
      {"ImprimeMesasAbertas", fz::TableItemsPacket, [](Variant& v) {
         TClientDataSet* none = nullptr;
         ImprimeMesasAbertas(none, "", "", kScheme, v);
       }},
      {"imprimeProdutosTransf", fz::TableItemsPacket, [](Variant& v) { imprimeProdutosTransf("", "", kScheme, v); }},
  };
  return table;
}

const std::vector<ListOperation>& ListOperations() {
  static const std::vector<ListOperation> table = {
      {"FechaCupom", [] { return fz::ClosingList(10.0); },
       [](List& l, OleVariant& r) { FechaCupom(Items(l), High(l), nullptr, r); }},
      {"Cancela_Cupom_Imp", fz::CancelList, [](List& l, OleVariant& r) { Cancela_Cupom_Imp(Items(l), High(l), r); }},
      {"DadosUltimaRedZ", [] { return List{}; }, [](List& l, OleVariant& r) {
         TClientDataSet* none = nullptr;
         DadosUltimaRedZ(Items(l), High(l), r, none);
       }},
      {"ImprimeDadosPaf", fz::PafList, [](List& l, OleVariant& r) { ImprimeDadosPaf(Items(l), High(l), r); }},
      {"geraEspelhoMfd", fz::MirrorList, [](List& l, OleVariant& r) { geraEspelhoMfd(Items(l), High(l), r); }},
      {"Gera_ArquivoMFD", fz::MfdFileList, [](List& l, OleVariant& r) { Gera_ArquivoMFD(Items(l), High(l), r); }},
      {"EmiteLeituraMemoriaFiscalSerial", fz::MemoryReadingList,
       [](List& l, OleVariant& r) { EmiteLeituraMemoriaFiscalSerial(Items(l), High(l), r); }},
      {"GeraCatGenerica", [] { return List{Variant::Null(), "01/12/2026", "03/12/2026"}; },
       [](List& l, OleVariant&) {
         TStringList* files = nullptr;  // the caller's, also when the operation raises
         try {
           GeraCatGenerica(Items(l), High(l), files);
         } catch (...) {
           delete files;
           throw;
         }
         delete files;
       }},
  };
  return table;
}

// Every frame handed to the serial library obeys the rule for host text: it
// is ESC "." + a code + parameters + "}", no longer than the longest frame,
// and no byte after the ESC is a control byte, except LF and CR in report
// text ("08") and footer lines ("12N").
constexpr size_t kLongestFrame = 4096;
TSwedaEnviaComando g_librarySend = nullptr;

int MDX_STDCALL CheckedSend(const char* frame, unsigned char* reply) {
  const std::string text(frame);
  FUZZ_CHECK(text.size() >= 4 && text[0] == '\x1B' && text[1] == '.' && text.back() == '}',
             "not a whole frame: %zu bytes", text.size());
  FUZZ_CHECK(text.size() <= kLongestFrame, "a frame of %zu bytes", text.size());
  const bool lines = text.compare(2, 2, "08") == 0 || text.compare(2, 2, "12") == 0;
  for (size_t i = 1; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool lineEnd = byte == '\n' || byte == '\r';
    FUZZ_CHECK(!((byte < 0x20 || byte == 0x7F) && !(lineEnd && lines)),
               "control byte 0x%02X at %zu of a \"%.2s\" frame", byte, i, text.c_str() + 2);
  }
  return g_librarySend(frame, reply);
}

using PrinterFn = mdx::emulator::VirtualPrinter* (*)();  // Sersweda_RestartVirtualPrinter
PrinterFn g_restartPrinter = nullptr;

void StartOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  fz::InstalledQuietHost();
  Variant session = fz::SessionRecord();
  StartImpFiscal(session);
  if (!ImpFisDLLHandle) {
    std::fprintf(stderr, "op_params: the serial library did not load: %s\n",
                 mdx::platform::LastLibraryError().c_str());
    std::abort();
  }
  g_restartPrinter = reinterpret_cast<PrinterFn>(
      mdx::platform::FindSymbol(ImpFisDLLHandle, "Sersweda_RestartVirtualPrinter"));
  if (!g_restartPrinter) std::abort();
}

void OpenCouponWithItem() {
  Variant coupon = fz::CouponRecord();
  Variant item = fz::ItemRecord();
  if (AbreCupom(coupon)) VendaItem(item);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartOnce();
  fz::FuzzInput in(data, size);
  const unsigned pick = in.Byte();
  const unsigned mode = in.Byte();
  const bool fromScratch = (mode & 1) != 0;
  const bool couponFirst = (mode & 2) != 0;
  const bool fuzzedResult = (mode & 4) != 0;

  fz::QuietHost& host = fz::InstalledQuietHost();
  host.Reset();
  // Yes to the first eight dialogs when the mode says so, then no (a
  // question asked again and again would otherwise never end).
  unsigned dialogs = 0;
  host.SetAnswers([&] { return (mode & 8) != 0 && dialogs++ < 8; });
  fz::ResetPackageGlobals();
  g_restartPrinter();
  fz::ConnectSerial(ImpFisDLLHandle);
  g_librarySend = SwedaEnviaComando;
  SwedaEnviaComando = &CheckedSend;

  const auto& records = RecordOperations();
  const auto& lists = ListOperations();
  const unsigned index = pick % (records.size() + lists.size());
  // MDX_FUZZ_VERBOSE=1 names the operation run, for reading a crash input.
  static const bool verbose = std::getenv("MDX_FUZZ_VERBOSE") != nullptr;
  if (verbose)
    std::fprintf(stderr, "op_params: %s, %s%s\n",
                 index < records.size() ? records[index].name : lists[index - records.size()].name,
                 fromScratch ? "from scratch" : "changed from the valid one",
                 couponFirst ? ", after a coupon with one item" : "");
  try {
    if (couponFirst) OpenCouponWithItem();
    if (index < records.size()) {
      const RecordOperation& op = records[index];
      Variant value = fromScratch ? fz::BuildVariant(in, 4) : op.valid();
      if (!fromScratch) fz::Mutate(in, value);
      op.run(value);
    } else {
      const ListOperation& op = lists[index - records.size()];
      List list;
      if (fromScratch) {
        const unsigned length = in.Byte() % 70;
        for (unsigned i = 0; i < length && !in.Empty(); ++i) list.push_back(fz::BuildVariant(in, 3));
      } else {
        list = op.valid();
        fz::Mutate(in, list);
      }
      OleVariant result = fuzzedResult ? fz::BuildVariant(in, 2) : mdx::VarArrayOf({"", "", "", ""});
      op.run(list, result);
    }
  } catch (const mdx::Exception&) {
    // the runtime's own errors may reach the host
  }
  return 0;
}
