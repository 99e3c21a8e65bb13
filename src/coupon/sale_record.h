// Reading the values of a sale operation's parameter record.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::coupon {

// The record's value for `name` converted as the platform converts it.
// Raise mdx::Exception when the record has no such name, mdx::EVariantError
// (or mdx::EConvertError) when the value does not convert.
AnsiString RecordText(const Variant& record, const char* name);
int RecordInteger(const Variant& record, const char* name);
double RecordReal(const Variant& record, const char* name);
bool RecordBool(const Variant& record, const char* name);

// True for the TEF modes "S" and "T" of a till that uses TEF.
inline bool IsTefMode(const AnsiString& mode) { return mode == "S" || mode == "T"; }

}  // namespace Mdx00200::coupon
