// The product report under its plain name, forwarding to the operation of
// namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API void Relatorio_Produto(const AnsiString& p1, const AnsiString& p2, const AnsiString& p3,
                               const AnsiString& p4, const AnsiString& p5,
                               AnsiString& couponNumber, TClientDataSet* products,
                               const AnsiString& confirmMode, const AnsiString& grouped,
                               const AnsiString& scheme, bool& reportOpen) {
  Mdx00200::Relatorio_Produto(p1, p2, p3, p4, p5, couponNumber, products, confirmMode, grouped,
                              scheme, reportOpen);
}

}  // extern "C"
