#include "frame/session_params.h"

#include "mdx00200/hostlib.h"

namespace Mdx00200 {

AnsiString ParamText(const Variant& record, const char* name) {
  return Xop_korvana::RecebeParams(record, name).AsString();
}

AnsiString ParameterErrorText(const AnsiString& operation, const std::exception& error) {
  return "Erro no recebimento dos par\xE2metros da fun\xE7\xE3o: " + operation +
         " - Mdx_00200.bpl\r" + error.what();
}

void ShowParameterError(const AnsiString& operation, const std::exception& error) {
  Mensagemxop::Mensagem(ParameterErrorText(operation, error), "", "N", "N", mdx::tmErro, "", "001", 0, nullptr);
}

}  // namespace Mdx00200
