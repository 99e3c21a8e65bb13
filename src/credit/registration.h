// The registration of a personal-credit amount on the printer: a non-fiscal
// receipt that puts the amount on a non-fiscal totalizer and pays it.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::credit {

struct Registration {
  AnsiString totalizer;  // non-fiscal totalizer position, two digits ("07")
  AnsiString payment;    // payment position, two digits ("10")
  AnsiString amount;     // 12 digits, two of them decimals
};

// The registration's fields. False when one does not fit: a position that is
// not two digits, an amount that is negative, not a number or past
// 9999999999,99. The refusal is logged ("ERRO!!! " + text) and shown in the
// host's dialog (kind 3) or, on a self-service terminal, gathered in
// stMensagemTaa. Nothing is sent.
bool BuildRegistration(const AnsiString& scheme, const AnsiString& totalizer,
                       const AnsiString& payment, double amount, Registration& registration);

// Cupom_NFiscNVinc(scheme, six blanks), "07" + totalizer + amount + 40
// blanks, Totaliza_NFiscal_Imp(scheme, payment, amount), "12SN". When the
// receipt does not open nothing more is sent: its close could end another
// open document. "07" and "12SN" use ownErrorHandling, no busy repeat. True
// when every command was accepted.
bool Register(const AnsiString& scheme, const Registration& registration, bool ownErrorHandling);

}  // namespace Mdx00200::credit
