// PeripheralsTest: the package and the virtual printer (PackageTest), the
// device and cheque operations by their plain names, and the frames read
// back from the debug log.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "support/package_fixture.h"

namespace mdx::test {

using Text = const AnsiString&;

class PeripheralsTest : public PackageTest {
 public:  // the case tables call them
  bool OpenDrawer(bool own) { return Op<bool (*)(Text, bool)>("Abre_Gaveta_Imp")("001", own); }
  AnsiString DrawerState() { return Op<AnsiString (*)(Text)>("Estado_Gaveta_Imp")("001"); }
  bool Cut() { return Op<bool (*)(Text)>("Guilhotina_Sweda")("001"); }
  bool SummerTime() { return Op<bool (*)(Text)>("Estado_HorVerao")("001"); }
  bool SwitchTime() { return Op<bool (*)(Text)>("Muda_Horario")("001"); }

  bool Format(Text format) { return Op<bool (*)(Text, Text)>("Formato_Chq")("001", format); }
  bool Change(Text a, Text b) { return Op<bool (*)(Text, Text, Text)>("Altera_Chq")("001", a, b); }
  bool Data(Text a, Text b, Text c, Text d) {
    return Op<bool (*)(Text, Text, Text, Text, Text)>("Dados_Chq")("001", a, b, c, d);
  }
  bool EndCheque(bool own, bool busy) {
    return Op<bool (*)(Text, bool, bool)>("Fecha_Imp_Chq_Sweda")("001", own, busy);
  }
};

}  // namespace mdx::test
