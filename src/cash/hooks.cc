// The document hooks a host may rely on being there. Both do nothing.
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

void GravaDocumentosNaoFiscais(const AnsiString& /*key*/, const AnsiString& /*scheme*/,
                               const AnsiString& /*code*/, const AnsiString& /*extra*/) {}

void CarregaRelatorioGer(AnsiString& /*a*/, AnsiString& /*b*/, AnsiString& /*c*/,
                         AnsiString& /*d*/, AnsiString& /*e*/, AnsiString& /*f*/,
                         const AnsiString& /*g*/, int /*h*/) {}

}  // namespace Mdx00200
