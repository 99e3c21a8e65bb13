// The host's modal dialog, reached through the installed host services.
#include "mdx00200/hostlib.h"

namespace Mensagemxop {

bool Mensagem(const mdx::AnsiString& text, const mdx::AnsiString& caption, const mdx::AnsiString& option1,
              const mdx::AnsiString& option2, mdx::TTipoMsg kind, const mdx::AnsiString& extraText,
              const mdx::AnsiString& scheme, int number, mdx::TClientDataSet* dataset) {
  mdx::DialogRequest request;
  request.text = text;
  request.caption = caption;
  request.option1 = option1;
  request.option2 = option2;
  request.kind = kind;
  request.extraText = extraText;
  request.scheme = scheme;
  request.number = number;
  request.dataset = dataset;
  return mdx::Host().Dialog(request);
}

}  // namespace Mensagemxop
