#include "fiscalmenu/maker_flow.h"

#include "fiscalmenu/file_paths.h"
#include "frame/data_module.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/platform.h"

namespace Mdx00200::fiscalfiles {

namespace {

Variant Pair(const char* name, const Variant& value) { return mdx::VarArrayOf({name, value}); }

}  // namespace

Variant SessionRecord(const SessionValues& values) {
  return mdx::VarArrayOf({Pair("CDFILIAL", values.branch), Pair("CDCAIXA", values.till),
                          Pair("NRSERIEIMP", values.serial), Pair("ESQUEMA", values.scheme),
                          Pair("CDPORTAIMPFIS", values.port), Pair("BOUTILTAA", !boNUtilTaa)});
}

Variant PrinterDataRecord(const SessionValues& values) {
  return mdx::VarArrayOf({Pair("ESQUEMA", values.scheme), Pair("DATAATUIMP", values.printerDate),
                          Pair("ECFIMP", values.ecf), Pair("REDIMP", values.reduction),
                          Pair("SERIEIMP", values.serial), Pair("DATAIMP", values.printerDay)});
}

bool ReopenSession(const SessionValues& values) {
  Variant session = SessionRecord(values);
  const bool started = StartImpFiscal(session) && boImpFiscalOK;
  Variant printerData = PrinterDataRecord(values);
  Carrega_Dados_Impressora(printerData);
  if (!started) {
    const AnsiString text =
        "A sess\xE3o da impressora fiscal n\xE3o foi reiniciada ap\xF3s o Menu Fiscal; a porta "
        "est\xE1 fechada. Inicie a sess\xE3o novamente.";
    ImpFisDebug("ERRO!!! " + text);
    Show(values.scheme, text, mdx::tmErro);
  }
  return started;
}

AnsiString ElementText(const Variant* params, int highIndex, int index) {
  if (params == nullptr || index > highIndex) {
    throw mdx::Exception("a lista de par\xE2metros n\xE3o tem o elemento " + mdx::IntToStr(index));
  }
  return params[index].AsString();
}

void ReadElementsGuarded(const Variant* params, int highIndex,
                         std::initializer_list<AnsiString*> targets) {
  int index = 0;
  try {
    for (AnsiString* target : targets) {
      *target = ElementText(params, highIndex, index);
      ++index;
    }
  } catch (const std::exception&) {
    // What was read is kept; the rest stays as it was.
  }
}

bool ClosePort() { return FechaPorta() != 0; }

bool DetectOn(int port) {
  int cell1 = 0;
  int cell2 = 0;
  return Sweda_DetectarECF(port, &cell1, &cell2) != 0;
}

bool DetectOnPortZero(int pause) {
  for (int attempt = 0; attempt < kDetectAttempts; ++attempt) {
    if (DetectOn(0)) return true;
    Consiste::Delay(pause);
  }
  return false;
}

short Captures::Capture(int kind) {
  char* buffer = kind == 1 ? first_.data() : second_.data();
  return Sweda_CapturarDispositivo(kind, 17408, buffer, kSize, 15000, 0, 0);
}

AnsiString CaptureMessageKey(int code) {
  static const char* const kKeys[] = {
      "Erro_AberLog",   "Erro_Data",        "Erro_Faixa",       "Erro_100",
      "Erro_Arq_NEnc",  "Erro_Arq_Sel",     "Erro_Arq_Ori",     "Erro_Memoria",
      "Erro_temporario", "Erro_Arq_Sai",    "Erro_invalido",    "Erro_Instancia",
      "Erro_Mes",       "Erro_Insuficiente", "Erro_Gravacao",   "Erro_Timeout",
      "Erro_Off_line",  "Erro_tampa_imp",   "Erro_sem_papel",   "Erro_bobina",
      "Erro_sintaxe",   "Erro_Comando_Inv", "Erro_Execucao",    "Erro_Aplicativo"};
  constexpr int kCount = static_cast<int>(sizeof(kKeys) / sizeof(kKeys[0]));
  if (code < 1 || code > kCount) return "";
  return kKeys[code - 1];
}

AnsiString ReproductionMessageKey(int code, bool negativeRange) {
  if (negativeRange && code == -3) code = 3;
  switch (code) {
    case 2: return "Erro_Data";
    case 3: return "Erro_Faixa";
    case 7: return "Erro_ArqOri";
    case 10: return "Erro_ArqDes";
    default: return "";
  }
}

void Show(const AnsiString& scheme, const AnsiString& text, mdx::TTipoMsg kind) {
  Mensagemxop::Mensagem(text, "", "N", "N", kind, "", scheme, 0, nullptr);
}

AnsiString Text2(const AnsiString& key) { return DataModule().msgPadrao2.Msg(key); }

void ShowKey(const AnsiString& scheme, const AnsiString& key, mdx::TTipoMsg kind) {
  if (!key.empty()) Show(scheme, Text2(key), kind);
}

AnsiString MenuFiscalFolder() { return ProgramDirectory() + "\\Dados\\MenuFiscal\\"; }

const char* const kWorkFolders[2] = {"C:\\Sweda", "c:\\sweda\\RFD\\"};

AnsiString EnsureWorkFolders() {
  for (const char* folder : kWorkFolders) {
    const AnsiString path = PlatformPath(folder);
    if (!mdx::platform::DirectoryExists(path) && !mdx::platform::ForceDirectories(path)) {
      return folder;
    }
  }
  return "";
}

}  // namespace Mdx00200::fiscalfiles
