// The files' texts, written from the hand-built state.
#include <gtest/gtest.h>

#include <algorithm>

#include "fiscalfiles/detail_mirror.h"
#include "fiscalfiles/electronic_file.h"
#include "fiscalfiles/fixed_fields.h"
#include "fiscalfiles/memory_dump.h"
#include "fiscalfiles/memory_reading.h"
#include "sample_state.h"

namespace mdx::fiscalfiles::test {
namespace {

using Lines = std::vector<AnsiString>;

Range Coos(int first, int last) { return {RangeKind::kCounter, first, last}; }
Range Days(int first, int last) {
  return {RangeKind::kDay, DayNumber(At(first, 0, 0, 0)), DayNumber(At(last, 0, 0, 0))};
}

Lines DocumentLines(int coo, const char* title) {
  return {AnsiString(48, '='), "COO:00000" + std::to_string(coo), title, AnsiString(48, '=')};
}

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(DetailMirrorTextTest, HeaderThenThePrintedLinesOfTheRangesDocumentsInCooOrder) {
  const Lines expected = Concat({
      {"ESPELHO DA MEMORIA DE FITA-DETALHE", AnsiString("FAB: ") + kFabrication,
       "SERIE: SW0000001  ECF: 007", "PERIODO: COO 000002 A 000003",
       "CAPTURA: 07/12/2026 18:30:15", "DOCUMENTOS: 2", ""},
      DocumentLines(2, "CUPOM FISCAL CANCELADO"),
      DocumentLines(3, "COMPROVANTE NAO FISCAL"),
  });
  Snapshot snapshot = SampleSnapshot();
  EXPECT_EQ(SplitLines(MirrorText(snapshot, Coos(2, 3))), expected);
  std::reverse(snapshot.state.detail.begin(), snapshot.state.detail.end());
  EXPECT_EQ(SplitLines(MirrorText(snapshot, Coos(2, 3))), expected);
}

TEST(DetailMirrorTextTest, DayRangeTakesTheDocumentsIssuedThatDay) {
  const Lines lines = SplitLines(MirrorText(SampleSnapshot(), Days(7, 7)));
  ASSERT_EQ(lines.size(), 7u + 8u);
  EXPECT_EQ(lines[3], "PERIODO: DATA 07/12/2026 A 07/12/2026");
  EXPECT_EQ(lines[5], "DOCUMENTOS: 2");
  EXPECT_EQ(lines[8], "COO:000005");
  EXPECT_EQ(lines[12], "COO:000006");
}

TEST(CaptureSnapshotTest, LeavesOutTheTapeAndADocumentStillOpen) {
  emulator::PrinterState state = SampleState();
  state.tape = {"LINE"};
  EXPECT_EQ(TakeSnapshot(state, 0).state.detail.size(), 6u);
  state.detailTapeStart = 0;  // COO 6's record is still open
  const Snapshot snapshot = TakeSnapshot(state, 1);
  EXPECT_TRUE(snapshot.state.tape.empty());
  EXPECT_EQ(snapshot.state.detail.size(), 5u);
  EXPECT_EQ(snapshot.state.detailTapeStart, -1);
  EXPECT_EQ(snapshot.taken, 1);
}

// Record types and lengths of the electronic file, and its fields.
struct FieldCase {
  size_t record;
  int column;
  int width;
  const char* value;
};

void ExpectFields(const Lines& records, std::initializer_list<FieldCase> cases) {
  for (const FieldCase& c : cases) {
    SCOPED_TRACE("record " + std::to_string(c.record) + " column " + std::to_string(c.column));
    ASSERT_LT(c.record, records.size());
    EXPECT_EQ(Field(records[c.record], c.column, c.width), c.value);
  }
}

TEST(ElectronicFileRecordsTest, RecordsOfADayInOrderWithTheirLengths) {
  Snapshot memory = SampleSnapshot();
  memory.state.counters.crz = 9;  // the header's CRZ comes from the fiscal-memory capture
  const Lines records = SplitLines(ElectronicFileText(memory, SampleSnapshot(), Days(6, 6)));
  struct Shape {
    const char* type;
    size_t length;
  } shapes[] = {{"E01", 102}, {"E14", 148}, {"E15", 155}, {"E15", 155}, {"E21", 67},
                {"E21", 67},  {"E14", 148}, {"E15", 155}, {"E16", 71},  {"E21", 67},
                {"E16", 71},  {"E99", 68}};
  ASSERT_EQ(records.size(), std::size(shapes));
  for (size_t k = 0; k < records.size(); ++k) {
    SCOPED_TRACE(records[k]);
    EXPECT_EQ(records[k].substr(0, 3), shapes[k].type);
    EXPECT_EQ(records[k].size(), shapes[k].length);
    EXPECT_EQ(Field(records[k], 4, 20), kFabrication);
  }
  ExpectFields(records, {
      // E01: model, ECF, CRO, CRZ, range kind and bounds, capture moment, grand total.
      {0, 24, 20, "MDX ECF VIRTUAL     "}, {0, 44, 3, "007"}, {0, 47, 4, "0003"},
      {0, 51, 4, "0009"}, {0, 55, 1, "D"}, {0, 56, 8, "20261206"}, {0, 64, 8, "20261206"},
      {0, 72, 8, "20261207"}, {0, 80, 6, "183015"}, {0, 86, 17, "00000000000001766"},
      // E14: COO, CCF, issued, subtotal, discount, surcharge, total, change, cancelled, consumer.
      {1, 24, 6, "000001"}, {1, 30, 6, "000001"}, {1, 36, 8, "20261206"}, {1, 44, 6, "100000"},
      {1, 50, 14, "00000000000716"}, {1, 64, 13, "0000000000100"}, {1, 77, 13, "0000000000000"},
      {1, 90, 14, "00000000000616"}, {1, 104, 14, "00000000000084"}, {1, 118, 1, "N"},
      {1, 119, 30, "12345678909                   "},
      // E15: item number, code, description, quantity, price, line total,
      // discount, surcharge, value, tax code, cancelled, unit.
      {2, 24, 6, "000001"}, {2, 30, 6, "000001"}, {2, 36, 3, "001"}, {2, 39, 13, "0000000000789"},
      {2, 52, 24, "CAFE                    "}, {2, 76, 7, "0002000"}, {2, 83, 9, "000000350"},
      {2, 92, 14, "00000000000700"}, {2, 106, 13, "0000000000050"},
      {2, 119, 13, "0000000000000"}, {2, 132, 14, "00000000000650"}, {2, 146, 7, "T01    "},
      {2, 153, 1, "N"}, {2, 154, 2, "KG"},
      {3, 154, 2, "  "},
      {3, 36, 3, "002"}, {3, 52, 24, "PAO DE QUEIJO           "}, {3, 76, 7, "0000333"},
      {3, 132, 14, "00000000000066"}, {3, 146, 7, "I      "},
      // E21: method, its name, amount as tendered, cancelled.
      {4, 24, 6, "000001"}, {4, 30, 6, "000001"}, {4, 36, 2, "02"}, {4, 38, 15, "Cartao         "},
      {4, 53, 14, "00000000000200"}, {4, 67, 1, "N"},
      {5, 36, 2, "01"}, {5, 38, 15, "Dinheiro       "}, {5, 53, 14, "00000000000500"},
      // The cancelled coupon.
      {6, 24, 6, "000002"}, {6, 30, 6, "000002"}, {6, 90, 14, "00000000001000"},
      {6, 104, 14, "00000000000000"}, {6, 118, 1, "S"}, {6, 119, 30, std::string(30, ' ').c_str()},
      {7, 153, 1, "N"},
      // E16: COO, counter, kind, issued, amount, COO referred to; the receipt's payment.
      {8, 24, 6, "000003"}, {8, 30, 6, "000001"}, {8, 36, 2, "CN"}, {8, 38, 8, "20261206"},
      {8, 46, 6, "110000"}, {8, 52, 14, "00000000010000"}, {8, 66, 6, "000000"},
      {9, 24, 6, "000003"}, {9, 36, 2, "01"}, {9, 53, 14, "00000000015000"},
      {10, 24, 6, "000004"}, {10, 30, 6, "000001"}, {10, 36, 2, "RZ"},
      {10, 52, 14, "00000000000000"},
      // E99: coupons, items, other documents, payments, all records.
      {11, 24, 9, "000000002"}, {11, 33, 9, "000000003"}, {11, 42, 9, "000000002"},
      {11, 51, 9, "000000003"}, {11, 60, 9, "000000012"},
  });
}

TEST(ElectronicFileRecordsTest, CounterRangeAndTheCancellationOfACoupon) {
  Snapshot snapshot = SampleSnapshot();
  emulator::DetailDocument cancellation;
  cancellation.coo = 7;
  cancellation.kind = emulator::DetailKind::kCouponCancellation;
  cancellation.issued = At(7, 10, 0, 0);
  cancellation.cancelledCoo = 1;
  snapshot.state.detail.push_back(cancellation);
  const Lines records = SplitLines(ElectronicFileText(snapshot, snapshot, Coos(5, 7)));
  ASSERT_EQ(records.size(), 5u);
  ExpectFields(records, {
      {0, 55, 1, "C"}, {0, 56, 8, "00000005"}, {0, 64, 8, "00000007"},
      {1, 36, 2, "RG"}, {1, 30, 6, "000002"},
      {3, 24, 6, "000007"}, {3, 36, 2, "CC"}, {3, 52, 14, "00000000000616"},
      {3, 66, 6, "000001"},
      {4, 24, 9, "000000000"}, {4, 42, 9, "000000003"}, {4, 60, 9, "000000005"},
  });
}

TEST(MemoryReadingTextTest, SimplifiedHasOneLineAReductionAndThePeriodsTotals) {
  const Lines expected = {
      "LEITURA DA MEMORIA FISCAL SIMPLIFICADA",
      AnsiString("FAB: ") + kFabrication,
      "SERIE: SW0000001  ECF: 007",
      "PERIODO: CRZ 0001 A 0002",
      "CAPTURA: 07/12/2026 18:30:15",
      "",
      "CRZ  DATA       COO                  VENDA BRUTA",
      "0001 06/12/2026 000004                     17,66",
      "0002 07/12/2026 000006                      0,00",
      "",
      "TOTAIS DO PERIODO",
      "REDUCOES                                       2",
      "VENDA BRUTA                                17,66",
      "CANCELAMENTOS                              10,00",
      "DESCONTOS                                   1,50",
      "ACRESCIMOS                                  0,00",
      "VENDA LIQUIDA                               6,16",
      "GT FINAL                                   17,66",
  };
  EXPECT_EQ(SplitLines(MemoryReadingText(SampleSnapshot(), Coos(1, 2), ReadingMode::kSimplified)),
            expected);
}

TEST(MemoryReadingTextTest, CompleteHasEveryAmountOfEachReduction) {
  const Lines lines =
      SplitLines(MemoryReadingText(SampleSnapshot(), Days(6, 6), ReadingMode::kComplete));
  const Lines expected = {
      "LEITURA DA MEMORIA FISCAL COMPLETA",
      AnsiString("FAB: ") + kFabrication,
      "SERIE: SW0000001  ECF: 007",
      "PERIODO: DATA 06/12/2026 A 06/12/2026",
      "CAPTURA: 07/12/2026 18:30:15",
      "",
      "REDUCAO Z CRZ:0001 DATA:06/12/2026 COO:000004",
      "GT                                         17,66",
      "VENDA BRUTA                                17,66",
      "CANCELAMENTOS                              10,00",
      "DESCONTOS                                   1,50",
      "ACRESCIMOS                                  0,00",
      "VENDA LIQUIDA                               6,16",
      "",
      "TOTAIS DO PERIODO",
      "REDUCOES                                       1",
      "VENDA BRUTA                                17,66",
      "CANCELAMENTOS                              10,00",
      "DESCONTOS                                   1,50",
      "ACRESCIMOS                                  0,00",
      "VENDA LIQUIDA                               6,16",
      "GT FINAL                                   17,66",
  };
  EXPECT_EQ(lines, expected);
}

TEST(MemoryReadingTextTest, RangeWithoutReductionsSaysSo) {
  const Lines lines =
      SplitLines(MemoryReadingText(SampleSnapshot(), Coos(3, 9), ReadingMode::kSimplified));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[3], "PERIODO: CRZ 0003 A 0009");
  EXPECT_EQ(lines[6], "SEM REDUCOES NO PERIODO");
}

TEST(MemoryConversionTest, ConvertedFileHasTheFabricationNumberFirstAndOneLineAReduction) {
  const MemoryDump dump = DumpOf(SampleState(), Days(6, 7));
  const Lines lines = SplitLines(ConvertedMemoryText(dump));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 58u);
  EXPECT_EQ(lines[1].size(), 128u);
  ExpectFields(lines, {
      {0, 1, 3, "E01"}, {0, 4, 20, kFabrication}, {0, 24, 9, "SW0000001"}, {0, 33, 3, "007"},
      {0, 36, 1, "D"}, {0, 37, 8, "20261206"}, {0, 45, 8, "20261207"}, {0, 53, 6, "000002"},
      {1, 1, 3, "E12"}, {1, 4, 20, kFabrication}, {1, 24, 4, "0001"}, {1, 28, 8, "20261206"},
      {1, 36, 6, "000004"}, {1, 42, 17, "00000000000001766"}, {1, 59, 14, "00000000001766"},
      {1, 73, 14, "00000000001000"}, {1, 87, 14, "00000000000150"},
      {1, 101, 14, "00000000000000"}, {1, 115, 14, "00000000000616"},
      {2, 24, 4, "0002"}, {2, 28, 8, "20261207"},
  });
  const Lines none = SplitLines(ConvertedMemoryText(DumpOf(SampleState(), Coos(3, 4))));
  ASSERT_EQ(none.size(), 1u);
  EXPECT_EQ(Field(none[0], 36, 23), "R0000000300000004000000");
}

TEST(MemoryConversionTest, WorkFileComesBackWholeAndAnyDamageIsCaught) {
  MemoryDump dump = DumpOf(SampleState(), Coos(1, 2));
  dump.reductions[0].grandTotal = 99999999999999999;  // the largest grand total
  const std::string bytes = EncodeMemoryDump(dump);
  ASSERT_EQ(DecodeMemoryDump(bytes), dump);
  EXPECT_EQ(DecodeMemoryDump(EncodeMemoryDump(DumpOf(SampleState(), Days(1, 31)))),
            DumpOf(SampleState(), Days(1, 31)));

  EXPECT_FALSE(DecodeMemoryDump(""));
  EXPECT_FALSE(DecodeMemoryDump(bytes.substr(0, bytes.size() - 1)));
  EXPECT_FALSE(DecodeMemoryDump(bytes + "x"));
  for (size_t at : {size_t{0}, size_t{9}, bytes.size() / 2, bytes.size() - 1}) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x01);
    EXPECT_FALSE(DecodeMemoryDump(damaged)) << "byte " << at;
  }
}

}  // namespace
}  // namespace mdx::fiscalfiles::test
