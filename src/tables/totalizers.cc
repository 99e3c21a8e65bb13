// CarregaTotalizador: the package's six non-fiscal totalizers found (and
// programmed when missing) in the printer's totalizer table.
#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/tables.h"
#include "tables/table_read.h"

namespace Mdx00200 {

namespace {

using tables::kTotalizerNameWidth;

// Catalogue texts cut or blank-filled to the printer's 14 characters.
struct TotalizerNames {
  AnsiString cashGroup;     // "ENTRADA-SAIDA"
  AnsiString otherGroup;    // "OUTROS"
  AnsiString supply;        // "Suprimento"
  AnsiString withdrawal;    // "Sangria"
  AnsiString consumerCard;  // "Cartao Consum."
  AnsiString creditBuy;     // "Cred Pessoal"
  AnsiString creditCancel;  // "Canc Credito"
  AnsiString voucher;       // "CONTRA-VALE EM"
};

TotalizerNames CatalogueNames() {
  const Kor_msg::TMessages& msg = DataModule().msgPadrao;
  auto name = [&](const char* key) { return Consiste::TamFixo(msg.Msg(key), kTotalizerNameWidth); };
  return {name("TOTALIZ"),          name("TOTALIZOUTROS"), name("Suprimento"), name("Sangria"),
          name("TotalizVendaCons"), name("Compra-Cred"),   name("Canc-Cred"),  name("CV-EMITIDO")};
}

// The positions found in one reading of the table.
struct Found {
  AnsiString supply, withdrawal, cashGroup;
  AnsiString consumerCard, creditBuy, creditCancel, otherGroup;
  AnsiString voucher;
  bool voucherAdds = false;
  AnsiString lastHeader;
};

Found Search(const std::vector<tables::TotalizerEntry>& entries, const TotalizerNames& names) {
  using mdx::UpperCase;
  Found found;
  for (size_t i = 0; i < entries.size(); ++i) {
    const tables::TotalizerEntry& entry = entries[i];
    const AnsiString position = tables::Position(static_cast<int>(i) + 1);
    if (entry.marker == '&') {
      found.lastHeader = position;
      continue;
    }
    const AnsiString whole = UpperCase(AnsiString(1, entry.marker) + entry.name);
    if (whole == UpperCase("+" + names.supply)) {
      found.supply = position;
      found.cashGroup = found.lastHeader;
    } else if (whole == UpperCase("-" + names.withdrawal)) {
      found.withdrawal = position;
      found.cashGroup = found.lastHeader;
    } else if (whole == UpperCase("+" + names.consumerCard)) {
      found.consumerCard = position;
      found.otherGroup = found.lastHeader;
    } else if (whole == UpperCase("+" + names.creditBuy)) {
      found.creditBuy = position;
      found.otherGroup = found.lastHeader;
    } else if (whole == UpperCase("+" + names.creditCancel)) {
      found.creditCancel = position;
      found.otherGroup = found.lastHeader;
    }
    // The voucher totalizer counts with either marker.
    if ((entry.marker == '+' || entry.marker == '-') &&
        UpperCase(entry.name) == UpperCase(names.voucher)) {
      found.voucher = position;
      found.voucherAdds = entry.marker == '+';
    }
  }
  return found;
}

void Name(const AnsiString& scheme, std::vector<AnsiString> params) {
  EnviaComando_Sweda(scheme, "38", params.data(), static_cast<int>(params.size()) - 1, false,
                     false);
}

// Programs the totalizers the search did not find; true when it sent anything.
bool ProgramMissing(const AnsiString& scheme, const Found& found, const TotalizerNames& names) {
  const bool noneFound = found.supply.empty() && found.withdrawal.empty() &&
                         found.consumerCard.empty() && found.creditBuy.empty() &&
                         found.creditCancel.empty() && found.voucher.empty();
  if (noneFound) {
    Name(scheme, {"N", "&" + names.cashGroup, "+" + names.supply, "-" + names.withdrawal,
                  "&" + names.otherGroup, "+" + names.consumerCard, "+" + names.creditBuy,
                  "+" + names.creditCancel, "-" + names.voucher});
    return true;
  }
  bool sent = false;
  auto program = [&](const AnsiString& position, const AnsiString& group, const AnsiString& entry) {
    if (!position.empty()) return;
    Name(scheme, {"N", "&" + group, entry});
    sent = true;
  };
  program(found.supply, names.cashGroup, "+" + names.supply);
  program(found.withdrawal, names.cashGroup, "-" + names.withdrawal);
  program(found.consumerCard, names.otherGroup, "+" + names.consumerCard);
  program(found.creditBuy, names.otherGroup, "+" + names.creditBuy);
  if (found.voucher.empty()) {
    Name(scheme, {"N", "&" + names.otherGroup, "-" + names.voucher});
    Name(scheme, {"N", "-" + names.voucher});
    sent = true;
  }
  program(found.creditCancel, names.otherGroup, "+" + names.creditCancel);
  return sent;
}

}  // namespace

void CarregaTotalizador(AnsiString& cvIndex, AnsiString& consumerCardIndex,
                        AnsiString& creditPurchaseIndex, AnsiString& creditCancelIndex,
                        AnsiString& spare, const AnsiString& scheme, int /*unused*/,
                        TClientDataSet*& /*hostDataSet*/) {
  const TotalizerNames names = CatalogueNames();
  for (int pass = 1; pass <= 2; ++pass) {
    IdTotParcOutr.clear();
    IdTotParcSang.clear();
    IdTotParcSup.clear();
    IdTotParcES.clear();
    boTotalCV = false;
    cvIndex.clear();
    consumerCardIndex.clear();
    creditPurchaseIndex.clear();
    creditCancelIndex.clear();
    spare.clear();

    const tables::TableRead read =
        ReadTable(scheme, tables::kTotalizerPieces, tables::kSteadyPacing);
    stLegendasNFiscal = read.Joined();
    // Positions read from a table with an unread piece could be anyone's.
    if (!read.complete) return;

    const Found found = Search(tables::SplitTotalizers(stLegendasNFiscal), names);
    IdTotParcSup = found.supply;
    IdTotParcSang = found.withdrawal;
    IdTotParcES = found.cashGroup.empty() ? found.lastHeader : found.cashGroup;
    IdTotParcOutr = found.otherGroup.empty() ? found.lastHeader : found.otherGroup;
    consumerCardIndex = found.consumerCard;
    creditPurchaseIndex = found.creditBuy;
    creditCancelIndex = found.creditCancel;
    cvIndex = found.voucher;
    boTotalCV = found.voucherAdds;

    if (!ProgramMissing(scheme, found, names) || pass == 2) return;
  }
}

}  // namespace Mdx00200
