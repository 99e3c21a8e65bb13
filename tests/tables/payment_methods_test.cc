// CarregaRecebimento against the virtual printer's payment-method table.
#include <functional>

#include "mdx00200/data_module.h"
#include "tables/tables_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;
using emulator::PaymentMethod;
using emulator::PrinterState;

class PaymentMethodsTest : public TablesTest {
 protected:
  // The names the printer holds, in table order, up to its last used entry.
  std::vector<AnsiString> PrinterNames() {
    std::vector<AnsiString> names;
    for (const PaymentMethod& m : Printer().State().paymentMethods)
      names.push_back(m.flag + m.name);
    while (!names.empty() && names.back() == " ") names.pop_back();
    return names;
  }
  void SetMethods(const std::vector<PaymentMethod>& methods) {
    ChangePrinter([&](PrinterState& s) {
      s.paymentMethods = {};
      for (size_t i = 0; i < methods.size(); ++i) s.paymentMethods[i] = methods[i];
    });
  }
};

// A till's receipt types: one already on a fresh printer (Dinheiro), shown
// and hidden ones, a name longer than the printer's 15 characters, one whose
// change goes in a method of kind "7", a hidden kind ("B"), one without a
// printer name and one that is not a button of type "5".
const std::vector<HostMethod> kTill = {
    {"001", "Dinheiro", "1", "", "S"},
    {"002", "Cheque", "2", "", ""},
    {"003", "Cartao Credito Visa", "9", "", "S"},
    {"004", "Vale Refeicao", "3", "", "N"},
    {"005", "Troco", "7", "", "S"},
    {"006", "Ticket Alimentacao", "A", "005", "S"},
    {"007", "Convenio", "B", "", "S"},
    {"008", "", "1", "", "S"},
    {"009", "Botao Quatro", "1", "", "S", "4"},
};

TEST_F(PaymentMethodsTest, FirstLoadProgramsWhatThePrinterLacks) {
  auto host = HostMethods(kTill);
  LoadMethods(*host);

  // One "39" with every missing shown method, upper-cased and cut or filled
  // to 15, "#" and 14 characters for the one whose change method is of kind
  // "7", and the management-report method last.
  EXPECT_EQ(CountFrames(".39"), 1);
  EXPECT_EQ(CountFrames(".39SCHEQUE         SCARTAO CREDITO STROCO          S#TICKET ALIMENT"
                        "SCONVENIO       SRel Gerencial  }"),
            1);
  EXPECT_EQ(PrinterNames(),
            (std::vector<AnsiString>{"SDinheiro", "SCHEQUE", "SCARTAO CREDITO", "STROCO",
                                     "S#TICKET ALIMENT", "SCONVENIO", "SRel Gerencial"}));
  // The methods just programmed leave the host dataset for this load; the
  // one found has its position and the mark that this load programmed.
  EXPECT_EQ(Rows(*host), (std::vector<MethodRow>{{"001", "01", "S", "S"},
                                                 {"004", "", "", "N"},
                                                 {"008", "", "", "S"},
                                                 {"009", "", "", "S"}}));
  EXPECT_EQ(Text("stRelGer"), "07");
  for (const char* global : {"CdFormPagCPess", "IdFormPagCPess", "DsFormPagCPess", "CdFormPagVCons",
                             "IdFormPagVCons", "DsFormPagVCons"}) {
    EXPECT_EQ(Text(global), "") << global;
  }
  EXPECT_FALSE(host->Filtered());
  auto* dm = Package().Global<Mdx00200::TdtmSweda200*>("dtmSweda200");
  EXPECT_EQ(Rows(*dm->cdsTipoRece), Rows(*host));
}

// Later loads find every method at the printer's position and program
// nothing, whether the host passes its methods without positions (as read
// from its database) or with the ones the last load wrote.
TEST_F(PaymentMethodsTest, LaterLoadsFindEverythingAtTheSamePositions) {
  auto first = HostMethods(kTill);
  LoadMethods(*first);
  const std::vector<AnsiString> programmed = PrinterNames();

  const std::vector<MethodRow> expected = {{"001", "01", "", "S"}, {"002", "02", "", ""},
                                           {"003", "03", "", "S"}, {"004", "", "", "N"},
                                           {"005", "04", "", "S"}, {"006", "05", "", "S"},
                                           {"007", "06", "", "N"},  // kind "B" is hidden once found
                                           {"008", "", "", "S"},   {"009", "", "", "S"}};
  auto host = HostMethods(kTill);
  for (int load = 2; load <= 3; ++load) {
    const int before = CountFrames(".39");
    LoadMethods(*host);  // the third load gets the dataset the second wrote
    EXPECT_EQ(CountFrames(".39") - before, 1) << load;
    EXPECT_EQ(CountFrames(".39}"), load - 1) << load;  // the list is empty
    EXPECT_EQ(PrinterNames(), programmed) << load;
    EXPECT_EQ(Rows(*host), expected) << load;
    EXPECT_EQ(Text("stRelGer"), "07") << load;
    EXPECT_EQ(Text("CdFormPagCPess"), "003");
    EXPECT_EQ(Text("IdFormPagCPess"), "03");
    EXPECT_EQ(Text("DsFormPagCPess"), "Cartao Credito V");
    EXPECT_EQ(Text("CdFormPagVCons"), "006");
    EXPECT_EQ(Text("IdFormPagVCons"), "05");
    EXPECT_EQ(Text("DsFormPagVCons"), "Ticket Alimentac");
  }
}

