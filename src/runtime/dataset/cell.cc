#include "runtime/dataset/cell.h"

namespace mdx::dataset {

Storage StorageOf(TFieldType type) {
  switch (type) {
    case ftString:
      return Storage::Text;
    case ftWideString:
      return Storage::WideText;
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftLargeint:
      return Storage::Integer;
    case ftBoolean:
      return Storage::Boolean;
    case ftFloat:
    case ftCurrency:
      return Storage::Float;
    case ftDate:
      return Storage::Date;
    case ftTime:
      return Storage::Time;
    case ftDateTime:
      return Storage::DateTime;
    case ftUnknown:
    case ftBytes:
    case ftBlob:
    case ftMemo:
    case ftGraphic:
    case ftTypedBinary:
      break;
  }
  return Storage::Bytes;
}

bool IsDateStorage(Storage storage) {
  return storage == Storage::Date || storage == Storage::Time || storage == Storage::DateTime;
}

}  // namespace mdx::dataset
