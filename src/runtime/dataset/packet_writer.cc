#include "runtime/dataset/packet_writer.h"

#include <algorithm>

#include "mdx00200/exceptions.h"
#include "runtime/dataset/byte_io.h"
#include "runtime/dataset/index_defs_codec.h"
#include "runtime/dataset/packet_format.h"
#include "runtime/dataset/property_codec.h"
#include "runtime/dataset/timestamp.h"

namespace mdx::dataset {

using namespace packet;

namespace {

bool HasProperty(const std::vector<RawProperty>& props, const char* name) {
  return std::any_of(props.begin(), props.end(), [name](const RawProperty& p) { return p.name == name; });
}

const char* SubtypeOf(TFieldType type) {
  switch (type) {
    case ftCurrency:
      return "Money";
    case ftMemo:
      return "Text";
    case ftBlob:
      return "Binary";
    case ftGraphic:
      return "Graphics";
    case ftTypedBinary:
      return "TypedBinary";
    default:
      return nullptr;
  }
}

void WriteFieldDescriptor(ByteWriter& out, const TFieldDef& def, const std::vector<RawProperty>& extras) {
  if (def.Name.empty() || def.Name.size() > 0xFF)
    throw EDatabaseError("Field name '" + def.Name + "' cannot be stored (1 to 255 bytes)");
  const FieldCodec codec = CodecFor(def);
  std::vector<RawProperty> props;
  // A text field's width is always the field's own: a WIDTH the reader could
  // not use (kept with the field's other properties) would otherwise stand
  // in for it, and the next reader would guess the width from the prefix.
  const bool text = codec.storage == Storage::Text || codec.storage == Storage::WideText;
  if (text) props.push_back(MakeUInt16Property(kWidth, static_cast<uint16_t>(def.Size)));
  if (const char* subtype = SubtypeOf(def.DataType); subtype && !HasProperty(extras, kSubtype))
    props.push_back(MakeTextProperty(kSubtype, subtype));
  for (const RawProperty& p : extras)
    if (!(text && p.name == kWidth)) props.push_back(p);

  uint16_t attributes = 0;
  if (def.Attributes.Contains(faHiddenCol)) attributes |= 0x01;
  if (def.Attributes.Contains(faReadonly)) attributes |= 0x02;
  if (def.Attributes.Contains(faRequired)) attributes |= 0x04;
  if (def.Attributes.Contains(faLink)) attributes |= 0x08;

  out.U8(static_cast<uint8_t>(def.Name.size()));
  out.Append(def.Name);
  out.U16(codec.size);
  out.U16(codec.type);
  out.U16(attributes);
  out.U16(static_cast<uint16_t>(props.size()));
  for (const RawProperty& p : props) WriteProperty(out, p);
}

void WriteValue(ByteWriter& out, const FieldCodec& c, TFieldType type, const Cell& cell) {
  if (c.type & kVarying) {
    const size_t limit = c.size == 1 ? 0xFF : c.size == 2 ? 0xFFFF : 0xFFFFFFFFu;
    const size_t length = std::min(cell.bytes.size(), limit);
    out.UInt(c.size, static_cast<uint32_t>(length));
    out.Append(cell.bytes.data(), length);
    return;
  }
  switch (c.storage) {
    case Storage::Integer:
      if (type == ftSmallint || type == ftWord)
        out.U16(static_cast<uint16_t>(cell.integer));
      else if (type == ftInteger)
        out.I32(static_cast<int32_t>(cell.integer));
      else
        out.U64(static_cast<uint64_t>(cell.integer));
      break;
    case Storage::Boolean:
      out.U16(cell.integer ? 0xFFFF : 0);  // the platform's WordBool true
      break;
    case Storage::Float:
      out.F64(cell.number);
      break;
    case Storage::Date:
    case Storage::Time:
    case Storage::DateTime: {
      TimeStamp stamp;
      DateTimeToTimeStamp(cell.number, stamp);  // values are kept in range when they are set
      if (c.storage == Storage::Date)
        out.I32(stamp.date);
      else if (c.storage == Storage::Time)
        out.I32(stamp.time);
      else
        out.F64(TimeStampToMilliseconds(stamp));
      break;
    }
    case Storage::Bytes: {  // fixed bytes: exactly the field's size
      std::string bytes = cell.bytes;
      bytes.resize(c.size, '\0');
      out.Append(bytes);
      break;
    }
    case Storage::Text:
    case Storage::WideText:
      break;
  }
}

bool SameCell(const Cell& a, const Cell& b) {
  return a.null == b.null && a.bytes == b.bytes && a.integer == b.integer &&
         (a.number == b.number || (a.number != a.number && b.number != b.number));
}

class RecordWriter {
 public:
  RecordWriter(ByteWriter& out, const Schema& schema) : out_(out), fields_(schema.fields) {
    for (const TFieldDef& def : fields_) codecs_.push_back(CodecFor(def));
    statusBytes_ = (fields_.size() + 3) / 4;
  }

