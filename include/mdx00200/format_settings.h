// The regional settings that formatting and parsing use. One global, with
// Brazilian defaults; tests switch it to check separators.
#pragma once

#include "mdx00200/ansi_string.h"

namespace mdx {

struct TFormatSettings {
  char DecimalSeparator = ',';
  char ThousandSeparator = '.';
  char DateSeparator = '/';
  char TimeSeparator = ':';
  AnsiString ShortDateFormat = "dd/mm/yyyy";
  AnsiString LongDateFormat = "dd/mm/yyyy";
  AnsiString ShortTimeFormat = "hh:nn";
  AnsiString LongTimeFormat = "hh:nn:ss";
  AnsiString CurrencyString = "R$";
  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  int CurrencyFormat = 2;
  // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", ... 9 "-$ 1" (the platform's codes)
  int NegCurrFormat = 9;
  int CurrencyDecimals = 2;
  AnsiString TimeAMString = "";
  AnsiString TimePMString = "";
};

TFormatSettings& FormatSettings();
TFormatSettings BrazilianFormatSettings();

// Restores the settings it saw at construction when it leaves scope.
class FormatSettingsGuard {
 public:
  FormatSettingsGuard() : saved_(FormatSettings()) {}
  ~FormatSettingsGuard() { FormatSettings() = saved_; }
  FormatSettingsGuard(const FormatSettingsGuard&) = delete;
  FormatSettingsGuard& operator=(const FormatSettingsGuard&) = delete;

 private:
  TFormatSettings saved_;
};

}  // namespace mdx
