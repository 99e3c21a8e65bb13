#include "tables/parameter_checks.h"

#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200::tables {

bool IsDigits(const mdx::AnsiString& text, size_t width) {
  if (text.size() != width) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool RefuseParameters(const mdx::AnsiString& scheme, const mdx::AnsiString& detail,
                      bool ownErrorHandling) {
  const mdx::AnsiString text = DataModule().msgPadrao.Msg("ParamInvalido") + " " + detail;
  ImpFisDebug("ERRO!!! " + text);
  if (ownErrorHandling) return false;
  stMensagemTaa += " " + text;
  if (boNUtilTaa) Mensagemxop::Mensagem(text, "", "N", "N", mdx::tmErro, "", scheme, 0, nullptr);
  return false;
}

}  // namespace Mdx00200::tables
