// The fiscal menu after a day of sales on the virtual printer, with the real
// maker substitutes: each generator writes its file into the fiscal-menu
// folder, the file holds that day's documents, the signed files pass the
// signature check (and fail it once a byte changes), and the session works
// again afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "day/day_sales.h"
#include "fiscalmenu/menu_datasets.h"
#include "fiscalmenu/signed_files.h"
#include "mdx00200/datetime.h"
#include "mdx00200/platform.h"
#include "mdx00200/string_list.h"

namespace mdx::test {
namespace {

using GeneratorFn = bool (*)(const Variant*, int, OleVariant&);
using SalesFilesFn = bool (*)(const Variant*, int, TStringList*&);
using StartFn = bool (*)(Variant&);
using ZFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&, const AnsiString&);
using CancelCouponFn = bool (*)(const Variant*, int, OleVariant&);

const TDateTime kDay = EncodeDate(2026, 12, 6);
const Sold kRice = {"7891000100011", "ARROZ", "T01", 2, 20.00, 0};
const Sold kBeans = {"7891000100022", "FEIJAO", "T02", 1, 15.00, 0};
const Sold kCoffee = {"7891000100033", "CAFE", "T01", 1, 12.34, 0};

class FiscalMenuEndToEndTest : public DaySalesTest {
 protected:
  void SetUp() override {
    DaySalesTest::SetUp();
    // A serial number of 8 characters: the converted file's new name keeps
    // the time stamp whole (the name takes 16 characters from the 9th of the
    // old suffix).
    emulator::PrinterState state = Printer().State();
    state.serialNumber = "SW123456";
    Printer().SetState(state);
    host_->SetNow(kDay + EncodeTime(10, 11, 12, 0));
    Printer().SetClock(kDay + EncodeTime(9, 0, 0, 0));
    Variant session = Record({{"CDFILIAL", "0001"},
                              {"CDCAIXA", "001"},
                              {"NRSERIEIMP", "SW123456"},
                              {"ESQUEMA", "007"},
                              {"CDPORTAIMPFIS", "COM1"},
                              {"BOUTILTAA", false}});
    ASSERT_TRUE(Op<StartFn>("StartImpFiscal")(session));
    ASSERT_TRUE(Package().Global<bool>("boImpFiscalOK"));
    menuFolder_ = host_->Directory() + "Dados/MenuFiscal/";
    ASSERT_TRUE(platform::ForceDirectories(menuFolder_));
  }

  // Two coupons, a third one cancelled, then the Z reduction.
  void SellTheDay() {
    OpenCoupon();
    Sell(kRice);
    Sell(kBeans);
    CloseCoupon(0, {{"E", "001", 60.00}});
    OpenCoupon();
    Sell(kCoffee);
    CloseCoupon(0, {{"E", "001", 12.34}});
    OpenCoupon();
    Sell(kCoffee);
    CloseCoupon(0, {{"E", "001", 12.34}});
    const Variant cancel[] = {"007", true, true, Variant(), "0001", "001", "SW123456"};
    OleVariant cancelled = VarArrayOf({""});
    ASSERT_TRUE(Op<CancelCouponFn>("Cancela_Cupom_Imp")(cancel, 6, cancelled));
    ASSERT_TRUE(Op<ZFn>("Reducao_Z_Imp")("key", "", "007", ""));
  }

  bool Generate(const char* name, std::vector<Variant> elements) {
    OleVariant result;
    return Op<GeneratorFn>(name)(elements.data(), static_cast<int>(elements.size()) - 1, result);
  }
  std::vector<AnsiString> MenuFiles() {
    std::vector<AnsiString> names;
    for (const AnsiString& name : listing(menuFolder_)) names.push_back(name);
    return names;
  }
  static std::vector<AnsiString> listing(const AnsiString& folder) {
    std::vector<AnsiString> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.c_str())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  // The file must be signed, hold every text given, and fail the check once
  // one of its bytes changes.
  void ExpectSignedWith(const AnsiString& path, std::initializer_list<const char*> texts) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(platform::FileExists(path));
    const std::string content = platform::ReadFile(path);
    for (const char* text : texts) EXPECT_NE(content.find(text), std::string::npos) << text;
    EXPECT_EQ(ValidateSignature(path), 0);
  }
  void ExpectSessionWorks() {
    EXPECT_TRUE(Send("23", {}, true, false));
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  }

  AnsiString menuFolder_;
};

