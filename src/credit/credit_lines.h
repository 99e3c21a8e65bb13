// Lines of the consumer-credit documents: the texts they are built from and
// the "08" commands that print them.
#pragma once

#include <vector>

#include "mdx00200/mdx00200.h"

namespace Mdx00200::credit {

inline constexpr char kLf[] = "\n";
inline constexpr char kLfCr[] = "\n\r";

// The first `width` characters of text.
AnsiString Cut(const AnsiString& text, size_t width);
// The value in the settings' currency format with two decimals ("R$ 12,50").
AnsiString Currency(double value);
// An amount text right-aligned in `width`; a wider text comes back whole.
AnsiString AmountColumn(const AnsiString& amount, int width);
// msgPadrao's text for key.
AnsiString Msg(const char* key);

// One line of a report printed line by line: a text or a spacing line.
struct ReportLine {
  bool spacing = false;
  AnsiString text;
};
inline ReportLine Spacing() { return {true, ""}; }
inline ReportLine Line(const AnsiString& text) { return {false, text}; }

// "08" + "0" + text, or "08" + "9" + "1" for a spacing line; no busy
// repeat. Returns the verdict.
bool SendLine(const AnsiString& scheme, const ReportLine& line, bool ownErrorHandling);

// Sends the lines in order, each only while the one before was accepted.
// True when every line was accepted.
bool SendWhileAccepted(const AnsiString& scheme, const std::vector<ReportLine>& lines,
                       bool ownErrorHandling);

// The end of a report: when its lines were accepted, FechRelatGerenc(scheme,
// false, true), whose verdict is the result. Otherwise the result is false,
// and the report is still closed when it had opened, so it cannot block the
// next document; nothing is sent when it had not (the document open on the
// printer is someone else's).
bool CloseReport(const AnsiString& scheme, bool opened, bool linesAccepted);

}  // namespace Mdx00200::credit
