// The Z-capture operations under their plain names, each forwarding to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

extern "C" {

MDX_API bool ExportRedZ(const mdx::AnsiString& unused1, const mdx::AnsiString& scheme,
                        const mdx::AnsiString& ecfNumber, int unused4,
                        mdx::TClientDataSet* receiptTypes, mdx::TClientDataSet*& reduction,
                        mdx::TClientDataSet*& payments, mdx::TClientDataSet*& taxes,
                        mdx::TClientDataSet*& totalizers) {
  return Mdx00200::ExportRedZ(unused1, scheme, ecfNumber, unused4, receiptTypes, reduction,
                              payments, taxes, totalizers);
}

MDX_API bool DadosUltimaRedZ(const mdx::Variant* params, int highIndex, mdx::OleVariant& result,
                             mdx::TClientDataSet*& dataSet) {
  return Mdx00200::DadosUltimaRedZ(params, highIndex, result, dataSet);
}

}  // extern "C"
