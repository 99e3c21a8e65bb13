// TillTest: a till selling through the package against a virtual printer that
// keeps its state in a file, as a till in a shop does, with what the fault
// scenarios share:
// - a normal sale as a list of the host's calls (open, three items with a
//   discount, closing with a surcharge and two payments with change);
// - a frame trigger that runs an action just before the n-th frame whose
//   command starts with a prefix reaches the printer (to make the printer go
//   silent, or run out of paper, at exactly that frame);
// - the till's restart: a new printer object loaded from the state file and
//   the session opened again with AbrePorta;
// - the host's files of an open sale and its configuration file.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "day/day_sales.h"
#include "grandtotal/config_files.h"
#include "mdx00200/number_format.h"
#include "support/temp_folder.h"

namespace mdx::test {

// Runs `action` once, just before the `at`-th frame (counted from 1) whose
// command (the text after ESC ".") starts with `prefix`, then passes every
// frame on to the send entry it replaced. The action may arm it again, to
// act on a later frame (counted from the next one).
class FrameTrigger {
 public:
  static FrameTrigger& Instance() {
    static FrameTrigger instance;
    return instance;
  }
  void Arm(const AnsiString& prefix, int at, std::function<void()> action) {
    prefix_ = prefix;
    at_ = at;
    seen_ = 0;
    action_ = std::move(action);
  }
  void Disarm() { action_ = nullptr; }
  int Seen() const { return seen_; }
  void SetNext(TSwedaEnviaComando next) { next_ = next; }
  static int MDX_STDCALL Send(const char* frame, unsigned char* reply) {
    return Instance().Exchange(frame, reply);
  }

 private:
  int Exchange(const char* frame, unsigned char* reply) {
    const AnsiString command = std::strlen(frame) > 2 ? AnsiString(frame + 2) : AnsiString();
    if (command.compare(0, prefix_.size(), prefix_) == 0 && ++seen_ == at_ && action_) {
      // A copy: the action may arm the trigger again for a later frame.
      const std::function<void()> action = action_;
      action();
    }
    return next_ ? next_(frame, reply) : 0;
  }

  AnsiString prefix_;
  int at_ = 0;
  int seen_ = 0;
  std::function<void()> action_;
  TSwedaEnviaComando next_ = nullptr;
};

using PrinterFn = emulator::VirtualPrinter* (*)();
using OpenPortFn = bool (*)(const Variant&);
using CancelCouponFn = bool (*)(const Variant*, int, OleVariant&);
// Leitura_X_Imp and the readings with the same shape.
using ReadingFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&,
                           const AnsiString&);
// Relatorio_Generico.
using GenericReportFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&,
                                 const AnsiString&, const AnsiString&, const AnsiString&);

// One call of the host: its name and the call, true when it succeeded.
// `firstFrameDecides`: its result is that of its first command only (what
// it reads afterwards does not change it).
struct HostCall {
  const char* name;
  std::function<bool()> run;
  bool firstFrameDecides = false;
};

class TillTest : public DaySalesTest {
 protected:
  void SetUp() override {
    DaySalesTest::SetUp();
    stateFile_ = stateFolder_.File("till.state");
    platform::SetEnvironment("MDX_PRINTER_STATE", stateFile_);
    Package().Global<void*>("SwedaAbrePorta") = Package().SerialSymbol("AbrePorta");
    Package().Global<void*>("SwedaFechaPorta") = Package().SerialSymbol("FechaPorta");
    void*& entry = Package().Global<void*>("SwedaEnviaComando");
    Trigger().SetNext(reinterpret_cast<TSwedaEnviaComando>(entry));
    Trigger().Disarm();
    entry = reinterpret_cast<void*>(&FrameTrigger::Send);
    FreshPrinter();
  }
  void TearDown() override {
    Trigger().Disarm();
    platform::SetEnvironment("MDX_PRINTER_STATE", "");
    DaySalesTest::TearDown();
  }

  static FrameTrigger& Trigger() { return FrameTrigger::Instance(); }

  // The host's grand-total upkeep of "Vendora.cds": "N" updates the file
  // from the printer, "S" validates it against the printer.
  bool GrandTotal(const char* idValida) {
    using AtuTotGeralFn = bool (*)(const Variant&);
    const Variant record = Record({{"CDFILIAL", "0001"},
                                   {"CDCAIXA", "001"},
                                   {"NRSERIEIMP", "SW0000001"},
                                   {"ESQUEMACOR", "004"},
                                   {"IDVALIDA", idValida}});
    return Op<AtuTotGeralFn>("Atu_TotGeral")(record);
  }

