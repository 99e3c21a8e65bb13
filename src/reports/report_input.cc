#include "reports/report_input.h"

#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"

namespace Mdx00200::reports {

void LoadPacket(TClientDataSet& target, const Variant& packet, const char* operation) {
  target.SetData(packet);
  if (!target.Active())
    throw mdx::EDatabaseError(AnsiString(operation) + ": the data given holds no dataset");
}

void CopyDataSet(TClientDataSet& target, TClientDataSet* source, const char* operation) {
  if (!source) throw mdx::EDatabaseError(AnsiString(operation) + ": no dataset was given");
  if (!source->Active())
    throw mdx::EDatabaseError(AnsiString(operation) + ": the dataset given is closed");
  LoadPacket(target, source->Data(), operation);
}

}  // namespace Mdx00200::reports
