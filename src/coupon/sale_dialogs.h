// What the sale operations share: sending a command with its parameter
// list, the operator's questions, and reporting a refusal made before
// anything was sent.
#pragma once

#include <exception>
#include <vector>

#include "frame/session_params.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200::coupon {

// EnviaComando_Sweda with the list, without busy repeat.
bool SendSaleCommand(const AnsiString& scheme, const AnsiString& code,
                     const std::vector<AnsiString>& params, bool ownErrorHandling);

// The printer-not-responding question (catalogue "Imp_N_Resp"); true means
// print again.
bool AskPrintAgain(const AnsiString& scheme);
// A yes/no question with `text` (kind 3, options "N" and "S").
bool AskYesNo(const AnsiString& scheme, const AnsiString& text);

// Shows `text` (kind 3) where dialogs may be shown, else gathers it in
// stMensagemTaa.
void Notify(const AnsiString& scheme, const AnsiString& text);

// A command refused before it was sent: logs "ERRO!!! " + text, clears
// boClieUtil, gathers the text in stMensagemTaa and shows it (kind 3) where
// dialogs may be shown. Returns false.
bool RefuseBeforeSending(const AnsiString& scheme, const AnsiString& text);

// "Parâmetro inválido. " + what did not fit.
AnsiString MisfitText(const AnsiString& detail);
// The parameter-error text is the session's (frame/session_params.h).
using Mdx00200::ParameterErrorText;

}  // namespace Mdx00200::coupon
