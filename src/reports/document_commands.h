// The commands of the documents that send every line on its own: the open,
// one text line, the spacing and the close of a management report.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::reports {

// "13" + "S": opens a management report. Returns the verdict.
bool OpenReport(const AnsiString& scheme, bool ownErrorHandling);

// "08" + "0" + text, no busy repeat. Returns the verdict.
bool SendLine(const AnsiString& scheme, const AnsiString& text, bool ownErrorHandling);

// "08" + "9" + "1": the spacing between sections, neither own error
// handling nor busy repeat.
bool SendSpacing(const AnsiString& scheme);

// "12" without busy repeat: closes the report. Returns the verdict.
bool CloseReport(const AnsiString& scheme, bool ownErrorHandling);

}  // namespace Mdx00200::reports
