// The till-closing routine under its plain name, forwarding to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool GeraReciboSangria(
    const AnsiString& unused1, const AnsiString& key, const AnsiString& productText4,
    const AnsiString& productText5, const AnsiString& ecfNumber, int zInteger,
    AnsiString& documentNumber, TClientDataSet* closingAmounts, TClientDataSet* withdrawals,
    TClientDataSet* products, TClientDataSet* operatorSupervisor, TClientDataSet* movementTotals,
    TClientDataSet* movements, TClientDataSet* salesTotals, TClientDataSet* credit,
    TDateTime unused16, bool printReceipt, bool zAllowed, bool unused19,
    TClientDataSet*& zReduction, TClientDataSet*& zPayments, TClientDataSet*& zTaxes,
    TClientDataSet*& zTotalizers, bool& zCaptured, TClientDataSet* receiptTypes,
    const AnsiString& productConfirmMode, const AnsiString& productGrouped,
    const AnsiString& xReadingFirst, const AnsiString& envelopeColumn, const AnsiString& scheme,
    bool typedAmounts, bool reprint, bool zConfirm, const AnsiString& reason,
    const AnsiString& observation) {
  return Mdx00200::GeraReciboSangria(
      unused1, key, productText4, productText5, ecfNumber, zInteger, documentNumber, closingAmounts,
      withdrawals, products, operatorSupervisor, movementTotals, movements, salesTotals, credit,
      unused16, printReceipt, zAllowed, unused19, zReduction, zPayments, zTaxes, zTotalizers,
      zCaptured, receiptTypes, productConfirmMode, productGrouped, xReadingFirst, envelopeColumn,
      scheme, typedAmounts, reprint, zConfirm, reason, observation);
}

}  // extern "C"
