// VerificaSerialImp: is the printer attached the one this till is
// registered for?
#include <memory>

#include "day/config_file.h"
#include "fiscalmenu/file_paths.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

namespace {

// The serial number's slot in the reply of register "3" of "27".
constexpr size_t kSerialStart = 12;  // position 13
constexpr size_t kSerialWidth = 9;

// Shows a message of the main catalogue when the till is attended or the
// last status query failed, then marks the check failed.
void Fail(const AnsiString& key, const AnsiString& scheme, bool& result) {
  if (boNUtilTaa || !boClieUtil) {
    Mensagemxop::Mensagem(DataModule().msgPadrao.Msg(key), "", "N", "N", mdx::tmErro, "", scheme,
                          0, nullptr);
  }
  result = false;
  boClieUtil = false;
}

AnsiString SerialFromReply(const AnsiString& reply) {
  if (reply.size() <= kSerialStart) return "";
  return mdx::Trim(reply.substr(kSerialStart, kSerialWidth));
}

}  // namespace

bool VerificaSerialImp(const Variant& params) {
  const bool usesPrinter = Xop_korvana::RecebeParams(params, "UTILIZAIMPFIS").AsBoolean();
  const AnsiString registerFolder = Xop_korvana::RecebeParams(params, "DSDIRCAD").AsString();
  const AnsiString scheme = Xop_korvana::RecebeParams(params, "ESQUEMACOR").AsString();
  const AnsiString expected = Xop_korvana::RecebeParams(params, "REV_NRSERIE_IMP").AsString();
  if (!usesPrinter) return true;

  bool result = true;
  auto config = std::make_unique<mdx::TClientDataSet>();
  EnviaComando_Sweda(scheme, "99", nullptr, -1, boNUtilTaa, true);
  const AnsiString which[] = {"3"};
  EnviaComando_Sweda(scheme, "27", which, 0, false, true);
  const AnsiString serial = SerialFromReply(RetornoImpFiscal(scheme, "", false));
  if (!EnviaComando_Sweda(scheme, "99", nullptr, -1, boNUtilTaa, true)) {
    Fail("ERRO_COM_ECF", scheme, result);
    return result;
  }
  // A file that does not load, or has no serial number field, is as good as
  // missing.
  AnsiString stored;
  try {
    config->LoadFromFile(PlatformPath(registerFolder + "Vendora.cds"));
    stored = config->FieldByName("NRSERIEECF").AsString();
  } catch (const mdx::Exception&) {
    Fail("VENDORA_N_ENC", scheme, result);
    return result;
  }
  stored = Criptografa::Uncripto(stored, config::kCipherKey);
  if (serial != stored) Fail("ECFERRADO2", scheme, result);
  if (serial != expected) Fail("ECFERRADO2", scheme, result);
  return result;
}

}  // namespace Mdx00200
