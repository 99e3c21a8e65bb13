// The footer of the closing command "12SN": three fixed texts, then the
// lines of one of seven variants, each line sent as a pair "0" + 40
// characters. Built from texts already composed, without a printer.
#pragma once

#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/export.h"

namespace Mdx00200::coupon {

enum class FooterVariant {
  kFamilyCredit,   // A: family balances of a credit consumer
  kBalanceCredit,  // B: consumer balance kind "1" with family credit
  kTef,            // C: the card-payment receipt inside the footer
  kAgreement,      // D: a payment of an agreement method
  kTaxIdAndName,   // E: consumer tax id and name
  kTaxIdOnly,      // F: consumer tax id without a name
  kPlain,          // G: otherwise
};

// What the choice of the variant looks at.
struct FooterChoice {
  mdx::AnsiString familyFooter;  // element 35: "2" selects the family footer
  mdx::AnsiString consumerCode;  // element 17
  mdx::AnsiString creditKind;    // element 36
  mdx::AnsiString balanceKind;   // element 27
  mdx::AnsiString tefMode;       // element 9
  bool tefInUse = false;         // element 11
  mdx::AnsiString tefInFooter;   // element 40
  bool agreementPaid = false;    // a method of kind "8" was paid
  mdx::AnsiString taxId;         // element 19
  mdx::AnsiString name;          // element 20
};

// The first variant whose condition holds, in the order A to G.
MDX_API FooterVariant ChooseFooterVariant(const FooterChoice& choice);

// The texts the variants draw on, already composed; "" means absent (a line
// that only shows under a condition is "" when the condition fails).
struct FooterLines {
  mdx::AnsiString agreement;      // D: "Convenio ..: " + client code " - " name
  mdx::AnsiString taxId;          // E, F: "CNPJ/CPF : " + tax id
  mdx::AnsiString name;           // C, E: "NOME : " + name
  mdx::AnsiString customer;       // "Cliente: " + code " - " name
  mdx::AnsiString consumer;       // consumer code " - " name
  mdx::AnsiString balance;        // the consumer's balance line
  mdx::AnsiString subsidy;        // subsidised price line
  mdx::AnsiString contact;        // the contact line
  mdx::AnsiString operatorLine;   // "Operador: " + code " - " name
  mdx::AnsiString tableAndPassword;  // table line + password text
  mdx::AnsiString password;       // A-C: "SENHA : " + password (always present)
  mdx::AnsiString free1, free2;   // the free text's first two lines
  mdx::AnsiString dotz, dotzExtras;  // printed centred
  std::vector<mdx::AnsiString> working;  // A, B: identification, family and total lines
  std::vector<mdx::AnsiString> tef;      // C: the TEF receipt's first lines
};

struct FooterSlot {
  mdx::AnsiString text;
  bool centred = false;
};

// The variant's slots in order, empty ones included.
MDX_API std::vector<FooterSlot> FooterSlots(FooterVariant variant, const FooterLines& lines);

// How many line pairs follow the three fixed pairs: 7 for C, 8 for A, B, E
// and F, 9 for D and G.
MDX_API int FooterPairCount(FooterVariant variant);

// The parameters of "12SN": "0" + the first line, "0" + the tax text, "0" +
// the Paraíba Legal text (each cut or blank-filled to 40), then the variant's
// pairs. Variant C sends every slot, empty ones as 40 blanks (a missing TEF
// line too). The others send their non-empty slots in order, at most 7, as
// "0" + the line made 40 wide (centred where the slot says so), and bare "0"s
// for the remaining pairs.
MDX_API std::vector<mdx::AnsiString> FooterPairs(const mdx::AnsiString& firstLine,
                                                 const mdx::AnsiString& taxText,
                                                 const mdx::AnsiString& paraibaText,
                                                 FooterVariant variant,
                                                 const std::vector<FooterSlot>& slots);

}  // namespace Mdx00200::coupon
