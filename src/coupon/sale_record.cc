#include "coupon/sale_record.h"

#include "mdx00200/hostlib.h"

namespace Mdx00200::coupon {

AnsiString RecordText(const Variant& record, const char* name) {
  return Xop_korvana::RecebeParams(record, name).AsString();
}

int RecordInteger(const Variant& record, const char* name) {
  return Xop_korvana::RecebeParams(record, name).AsInteger();
}

double RecordReal(const Variant& record, const char* name) {
  return Xop_korvana::RecebeParams(record, name).AsDouble();
}

bool RecordBool(const Variant& record, const char* name) {
  return Xop_korvana::RecebeParams(record, name).AsBoolean();
}

}  // namespace Mdx00200::coupon
