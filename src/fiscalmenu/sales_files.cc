// GeraCatGenerica: the daily electronic files of the detail-tape memory for
// a period, one per day with movement, written by the maker's library into
// its work folder.
#include <cmath>

#include "fiscalmenu/file_paths.h"
#include "fiscalmenu/maker_flow.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/string_list.h"

namespace Mdx00200 {

namespace {

namespace ff = fiscalfiles;

struct SalesFilesInput {
  AnsiString recordsDetailTape;  // IDGRAVAMFD
  ff::SessionValues session;
  AnsiString firstDay;
  AnsiString lastDay;
};

SalesFilesInput ReadInput(const Variant* params, int highIndex) {
  if (params == nullptr || highIndex < 2) {
    throw mdx::Exception("GeraCatGenerica: a lista de par\xE2metros tem " +
                         mdx::IntToStr(params == nullptr ? 0 : highIndex + 1) +
                         " elementos, 3 esperados");
  }
  mdx::TClientDataSet& data = *DataModule().cdsParametros;
  data.SetData(params[0]);
  auto field = [&data](const char* name) { return data.FieldByName(name).AsString(); };
  SalesFilesInput input;
  input.recordsDetailTape = field("IDGRAVAMFD");
  input.session.serial = field("NRSERIEECF");
  input.session.scheme = field("IDESQUEMA");
  input.session.branch = field("CDFILIAL");
  input.session.till = field("CDCAIXA");
  input.session.port = field("CDPORTAIMPFIS");
  input.session.printerDate = field("DATAATUIMP");
  input.session.ecf = field("ECFIMP");
  input.session.reduction = field("REDIMP");
  input.session.printerDay = field("DATAIMP");
  input.firstDay = params[1].AsString();
  input.lastDay = params[2].AsString();
  return input;
}

bool SalesEntriesResolved() {
  return Sweda_DetectarECF && Sweda_CapturarDispositivo && Sweda_ArquivoEletronicoCOTEPE;
}

// A day as "ddmmyy" read as "dd/mm/yy" and normalized through "dd/mm/yyyy".
mdx::TDateTime SixDigitDay(const AnsiString& text) {
  const mdx::TDateTime day = mdx::StrToDate(mdx::Copy(text, 1, 2) + "/" + mdx::Copy(text, 3, 2) +
                                            "/" + mdx::Copy(text, 5, 2));
  return mdx::StrToDate(mdx::FormatDateTime("dd/mm/yyyy", day));
}

// The period in the short date format, or, when either day is not one, both
// read as "ddmmyy". Raises mdx::EConvertError when neither form fits.
void ReadPeriod(const SalesFilesInput& input, mdx::TDateTime& first, mdx::TDateTime& last) {
  if (mdx::TryStrToDate(input.firstDay, first) && mdx::TryStrToDate(input.lastDay, last)) return;
  first = SixDigitDay(input.firstDay);
  last = SixDigitDay(input.lastDay);
}

// The short-date text of a day as "ddmmyyyy" (characters 1-2, 4-5, 7-10).
AnsiString DayDigits(const AnsiString& shortDate) {
  return mdx::Copy(shortDate, 1, 2) + mdx::Copy(shortDate, 4, 2) + mdx::Copy(shortDate, 7, 4);
}

// The last detection goes to the port of the port name's 4th character
// ("COM2" gives 2, "COM12" gives 1).
int PortDigit(const AnsiString& portName) { return mdx::StrToInt(mdx::Copy(portName, 4, 1)); }

}  // namespace

bool GeraCatGenerica(const Variant* params, int highIndex, TStringList*& files) {
  files = new mdx::TStringList();
  const SalesFilesInput input = ReadInput(params, highIndex);
  if (input.recordsDetailTape != "S") return false;
  const ff::SessionValues& session = input.session;
  const AnsiString& scheme = session.scheme;

  const AnsiString namePrefix = "SW" + session.branch + session.till;
  if (!IsSafeNamePart(namePrefix)) return false;
  if (!SalesEntriesResolved()) {
    ff::ShowKey(scheme, "Erro_SWMFD", mdx::tmInformacao);
    return false;
  }
  const AnsiString missing = ff::EnsureWorkFolders();
  if (!missing.empty()) throw mdx::Exception("Diret\xF3rio" + missing + " n\xE3o foi criado");

  mdx::TDateTime first = 0;
  mdx::TDateTime last = 0;
  ReadPeriod(input, first, last);

  ff::Captures captures;
  if (!ff::ClosePort()) {
    ff::ShowKey(scheme, "Erro_FechaPorta", mdx::tmInformacao);
    return false;
  }
  if (!ff::DetectOnPortZero(5) && !ff::DetectOn(PortDigit(session.port))) {
    ff::ShowKey(scheme, "Erro_Detectar", mdx::tmErro);
    ff::ReopenSession(session);
    return false;
  }
  for (int kind = 1; kind <= 2; ++kind) {
    const short code = captures.Capture(kind);
    if (code != 0) {
      ff::ShowKey(scheme, ff::CaptureMessageKey(code), mdx::tmInformacao);
      return false;
    }
  }

  bool written = false;
  AnsiString withoutMovement;
  const long firstDay = std::lround(std::floor(first));
  const long lastDay = std::lround(std::floor(last));
  for (long day = firstDay; day <= lastDay; ++day) {
    const AnsiString shortDate = mdx::DateToStr(static_cast<mdx::TDateTime>(day));
    const AnsiString digits = DayDigits(shortDate);
    const AnsiString file = PlatformPath("c:\\sweda\\rfd\\" + namePrefix + digits + ".txt");
    const short code = Sweda_ArquivoEletronicoCOTEPE(captures.Second(), captures.First(),
                                                     file.c_str(), digits.c_str(), digits.c_str(), 4);
    if (code == 0) {
      files->Add(file);
      written = true;
    } else if (code == 25) {
      withoutMovement += ", " + shortDate;
    } else {
      ff::ShowKey(scheme, ff::ReproductionMessageKey(code, true), mdx::tmInformacao);
      return false;
    }
  }
  if (!withoutMovement.empty()) {
    ff::Show(scheme, ff::Text2("Erro_NMovDia") + withoutMovement.substr(2), mdx::tmInformacao);
  }
  return written && ff::ReopenSession(session);
}

}  // namespace Mdx00200
