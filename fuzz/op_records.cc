// The valid records, lists and host datasets the operation fuzz targets start from.
#include "op_records.h"

#include <string>

#include "mdx00200/datetime.h"

namespace mdx::fuzz {

Variant Record(std::initializer_list<std::pair<const char*, Variant>> pairs) {
  std::vector<Variant> items;
  for (const auto& [name, value] : pairs) items.push_back(VarArrayOf({name, value}));
  return Variant::ArrayOf(items);
}

Variant SessionRecord() {
  return Record({{"CDFILIAL", "0001"}, {"CDCAIXA", "001"}, {"NRSERIEIMP", "SW0000001"},
                 {"ESQUEMA", kScheme}, {"CDPORTAIMPFIS", "COM1"}, {"BOUTILTAA", false}});
}

Variant PrinterDataRecord() {
  return Record({{"ESQUEMA", kScheme}, {"DATAATUIMP", ""}, {"ECFIMP", ""}, {"REDIMP", ""},
                 {"SERIEIMP", ""}, {"DATAIMP", ""}});
}

Variant GrandTotalRecord() {
  return Record({{"CDFILIAL", "0001"}, {"CDCAIXA", "001"}, {"NRSERIEIMP", "SW0000001"},
                 {"ESQUEMACOR", kScheme}, {"IDVALIDA", "N"}});
}

Variant CouponRecord() {
  return Record({{"ESQUEMACOR", kScheme}, {"INTTEFERRO", 0}, {"INCLUICPF", ""}, {"INCLUINOME", ""},
                 {"INCLUIENDERECO", ""}, {"CUPNR", ""}, {"CONTCUPOM", ""}, {"IDUTILTEF", "N"},
                 {"UTILTEF", false}});
}

Variant ItemRecord() {
  return Record({{"ESQUEMACOR", kScheme}, {"INTTEFERRO", 0}, {"CDARVPROD", "7891000100103"},
                 {"NMPROD", "CAFE"}, {"CDALIQ", "T01"}, {"QTDE", 2.0}, {"VALOR", 3.5},
                 {"DESCONT", 0.0}, {"UNIDADE", ""}, {"IDUTILTEF", "N"}, {"UTILTEF", false},
                 {"ACRESCIMO", 0.0}});
}

Variant SerialCheckRecord() {
  return Record({{"UTILIZAIMPFIS", true}, {"DSDIRCAD", "Cadastros"}, {"ESQUEMACOR", kScheme},
                 {"REV_NRSERIE_IMP", "SW0000001"}});
}

Variant PaymentMethodsPacket() {
  TClientDataSet methods;
  methods.FieldDefs().Add("CDTIPORECE", ftString, 3);
  methods.FieldDefs().Add("NMTIPORECE", ftString, 40);
  methods.FieldDefs().Add("CDFPIMPFIS", ftString, 10);
  methods.FieldDefs().Add("IDTIPORECE", ftString, 1);
  methods.CreateDataSet();
  methods.Append();
  methods.FieldByName("CDTIPORECE").SetAsString("001");
  methods.FieldByName("NMTIPORECE").SetAsString("Dinheiro");
  methods.FieldByName("CDFPIMPFIS").SetAsString("01");
  methods.FieldByName("IDTIPORECE").SetAsString("1");
  methods.Post();
  return methods.Data();
}

Variant MovementsPacket(double amount) {
  TClientDataSet movements;
  TFieldDefs& defs = movements.FieldDefs();
  defs.Add("IDTIPOMOVIVE", ftString, 1);
  defs.Add("DTHRINCMOV", ftDateTime);
  defs.Add("CDTIPORECE", ftString, 3);
  defs.Add("NMTIPORECE", ftString, 40);
  defs.Add("IDTIPORECE", ftString, 1);
  defs.Add("VRMOVIVEND", ftFloat);
  defs.Add("NRORDTROCO", ftString, 3);
  defs.Add("CDFPIMPFIS", ftString, 10);
  defs.Add("CDBANCARTCR", ftString, 10);
  defs.Add("CDTIPORECEORIG", ftString, 3);
  movements.CreateDataSet();
  movements.Append();
  movements.FieldByName("IDTIPOMOVIVE").SetAsString("E");
  movements.FieldByName("DTHRINCMOV").SetAsDateTime(EncodeDate(2026, 12, 6));
  movements.FieldByName("CDTIPORECE").SetAsString("001");
  movements.FieldByName("NMTIPORECE").SetAsString("Dinheiro");
  movements.FieldByName("IDTIPORECE").SetAsString("1");
  movements.FieldByName("VRMOVIVEND").SetAsFloat(amount);
  movements.FieldByName("NRORDTROCO").SetAsString("1");
  movements.Post();
  return movements.Data();
}

Variant TableItemsPacket() {
  TClientDataSet items;
  items.FieldDefs().Add("CDARVPROD", ftString, 20);
  items.FieldDefs().Add("NMPRODUTO", ftString, 40);
  items.FieldDefs().Add("QTPRODCOMVEN", ftFloat);
  items.FieldDefs().Add("VRPRECCOMVEN", ftFloat);
  items.CreateDataSet();
  items.Append();
  items.Fields(0).SetAsString("001");
  items.Fields(1).SetAsString("REFRIGERANTE");
  items.Fields(2).SetAsFloat(3.0);
  items.Fields(3).SetAsFloat(2.99);
  items.Post();
  return items.Data();
}

Variant CreditProductsPacket() {
  TClientDataSet products;
  products.FieldDefs().Add("CDPRODIMPFIS", ftString, 20);
  products.FieldDefs().Add("CDARVPROD", ftString, 20);
  products.FieldDefs().Add("NMPRODUTO", ftString, 50);
  products.FieldDefs().Add("QTPRODCOMVEN", ftFloat);
  products.FieldDefs().Add("VRPRECCOMVEN", ftFloat);
  products.CreateDataSet();
  products.Append();
  products.Fields(0).SetAsString("P1");
  products.Fields(1).SetAsString("789");
  products.Fields(2).SetAsString("CAFE EXPRESSO GRANDE");
  products.Fields(3).SetAsFloat(2.0);
  products.Fields(4).SetAsFloat(3.5);
  products.Post();
  return products.Data();
}

std::vector<Variant> ClosingList(double paid) {
  std::vector<Variant> list(61);
  for (int i : {0, 1, 9, 10, 15, 16, 17, 18, 19, 20, 21, 27, 31, 35, 36, 40, 43, 44}) list[i] = "";
  for (int i : {6, 7, 8, 37, 38, 51, 52, 54, 58}) list[i] = 0.0;
  list[1] = "OBRIGADO, VOLTE SEMPRE";
  list[2] = kScheme;
  list[4] = false;   // no change voucher
  list[11] = false;  // no TEF
  list[13] = MovementsPacket(paid);
  list[14] = PaymentMethodsPacket();
  list[22] = "1";
  list[23] = "Caixa 1";
  list[32] = Variant::Null();
  list[33] = Variant::Null();
  list[34] = Variant::Null();
  list[60] = true;
  return list;
}

std::vector<Variant> CancelList() { return {kScheme, false, true, "", "0001", "001", "SW0000001"}; }

std::vector<Variant> MirrorList() {
  return {kScheme, "COM1", "06/12/2026", "001", "0001", "SW0000001",
          "06/12/2026", "06/12/2026", "", "0001", "001"};
}

std::vector<Variant> MfdFileList() {
  return {"D", "06/12/2026", "06/12/2026", "MF", "SW0000001", "001",
          "COM1", "06/12/2026", "001", "0001", "0001", "001"};
}

std::vector<Variant> MemoryReadingList() {
  return {kScheme, "01/12/2026", "06/12/2026", "C", "", "COM1", "06/12/2026",
          "001", "0001", "SW123456", "0001", "001"};
}

std::vector<Variant> PafList() { return {"", "", kScheme, Variant::Null(), Variant::Null()}; }

Variant HostPacket(const std::vector<const char*>& fields, const std::vector<std::vector<Variant>>& rows) {
  TClientDataSet ds;
  for (const AnsiString field : fields) {
    const size_t colon = field.find(':');
    if (field[colon + 1] == 'S')
      ds.FieldDefs().Add(field.substr(0, colon), ftString, std::stoi(field.substr(colon + 2)));
    else
      ds.FieldDefs().Add(field.substr(0, colon), ftFloat);
  }
  ds.CreateDataSet();
  for (const std::vector<Variant>& row : rows) {
    ds.Append();
    for (size_t i = 0; i < row.size(); ++i) ds.Fields(static_cast<int>(i)).SetValue(row[i]);
    ds.Post();
  }
  return ds.Data();
}

void ReceiptTypes(TClientDataSet& ds) {
  ds.FieldDefs().Add("CDTIPORECE", ftString, 3);
  ds.FieldDefs().Add("CDFPIMPFIS", ftString, 10);
  ds.CreateDataSet();
  ds.Append();
  ds.FieldByName("CDFPIMPFIS").SetAsString("01");
  ds.FieldByName("CDTIPORECE").SetAsString("001");
  ds.Post();
}

void ReceiptMethods(TClientDataSet& ds) {
  TFieldDefs& defs = ds.FieldDefs();
  defs.Add("CDTIPORECE", ftString, 3);
  defs.Add("NMTIPORECE", ftString, 40);
  defs.Add("CDTIPOTROCO", ftString, 3);
  defs.Add("IDEMIVALE", ftString, 1);
  defs.Add("CDFPIMPFIS", ftString, 10);
  defs.Add("IDTIPORECE", ftString, 1);
  defs.Add("IDTPBUTTON", ftString, 1);
  defs.Add("DSIMPFISCAL", ftString, 50);
  defs.Add("IDMOSTRARECE", ftString, 1);
  ds.CreateDataSet();
}

}  // namespace mdx::fuzz
