// The host shared library's routines that the package calls, under their unit
// and routine names. Dialogs, pauses, the cipher and the document register go
// through the installed HostServices.
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"
#include "mdx00200/host_services.h"
#include "mdx00200/variant.h"

namespace mdx {
class TClientDataSet;
}

namespace Xop_korvana {
// The value paired with name in a parameter record (a variant array of
// two-element arrays, name then value). Names match without regard to case.
// Raises mdx::Exception when the record is not one or lacks the name.
mdx::Variant RecebeParams(const mdx::Variant& record, const mdx::AnsiString& name);
// The difference later - earlier as "hh:nn:ss", "-" in front when earlier is
// after later. Differences of a day or more read as "23:59:59".
mdx::AnsiString SubtDataHoraXop(mdx::TDateTime earlier, mdx::TDateTime later);
}  // namespace Xop_korvana

namespace Mensagemxop {
// Shows the host's modal dialog; true when the user confirmed.
bool Mensagem(const mdx::AnsiString& text, const mdx::AnsiString& caption,
              const mdx::AnsiString& option1, const mdx::AnsiString& option2,
              mdx::TTipoMsg kind, const mdx::AnsiString& extraText,
              const mdx::AnsiString& scheme, int number, mdx::TClientDataSet* dataset);
}  // namespace Mensagemxop

namespace Consiste {
void Delay(int count);
bool EmptyString(const mdx::AnsiString& text);  // empty or only blanks
mdx::AnsiString AjustaZero(const mdx::AnsiString& text, int width);  // "0"-filled on the left
mdx::AnsiString Ajusta(const mdx::AnsiString& text, int width);      // blank-filled on the left
mdx::AnsiString PadL(const mdx::AnsiString& text, int width);        // blank-filled on the left
mdx::AnsiString TamFixo(const mdx::AnsiString& text, int width);     // cut or filled on the right
mdx::AnsiString TamFixoR(const mdx::AnsiString& text, int width);    // cut or filled on the left
mdx::AnsiString Centraliza(const mdx::AnsiString& text, int width);
mdx::AnsiString Replicate(const mdx::AnsiString& text, int count);
double RoundDec(double value, int decimals);
double Trunc2(double value);
double Trunc3(double value);
mdx::Variant iif(bool condition, const mdx::Variant& whenTrue, const mdx::Variant& whenFalse);
}  // namespace Consiste

namespace Criptografa {
mdx::AnsiString Cripto(const mdx::AnsiString& text, int key);
mdx::AnsiString Uncripto(const mdx::AnsiString& text, int key);
}  // namespace Criptografa

namespace Srv_mdx {
void GravaCER(const mdx::AnsiString& a, const mdx::AnsiString& b, mdx::TDateTime when);
}  // namespace Srv_mdx