  // Writes one record; with `original`, fields equal to it are "not changed".
  void Write(uint8_t status, const Row& values, const Row* original) {
    out_.U8(status);
    const size_t statusAt = out_.Size();
    for (size_t i = 0; i < statusBytes_; ++i) out_.U8(0);
    for (size_t f = 0; f < fields_.size(); ++f) {
      uint8_t st = kFieldValue;
      if (original && SameCell(values[f], (*original)[f]))
        st = kFieldNotChanged;
      else if (values[f].null)
        st = kFieldNull;
      else
        WriteValue(out_, codecs_[f], fields_[f].DataType, values[f]);
      out_.Buffer()[statusAt + f / 4] |= static_cast<uint8_t>(st << ((f % 4) * 2));
    }
    ++count_;
  }

  uint32_t Count() const { return count_; }

 private:
  ByteWriter& out_;
  const std::vector<TFieldDef>& fields_;
  std::vector<FieldCodec> codecs_;
  size_t statusBytes_ = 0;
  uint32_t count_ = 0;
};

}  // namespace

std::vector<uint8_t> WritePacket(const Schema& schema, const std::vector<TIndexDef>& indexDefs,
                                 const RecordStore& records, bool withChangeLog) {
  if (schema.fields.empty() || schema.fields.size() > 0xFFFF)
    throw EDatabaseError("A data packet needs 1 to 65,535 fields");
  ByteWriter out;
  out.Reserve(256 + records.LiveCount() * (1 + schema.fields.size() * 12));
  out.Append(kSignature, 4);
  out.I32(kVersion);
  out.I32(kHeaderMark);
  out.U16(static_cast<uint16_t>(schema.fields.size()));
  const size_t recordCountAt = out.Size();
  out.I32(0);
  out.I32(kHeaderFlags);
  const size_t headerSizeAt = out.Size();
  out.U16(0);

  for (size_t i = 0; i < schema.fields.size(); ++i)
    WriteFieldDescriptor(out, schema.fields[i], schema.fieldExtras[i]);

  std::vector<RawProperty> props = schema.properties;
  if (!indexDefs.empty()) props.push_back(EncodeIndexDefs(indexDefs));
  out.U16(static_cast<uint16_t>(props.size()));
  for (const RawProperty& p : props) WriteProperty(out, p);
  if (out.Size() > 0xFFFF) throw EDatabaseError("The dataset's structure is too large for a data packet");
  out.PatchU16(headerSizeAt, static_cast<uint16_t>(out.Size()));

  RecordWriter writer(out, schema);
  for (uint32_t id : records.Order()) {
    const StoredRecord& r = records.Record(id);
    if (!withChangeLog) {
      if (r.Live()) writer.Write(0, r.values, nullptr);
      continue;
    }
    switch (r.change) {
      case RecordChange::Unchanged:
        writer.Write(0, r.values, nullptr);
        break;
      case RecordChange::Inserted:
        writer.Write(kRecInserted, r.values, nullptr);
        break;
      case RecordChange::Modified:
        writer.Write(kRecOriginal, *r.original, nullptr);
        writer.Write(kRecModified, r.values, r.original.get());
        break;
      case RecordChange::Deleted:
        writer.Write(kRecDeleted, r.values, nullptr);
        break;
      case RecordChange::Removed:
        break;
    }
  }
  out.PatchU32(recordCountAt, writer.Count());
  return std::move(out.Buffer());
}

}  // namespace mdx::dataset
