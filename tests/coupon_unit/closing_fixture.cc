#include "coupon_unit/closing_fixture.h"

namespace mdx::test {

namespace {

// The twenty fields of a movement row, as the host's cash dataset has them.
void MovementFields(TFieldDefs& defs) {
  defs.Add("CDFILIAL", ftString, 4);
  defs.Add("IDTIPOMOVIVE", ftString, 1);
  defs.Add("DTHRINCMOV", ftDateTime);
  defs.Add("CDTIPORECE", ftString, 3);
  defs.Add("NMTIPORECE", ftString, 40);
  defs.Add("IDTIPORECE", ftString, 1);
  defs.Add("VRMOVIVEND", ftFloat);
  defs.Add("VRMOVIVEOUT", ftFloat);
  defs.Add("VRCOTINDOUT", ftFloat);
  defs.Add("CDTIPOTROCO", ftString, 3);
  defs.Add("NRORDTROCO", ftString, 3);
  defs.Add("CDCLIENTE", ftString, 15);
  defs.Add("CDCONSUMIDOR", ftString, 20);
  defs.Add("DTMOVIMCAIXA", ftDateTime);
  defs.Add("DSIMPFISCAL", ftString, 50);
  defs.Add("CDFPIMPFIS", ftString, 10);
  defs.Add("NRCARTBANCO", ftString, 20);
  defs.Add("CDNSUHOSTTEF", ftString, 20);
  defs.Add("CDBANCARTCR", ftString, 10);
  defs.Add("CDTIPORECEORIG", ftString, 3);
}

template <typename Row, typename Fill>
Variant Packet(void (*fields)(TFieldDefs&), const std::vector<Row>& rows, Fill fill,
               const char* index = nullptr) {
  TClientDataSet ds;
  fields(ds.FieldDefs());
  if (index) ds.IndexDefs().Add("idxHost", index);
  ds.CreateDataSet();
  for (const Row& row : rows) {
    ds.Append();
    fill(ds, row);
    ds.Post();
  }
  return ds.Data();
}

void Set(TClientDataSet& ds, const char* field, const AnsiString& text) {
  ds.FieldByName(field).SetAsString(text);
}

}  // namespace

Variant MovementsPacket(const std::vector<Movement>& movements, bool ownIndex) {
  int order = 0;
  return Packet(&MovementFields, movements, [&order](TClientDataSet& ds, const Movement& m) {
    Set(ds, "CDFILIAL", "0001");
    Set(ds, "IDTIPOMOVIVE", m.kind);
    ds.FieldByName("DTHRINCMOV").SetAsDateTime(EncodeDate(2026, 12, 6) + 0.5 + order / 86400.0);
    Set(ds, "CDTIPORECE", m.method);
    Set(ds, "NMTIPORECE", "Metodo " + m.method);
    Set(ds, "IDTIPORECE", m.methodKind);
    ds.FieldByName("VRMOVIVEND").SetAsFloat(m.amount);
    Set(ds, "NRORDTROCO", IntToStr(++order));
    Set(ds, "CDBANCARTCR", m.card);
    Set(ds, "CDTIPORECEORIG", m.origin);
  }, ownIndex ? "CDTIPORECE" : nullptr);
}

Variant MethodsPacket(const std::vector<Method>& methods) {
  auto fields = [](TFieldDefs& defs) {
    defs.Add("CDFILIAL", ftString, 4);
    defs.Add("CDTIPORECE", ftString, 3);
    defs.Add("NMTIPORECE", ftString, 40);
    defs.Add("CDFPIMPFIS", ftString, 10);
    defs.Add("IDTIPORECE", ftString, 1);
  };
  return Packet(+fields, methods, [](TClientDataSet& ds, const Method& m) {
    Set(ds, "CDTIPORECE", m.code);
    Set(ds, "NMTIPORECE", "Metodo " + m.code);
    Set(ds, "CDFPIMPFIS", m.position);
    Set(ds, "IDTIPORECE", m.kind);
  });
}

Variant CreditPacket(const std::vector<Balance>& rows) {
  auto fields = [](TFieldDefs& defs) {
    defs.Add("CDFAMILISALD", ftString, 4);
    defs.Add("NMFAMILISALD", ftString, 30);
    defs.Add("VRSALDCONFAM", ftFloat);
  };
  return Packet(+fields, rows, [](TClientDataSet& ds, const Balance& b) {
    Set(ds, "CDFAMILISALD", b.family);
    Set(ds, "NMFAMILISALD", b.name);
    ds.FieldByName("VRSALDCONFAM").SetAsFloat(b.amount);
  });
}

Variant FamilySpendingPacket(const std::vector<Balance>& rows) {
  auto fields = [](TFieldDefs& defs) {
    defs.Add("CDFAMILISALD", ftString, 4);
    defs.Add("VRSALDCONFAM", ftFloat);
  };
  return Packet(+fields, rows, [](TClientDataSet& ds, const Balance& b) {
    Set(ds, "CDFAMILISALD", b.family);
    ds.FieldByName("VRSALDCONFAM").SetAsFloat(b.amount);
  });
}

Variant LoansPacket(const std::vector<Balance>& rows) {
  auto fields = [](TFieldDefs& defs) {
    defs.Add("CDFAMILISALD", ftString, 4);
    defs.Add("IDTPMOVEXT", ftString, 1);
    defs.Add("VRMOVEXTCONS", ftFloat);
  };
  return Packet(+fields, rows, [](TClientDataSet& ds, const Balance& b) {
    Set(ds, "CDFAMILISALD", b.family);
    Set(ds, "IDTPMOVEXT", b.loanKind);
    ds.FieldByName("VRMOVEXTCONS").SetAsFloat(b.amount);
  });
}

ClosingList::ClosingList() : items_(61) {
  const int texts[] = {0, 1, 2, 9, 10, 15, 16, 17, 18, 19, 20, 21, 22, 23, 27, 31, 35, 36, 40, 43, 44};
  for (int i : texts) items_[static_cast<size_t>(i)] = "";
  const int reals[] = {6, 7, 8, 37, 38, 51, 52, 54, 58};
  for (int i : reals) items_[static_cast<size_t>(i)] = 0.0;
  items_[4] = false;
  items_[11] = false;
  items_[60] = true;
  items_[2] = "007";
  items_[13] = MovementsPacket({});
  items_[14] = MethodsPacket({{"001", "01", ""}, {"X07", "", ""}});
  items_[32] = Variant::Null();
  items_[33] = Variant::Null();
  items_[34] = Variant::Null();
}

void ClosingTest::SetUp() {
  SaleTest::SetUp();
  // The sale commands are answered here; the virtual printer gives the
  // coupon number (its COO) and the status.
  Script().Accept({"03", "1151", "10", "12N", "19", "07"});
  emulator::PrinterState state = Printer().State();
  state.counters.coo = 57;
  Printer().SetState(state);
}

bool ClosingTest::Close(ClosingList& list, TStringList* tefLines) {
  result = VarArrayOf({"unset", "unset", "unset", "unset"});
  std::vector<Variant>& items = list.Items();
  return Package().Op<FechaCupomFn>("FechaCupom")(items.data(), static_cast<int>(items.size()) - 1,
                                                  tefLines, result);
}

AnsiString ClosingTest::FooterParams() {
  const std::vector<AnsiString> closings = FramesOf(".12N");
  if (closings.empty()) return "<no 12N>";
  const AnsiString& frame = closings.back();
  return frame.substr(4, frame.size() - 5);
}

std::vector<AnsiString> ClosingTest::FooterPairs() {
  // Pairs of "0" + 40 characters; bare "0"s only at the end.
  std::vector<AnsiString> pairs;
  AnsiString rest = FooterParams();
  while (!rest.empty()) {
    const size_t size = rest.size() >= 41 ? 41 : 1;
    pairs.push_back(rest.substr(0, size));
    EXPECT_EQ(rest[0], '0') << "pair " << pairs.size();
    EXPECT_TRUE(size == 41 || rest.find_first_not_of('0') == AnsiString::npos) << "pair " << pairs.size();
    rest.erase(0, size);
  }
  return pairs;
}

}  // namespace mdx::test