TEST_F(FiscalMenuEndToEndTest, EveryGeneratorWritesTheDaysFileAndSignsIt) {
  SellTheDay();
  // The detail-tape mirror of the day.
  ASSERT_TRUE(Generate("geraEspelhoMfd", {"007", "COM1", "06/12/2026", "001", "0001", "SW123456",
                                          "06/12/2026", "06/12/2026", "", "0001", "001"}));
  const AnsiString mirror = menuFolder_ + "Espelho_MFD_06122026101112.txt";
  ExpectSignedWith(mirror, {"CUPOM FISCAL", "ARROZ", "FEIJAO", "CANCELAMENTO DE CUPOM FISCAL",
                            "REDUCAO Z"});
  ExpectSessionWorks();

  // The electronic file of the day, as "Ato_Cotepe.txt".
  ASSERT_TRUE(Generate("Gera_ArquivoMFD", {"D", "06/12/2026", "06/12/2026", "MF", "SW123456",
                                           "007", "COM1", "06/12/2026", "001", "0001", "0001",
                                           "001"}));
  ExpectSignedWith(menuFolder_ + "Ato_Cotepe.txt", {"E01", "7891000100011", "7891000100033"});
  ExpectSessionWorks();

  // The fiscal-memory files: converted (renamed to the fabrication number)
  // and simplified.
  ASSERT_TRUE(Generate("EmiteLeituraMemoriaFiscalSerial",
                       {"007", "06/12/2026", "06/12/2026", "C", "", "COM1", "06/12/2026", "001",
                        "0001", "SW123456", "0001", "001"}));
  ExpectSignedWith(menuFolder_ + "MFSW000000000000123456_20261206_101112.txt",
                   {"E01SW000000000000123456"});
  ASSERT_TRUE(Generate("EmiteLeituraMemoriaFiscalSerial",
                       {"007", "06/12/2026", "06/12/2026", "S", "", "COM1", "06/12/2026", "001",
                        "0001", "SW123456", "0001", "001"}));
  ExpectSignedWith(menuFolder_ + "LMFS_SW123456_20261206_101112.txt", {"SW123456"});
  ExpectSessionWorks();

  // The daily sales file of the day, in the library's work folder.
  TClientDataSet parameters;
  FillTexts(parameters,
            {{"IDGRAVAMFD", 1}, {"NRSERIEECF", 20}, {"IDESQUEMA", 3}, {"CDFILIAL", 4},
             {"CDCAIXA", 3}, {"CDPORTAIMPFIS", 5}, {"DATAATUIMP", 10}, {"ECFIMP", 3},
             {"REDIMP", 4}, {"DATAIMP", 10}},
            {{"S", "SW123456", "007", "0001", "001", "COM1", "06/12/2026", "001", "0001",
              "06/12/2026"}});
  const Variant period[] = {parameters.Data(), "06/12/2026", "06/12/2026"};
  TStringList* files = nullptr;
  ASSERT_TRUE(Op<SalesFilesFn>("GeraCatGenerica")(period, 2, files));
  ASSERT_NE(files, nullptr);
  ASSERT_EQ(files->Count(), 1);
  const AnsiString daily = files->Strings(0);
#ifdef _WIN32
  // The machine's own work folder on Windows.
  EXPECT_EQ(daily, "c:\\sweda\\rfd\\SW000100106122026.txt");
#else
  EXPECT_EQ(daily, host_->Directory() + "Sweda/RFD/SW000100106122026.txt");
#endif
  const std::string sales = platform::ReadFile(daily);
  EXPECT_NE(sales.find("7891000100022"), std::string::npos);
  platform::RemoveFile(daily);
  delete files;
  ExpectSessionWorks();

  // A byte changed in a signed file fails the check.
  std::string bytes = platform::ReadFile(mirror);
  const size_t at = bytes.find("ARROZ");
  bytes[at] = 'B';
  platform::WriteFileAtomically(mirror, bytes);
  EXPECT_NE(ValidateSignature(mirror), 0);

  // Nothing else landed in the fiscal-menu folder, and the next morning the
  // till sells again (the day the Z closed takes no more coupons).
  EXPECT_EQ(MenuFiles(),
            (std::vector<AnsiString>{"Ato_Cotepe.txt", "Espelho_MFD_06122026101112.txt",
                                     "LMFS_SW123456_20261206_101112.txt",
                                     "MFSW000000000000123456_20261206_101112.txt"}));
  host_->SetNow(kDay + 1 + EncodeTime(9, 0, 0, 0));
  Printer().SetClock(kDay + 1 + EncodeTime(9, 0, 0, 0));
  OpenCoupon();
  Sell(kRice);
  CloseCoupon(0, {{"E", "001", 40.00}});
}

}  // namespace
}  // namespace mdx::test
