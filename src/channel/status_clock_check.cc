// VerificaData: the printer's clock against the host's.
#include "channel/status_dates.h"
#include "frame/data_module.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

namespace {

// Clocks further apart than this many minutes disagree.
constexpr int kClockToleranceMinutes = 15;

// The difference text of the host library ("hh:nn:ss", "-" in front when
// negative) read as the number hhnn: 16 minutes give 16, an hour 100.
int DifferenceAsHhnn(const AnsiString& difference) {
  const AnsiString hhnn = mdx::Copy(difference, difference.starts_with('-') ? 2 : 1, 5);
  if (hhnn.size() != 5 || hhnn[2] != ':') {
    throw mdx::EConvertError("'" + difference + "' is not a valid time");
  }
  return mdx::StrToInt(hhnn.substr(0, 2) + hhnn.substr(3, 2));
}

}  // namespace

bool VerificaData(const AnsiString& scheme, TDateTime& date, const AnsiString& printerDateTime,
                  const AnsiString& movementDate, bool readPrinter) {
  TdtmSweda200& module = DataModule();
  bool result = true;
  AnsiString printerClock = printerDateTime;
  if (readPrinter && !Data_Imp(scheme, printerClock)) {
    boClieUtil = false;
    return false;
  }
  try {
    if (!printerClock.empty()) {
      TDateTime printerNow;
      if (!channel::TryPrinterDateTime(printerClock, printerNow)) {
        throw mdx::EConvertError("'" + printerClock + "' is not a valid date and time");
      }
      const AnsiString difference = Xop_korvana::SubtDataHoraXop(printerNow, mdx::Now());
      if (DifferenceAsHhnn(difference) > kClockToleranceMinutes) {
        if (boNUtilTaa || !boClieUtil) {
          Mensagemxop::Mensagem(module.msgPadrao.Msg("Datadif"), "", "N", "N", mdx::tmErro, "",
                                scheme, 0, nullptr);
        }
        boClieUtil = false;
        result = false;
      }
    }
    if (movementDate.empty()) {
      date = mdx::Date();
    } else if (!channel::TryPrinterDate(movementDate, date)) {
      throw mdx::EConvertError("'" + movementDate + "' is not a valid date");
    }
  } catch (const mdx::Exception&) {
    date = mdx::Date();
  }
  return result;
}

}  // namespace Mdx00200
