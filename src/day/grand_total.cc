// Atu_TotGeral: the printer's grand total kept in, or checked against, the
// printer configuration file.
#include <exception>

#include "day/config_file.h"
#include "day/pending_total.h"
#include "frame/catalogues.h"
#include "frame/data_module.h"
#include "frame/session_params.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/number_format.h"

namespace Mdx00200 {

namespace {

// The recorded total of a file that was never filled.
const char kNeverFilled[] = "10,10";

void ShowFailure(const AnsiString& scheme, const AnsiString& text) {
  if (boNUtilTaa && !boClieUtil) {
    Mensagemxop::Mensagem(text, "", "N", "N", mdx::tmErro, "", scheme, 0, nullptr);
  }
  boClieUtil = false;
}

// The catalogue's "file invalid" text with the file's name in place of "%s".
AnsiString InvalidFileText(const AnsiString& mainFile) {
  return FillPlaceholder(DataModule().msgPadrao.Msg("ArqConfig_Inv4"), mainFile);
}

double Rounded(const AnsiString& number) { return Consiste::RoundDec(mdx::StrToFloat(number), 2); }

// Writes the printer's total into the current record and replaces the main
// file with the whole dataset. SaveToFile writes beside the file and renames,
// so a failed save leaves the old file whole.
void WriteTotal(mdx::TClientDataSet& data, const AnsiString& printerTotal,
                const AnsiString& mainFile) {
  data.Edit();
  config::SetWhole(data.FieldByName("CAMPO02"),
                   Criptografa::Cripto(printerTotal, config::kCipherKey));
  data.Post();
  data.SaveToFile(mainFile);
  data.Close();
  grandtotal::ClearPending();
}

}  // namespace

bool Atu_TotGeral(const Variant& params) {
  const AnsiString branch = ParamText(params, "CDFILIAL");
  const AnsiString till = ParamText(params, "CDCAIXA");
  const AnsiString serial = ParamText(params, "NRSERIEIMP");
  const AnsiString scheme = ParamText(params, "ESQUEMACOR");
  const bool validate = ParamText(params, "IDVALIDA") == "S";
  const AnsiString directory = mdx::Host().HostDirectory();
  const AnsiString mainFile = config::MainFile(directory);
  bool result = true;
  mdx::TClientDataSet& data = *DataModule().cdsCheckECF;

  bool loaded = false;
  try {
    const bool fallback =
        config::Load(data, mainFile, config::FallbackFile(directory, till, branch));
    loaded = true;
    data.SetFiltered(false);
    data.SetFilter(config::RecordFilter(
        branch, till, Criptografa::Cripto(serial, config::kCipherKey), fallback));
    data.SetFiltered(true);
    if (data.FieldByName("CAMPO01").AsString() != "S") {
      // The file keeps no total for this till: nothing is owed to it.
      if (!validate) grandtotal::ClearPending();
      return result;
    }

    const AnsiString stored =
        Criptografa::Uncripto(data.FieldByName("CAMPO02").AsString(), config::kCipherKey);
    AnsiString printerTotal;
    // Without the printer's total there is nothing to write or compare; an
    // empty total must never replace the recorded one.
    if (!BuscaTotGer(scheme, printerTotal)) {
      throw mdx::Exception("Totalizador geral da impressora fiscal n\xE3o lido; o arquivo de "
                           "configura\xE7\xE3o n\xE3o foi alterado.");
    }

    if (!validate) {
      WriteTotal(data, printerTotal, mainFile);
    } else if (Consiste::EmptyString(stored)) {
      data.Close();
      ShowFailure(scheme, InvalidFileText(mainFile));
      result = false;
    } else if (Rounded(stored) == Rounded(kNeverFilled)) {
      WriteTotal(data, printerTotal, mainFile);
    } else if (Rounded(stored) != Rounded(printerTotal)) {
      data.Close();
      ShowFailure(scheme, InvalidFileText(mainFile));
      result = false;
    }
  } catch (const std::exception& e) {
    // An edit that did not reach the file is dropped with the data.
    data.Close();
    // Without a file there is no total to owe; a save that failed still owes it.
    if (!validate && !loaded) grandtotal::ClearPending();
    ShowFailure(scheme, e.what());
    // A check that could not be made (no file, an unreadable total) is no
    // proof that the recorded total is right.
    if (validate) result = false;
  }
  return result;
}

}  // namespace Mdx00200