  // Switches the printer off and on; the state file gives it back. What the
  // printer says about its file (missing, damaged) is returned.
  std::string Restart() {
    ::testing::internal::CaptureStderr();
    printer_ =
        reinterpret_cast<PrinterFn>(Package().SerialSymbol("Sersweda_RestartVirtualPrinter"))();
    return ::testing::internal::GetCapturedStderr();
  }
  // A printer as the shop's: no state file yet, card payments programmed,
  // some coupons and a grand total behind it.
  void FreshPrinter() {
    platform::RemoveFile(stateFile_);
    platform::RemoveFile(stateFile_ + ".damaged");
    Restart();
    emulator::PrinterState state = Printer().State();
    state.paymentMethods[1] = {'S', "Cartao"};
    state.counters.coo = 57;
    state.grandTotal = 500000;
    Printer().SetState(state);
  }

  // The host's calls of one normal sale.
  std::vector<HostCall> Sale() {
    return {
        {"AbreCupom", [this] { return OpenCouponCall(); }, true},
        {"VendaItem CAFE",
         [this] {
           return Item({"789", "CAFE", "T01", 2, 3.50, 0.50});
         }},
        {"VendaItem ACUCAR",
         [this] {
           return Item({"456", "ACUCAR", "T02", 1, 4.20, 0});
         }},
        {"VendaItem LEITE",
         [this] {
           return Item({"123", "LEITE", "T01", 3, 2.00, 0});
         }},
        {"FechaCupom",
         [this] {
           return CloseCall(1.00, {{"E", "002", 10}, {"E", "001", 20}});
         }},
    };
  }
  bool OpenCouponCall() {
    Variant opening = Opening();
    return AbreCupom(opening);
  }
  bool Item(const Sold& s) {
    Variant item = DaySalesTest::Item(s);
    return VendaItem(item);
  }
  bool CloseCall(double surcharge, const std::vector<Movement>& payments) {
    ClosingList list;
    list[8] = surcharge;
    list[13] = MovementsPacket(payments);
    list[14] = MethodsPacket({{"001", "01", ""}, {"002", "02", ""}});
    return Close(list);
  }
  bool CancelCoupon() {
    const Variant params[] = {"007", true, true, Variant(), "0001", "001", "SW0000001"};
    OleVariant number = VarArrayOf({""});
    return Package().Op<CancelCouponFn>("Cancela_Cupom_Imp")(params, 6, number);
  }
  // Each call of the list, in order, all of them whatever the outcome.
  std::vector<bool> RunAll(const std::vector<HostCall>& calls) {
    std::vector<bool> results;
    for (const HostCall& call : calls) results.push_back(call.run());
    return results;
  }

  // AbrePorta as the till calls it when it starts.
  bool OpenSession() {
    ClieUtil() = false;
    const Variant record = Record({{"CDFILIAL", "0001"},
                                   {"CDCAIXA", "001"},
                                   {"NRSERIEIMP", "SW0000001"},
                                   {"ESQUEMA", "005"},
                                   {"CDPORTAIMPFIS", "COM1"},
                                   {"BOUTILTAA", false}});
    return Package().Op<OpenPortFn>("AbrePorta")(record);
  }

  AnsiString HostFile(const char* name) { return host_->Directory() + name; }
  // The files a till keeps while a sale is open.
  void WriteOpenSaleFiles() {
    platform::WriteFileAtomically(HostFile("cdsVenda.cds"), kSaleFile);
    platform::WriteFileAtomically(HostFile("cdsItensCancelados.cds"), kCancelledFile);
  }
  // Our till's record (grand total kept) and another till's, which nothing
  // here may change.
  static std::vector<ConfigRow> ConfigRows(const AnsiString& total) {
    return {{"0001", "001", "SW0000001", "A", "S", total},
            {"0001", "002", "SW0000002", "A", "S", "500,00"}};
  }
  // The printer's grand total as the configuration file records it.
  static AnsiString TotalText(int64_t cents) {
    return FloatToStr(static_cast<double>(cents) / 100.0);
  }
  bool TapeShowsFrom(size_t from, const AnsiString& text) {
    const std::vector<AnsiString> tape = Printer().State().tape;
    for (size_t i = from; i < tape.size(); ++i)
      if (tape[i].find(text) != AnsiString::npos) return true;
    return false;
  }

  static constexpr const char* kSaleFile = "sale rows of the host\r\n\x01\x02\x03";
  static constexpr const char* kCancelledFile = "cancelled items of the host\r\n\x7F\xFF";

  TemporaryFolder stateFolder_{"mdx_faults"};
  AnsiString stateFile_;
};

}  // namespace mdx::test
