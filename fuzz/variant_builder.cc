// Building and changing variants from fuzzer input.
#include "variant_builder.h"

#include <cstring>
#include <string>

#include "mdx00200/datetime.h"
#include "op_records.h"

namespace mdx::fuzz {

namespace {

// The names the operations look up in their records.
const char* const kNames[] = {
    "CDFILIAL",   "CDCAIXA",    "NRSERIEIMP",  "ESQUEMA",       "CDPORTAIMPFIS",   "BOUTILTAA",
    "DATAATUIMP", "ECFIMP",     "REDIMP",      "SERIEIMP",      "DATAIMP",         "ESQUEMACOR",
    "IDVALIDA",   "INTTEFERRO", "INCLUICPF",   "INCLUINOME",    "INCLUIENDERECO",  "CUPNR",
    "CONTCUPOM",  "IDUTILTEF",  "UTILTEF",     "CDARVPROD",     "NMPROD",          "CDALIQ",
    "QTDE",       "VALOR",      "DESCONT",     "UNIDADE",       "ACRESCIMO",       "UTILIZAIMPFIS",
    "DSDIRCAD",   "REV_NRSERIE_IMP", "esquemacor", "",
};

// Texts the operations expect in their fields, and hostile ones: control
// bytes (NUL, a whole ESC frame, line ends) and a text longer than a frame.
const std::string kTexts[] = {
    "001", "0001", "SW0000001", "COM1", "COM13", "LPT1", "T01", "F1", "S", "N", "", " ",
    "06/12/2026", "31/02/2026", "06/12/2026 12:30", "061226", "1", "-1", "0", "3,50", "1e9",
    "999999999999", "D", "MF", "C", "DATA", "CRZ", "RG", "\n\r", "Cadastros",
    std::string("12\0" "34", 5), "CAFE\x1B.05}", "A\tB\x7F" "C\rD\nE", "L1\n\rL2\n\r",
    std::string(5000, '9'),
};

// Fuzzed texts never name another folder: they reach file names, and the
// targets keep every file inside their scratch folder.
std::string SafeText(std::string text) {
  for (char& c : text)
    if (c == '/' || c == '\\') c = '_';
  return text;
}

Variant Packet(FuzzInput& in) {
  switch (in.Below(4)) {
    case 0: return PaymentMethodsPacket();
    case 1: return MovementsPacket(static_cast<double>(in.Word()) / 100.0);
    case 2: return TableItemsPacket();
    default: {
      const std::string raw = in.Text();
      return Variant::Bytes(std::vector<uint8_t>(raw.begin(), raw.end()));
    }
  }
}

Variant Array(FuzzInput& in, int depth, unsigned length) {
  std::vector<Variant> items;
  for (unsigned i = 0; i < length && !in.Empty(); ++i) items.push_back(BuildVariant(in, depth - 1));
  if (items.empty()) {
    // An array with no element: low bound above the high bound.
    return Variant::CreateArray(0, -1);
  }
  return Variant::ArrayOf(items);
}

}  // namespace

Variant BuildVariant(FuzzInput& in, int depth) {
  const unsigned tag = in.Below(depth > 0 ? 14 : 10);
  switch (tag) {
    case 0: return Variant();
    case 1: return Variant::Null();
    case 2: return Variant(in.Bool());
    case 3: {
      uint32_t bits = in.Word() | (static_cast<uint32_t>(in.Word()) << 16);
      return Variant(static_cast<int>(bits));
    }
    case 4: {
      uint64_t bits = 0;
      for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(in.Byte()) << (8 * i);
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return Variant(value);
    }
    case 5: return Variant(static_cast<double>(static_cast<int16_t>(in.Word())) / 100.0);
    case 6: return Variant(AnsiString(SafeText(in.Text())));
    case 7: return Variant(AnsiString(kTexts[in.Below(sizeof kTexts / sizeof kTexts[0])]));
    case 8: return Variant::FromDateTime(EncodeDate(2026, 12, 6) + static_cast<int16_t>(in.Word()));
    case 9: return Packet(in);
    case 10: return Array(in, depth, in.Below(8));
    case 11: return Array(in, depth, in.Byte());
    case 12: return VarArrayOf({kNames[in.Below(sizeof kNames / sizeof kNames[0])], BuildVariant(in, depth - 1)});
    default: {
      // A record: pairs with known names.
      std::vector<Variant> pairs;
      const unsigned count = in.Below(16);
      for (unsigned i = 0; i < count && !in.Empty(); ++i)
        pairs.push_back(VarArrayOf({kNames[in.Below(sizeof kNames / sizeof kNames[0])],
                                    BuildVariant(in, depth - 1)}));
      return pairs.empty() ? Variant::CreateArray(0, -1) : Variant::ArrayOf(pairs);
    }
  }
}

namespace {

// Changes one place: this value, or (for an array) one element further down.
void MutateAt(FuzzInput& in, Variant& value, int depth) {
  if (value.IsArray() && value.Count() > 0 && depth < 4 && in.Bool()) {
    const int index = value.LowBound() + static_cast<int>(in.Below(value.Count()));
    MutateAt(in, value[index], depth + 1);
    return;
  }
  switch (in.Below(6)) {
    case 0: value = Variant::Null(); break;
    case 1: value = Variant(); break;
    case 2:
      if (value.IsArray() && value.Count() > 0) {
        value.Redim(value.LowBound() + static_cast<int>(in.Below(value.Count())) - 1);
        break;
      }
      [[fallthrough]];
    case 3:
      if (value.IsArray()) {
        const int extra = 1 + static_cast<int>(in.Below(4));
        const int high = value.HighBound();
        value.Redim(high + extra);
        for (int i = high + 1; i <= high + extra; ++i) value[i] = BuildVariant(in, 1);
        break;
      }
      [[fallthrough]];
    default: value = BuildVariant(in, 2); break;
  }
}

}  // namespace

void Mutate(FuzzInput& in, Variant& value) {
  const unsigned count = 1 + in.Below(4);
  for (unsigned i = 0; i < count && !in.Empty(); ++i) MutateAt(in, value, 0);
}

void Mutate(FuzzInput& in, std::vector<Variant>& list) {
  const unsigned count = 1 + in.Below(4);
  for (unsigned i = 0; i < count && !in.Empty(); ++i) {
    switch (in.Below(4)) {
      case 0:
        list.resize(in.Below(static_cast<unsigned>(list.size()) + 1));
        break;
      case 1:
        list.push_back(BuildVariant(in, 2));
        break;
      default:
        if (list.empty()) break;
        MutateAt(in, list[in.Below(static_cast<unsigned>(list.size()))], 0);
        break;
    }
  }
}

}  // namespace mdx::fuzz
