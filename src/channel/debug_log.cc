// The monthly debug log: one line per event in the host directory.
#include <cstdio>

#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "mdx00200/host_services.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

void ImpFisDebug(const AnsiString& text) {
  const TDateTime now = mdx::Now();
  const AnsiString path =
      mdx::Host().HostDirectory() + "impdebug" + mdx::FormatDateTime("MMYY", now) + ".txt";
  const mdx::TFormatSettings& settings = mdx::FormatSettings();
  const AnsiString line =
      mdx::FormatDateTime(settings.ShortDateFormat + " " + settings.LongTimeFormat, now) + " - " +
      text + "\r\n";
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (!file) throw mdx::EInOutError("Cannot open the debug log '" + path + "'");
  bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  bool closed = std::fclose(file) == 0;
  if (!written || !closed) throw mdx::EInOutError("Cannot write the debug log '" + path + "'");
}

}  // namespace Mdx00200
