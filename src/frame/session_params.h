// Reading the session operations' parameter records.
#pragma once

#include <exception>

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// The record's value for `name` as text. Raises mdx::Exception when the
// record has no such name, mdx::EVariantError when the value is no text.
AnsiString ParamText(const Variant& record, const char* name);

// "Erro no recebimento dos parâmetros da função: " + operation +
// " - Mdx_00200.bpl", a carriage return and the error's description.
AnsiString ParameterErrorText(const AnsiString& operation, const std::exception& error);

// The parameter-error message of a guarded record read: "Erro no recebimento
// dos parâmetros da função: " + operation + " - Mdx_00200.bpl", a carriage
// return and the error's description; kind 3, scheme "001".
void ShowParameterError(const AnsiString& operation, const std::exception& error);

}  // namespace Mdx00200