// Positions count from firstPosition.
TEST_F(PaymentMethodsTest, PositionsStartAtTheFirstPosition) {
  SetMethods({{'S', "Dinheiro"}, {'S', "CHEQUE"}, {'S', "Rel Gerencial"}});
  auto host = HostMethods({{"001", "Dinheiro", "1", "", "S"}, {"002", "cheque", "2", "", "S"}});
  LoadMethods(*host, 3);
  EXPECT_EQ(Rows(*host), (std::vector<MethodRow>{{"001", "03", "", "S"}, {"002", "04", "", "S"}}));
  EXPECT_EQ(Text("stRelGer"), "05");
  EXPECT_EQ(CountFrames(".39}"), 1);
}

// A table the printer does not give whole programs nothing and leaves the
// host's methods as they were.
TEST_F(PaymentMethodsTest, UnreadTableChangesNothing) {
  Fault(FaultKind::kRefuse, "29Q", emulator::kEveryTime);
  auto host =
      HostMethods({{"001", "Dinheiro", "1", "", "S", "5", "07"}, {"002", "Cheque", "2", "", "S"}});
  const std::vector<MethodRow> before = Rows(*host);
  LoadMethods(*host);
  EXPECT_EQ(CountFrames(".39"), 0);
  EXPECT_EQ(Rows(*host), before);
  EXPECT_EQ(Text("stRelGer"), "");
  EXPECT_EQ(PrinterNames(), std::vector<AnsiString>{"SDinheiro"});
}

// The first piece pauses from its second attempt, the others from their
// eighth; the host's message loop runs before every attempt.
TEST_F(PaymentMethodsTest, AttemptsPauseAndLetTheHostRun) {
  struct Case {
    AnsiString command;
    int lost;
    int attempts;
    int pauses;
  } cases[] = {{"295", 2, 3, 2}, {"296", 8, 9, 2}, {"29R", 9, 10, 3}};
  SetMethods({{'S', "Dinheiro"}, {'S', "Rel Gerencial"}});
  for (const Case& c : cases) {
    Printer().ClearFaults();
    host_->delays.clear();
    host_->processMessagesCalls = 0;
    const int before = CountFrames("." + c.command + "}");
    Fault(FaultKind::kNoAnswer, c.command, c.lost);
    auto host = HostMethods({{"001", "Dinheiro", "1", "", "S"}});
    LoadMethods(*host);
    // The table is read twice: before and after the (empty) "39".
    EXPECT_EQ(CountFrames("." + c.command + "}") - before, c.attempts + 1) << c.command;
    EXPECT_EQ(static_cast<int>(host_->delays.size()), c.pauses) << c.command;
    EXPECT_EQ(host_->processMessagesCalls, c.attempts + 3 + 4) << c.command;
    EXPECT_EQ(Rows(*host), (std::vector<MethodRow>{{"001", "01", "", "S"}})) << c.command;
  }
}

// Every entry of the list that the printer did not take costs its host
// method, not only every other one. Only a table that changes under the load
// shows it: the printer lists the methods while the list is built (another
// till programs them), refuses the "39", and has lost them when it is read
// again.
TEST_F(PaymentMethodsTest, EveryEntryThePrinterDidNotTakeIsChecked) {
  struct PumpingHost : FakeHost {
    std::function<void(int)> onPump;
    void ProcessMessages() override {
      FakeHost::ProcessMessages();
      onPump(processMessagesCalls);
    }
  } pumping;
  const std::vector<AnsiString> names = {"ALFA", "BETA", "GAMA"};
  pumping.onPump = [&](int call) {
    // Reads of four pieces each: the first, one after each missing method,
    // and the one after "39".
    if (call == 5 || call == 9 || call == 13) {
      const size_t next = static_cast<size_t>(call - 5) / 4;
      ChangePrinter([&](PrinterState& s) { s.paymentMethods[next + 1] = {'S', names[next]}; });
    }
    if (call == 17) SetMethods({{'S', "Dinheiro"}});
  };
  Fault(FaultKind::kRefuse, "39");
  HostServices* previous = InstallHostServices(&pumping);
  auto host = HostMethods({{"001", "Dinheiro", "1", "", "S"},
                           {"002", "Alfa", "1", "", "S"},
                           {"003", "Beta", "1", "", "S"},
                           {"004", "Gama", "1", "", "S"}});
  LoadMethods(*host);
  InstallHostServices(previous);
  EXPECT_EQ(pumping.processMessagesCalls, 20);
  EXPECT_EQ(Rows(*host), (std::vector<MethodRow>{{"001", "01", "S", "S"}}));
}

}  // namespace
}  // namespace mdx::test
