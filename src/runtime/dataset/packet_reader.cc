#include "runtime/dataset/packet_reader.h"

#include <cstring>
#include <optional>

#include "mdx00200/ansi_string.h"
#include "mdx00200/exceptions.h"
#include "runtime/dataset/byte_io.h"
#include "runtime/dataset/index_defs_codec.h"
#include "runtime/dataset/packet_format.h"
#include "runtime/dataset/property_codec.h"
#include "runtime/dataset/timestamp.h"

namespace mdx::dataset {

using namespace packet;

namespace {

[[noreturn]] void Invalid(const std::string& why) { throw EDatabaseError("Invalid data packet: " + why); }

std::string Hex(unsigned value) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) text += digits[(value >> shift) & 0xF];
  return text;
}

// A field as read: its definition, kept properties and value coding.
struct FieldIn {
  TFieldDef def;
  std::vector<RawProperty> extras;
  FieldCodec codec;
};

[[noreturn]] void Unsupported(const std::string& name, uint16_t type, uint16_t size) {
  Invalid("field '" + name + "' has a type this dataset does not support (type " + Hex(type) + ", size " +
          std::to_string(size) + ")");
}

FieldIn ReadFieldDescriptor(ByteReader& in, size_t number) {
  FieldIn f;
  const uint8_t nameLength = in.U8("a field descriptor");
  if (nameLength == 0) Invalid("field " + std::to_string(number) + " has an empty name");
  const uint8_t* name = in.Bytes(nameLength, "a field name");
  f.def.Name.assign(reinterpret_cast<const char*>(name), nameLength);
  const uint16_t size = in.U16("a field descriptor");
  const uint16_t type = in.U16("a field descriptor");
  const uint16_t attributes = in.U16("a field descriptor");
  const uint16_t propertyCount = in.U16("a field descriptor");
  if (size_t{propertyCount} * 5 > in.Remaining())
    Invalid("field '" + f.def.Name + "' claims " + std::to_string(propertyCount) +
            " properties, more than the packet holds");

  std::optional<int64_t> width;
  std::optional<std::string> subtype;
  std::vector<RawProperty> props;
  for (uint16_t i = 0; i < propertyCount; ++i) props.push_back(ReadProperty(in));

  for (size_t i = 0; i < props.size(); ++i) {
    if (!width && props[i].name == kWidth) width = PropertyInteger(props[i]);
    if (!subtype && props[i].name == kSubtype) subtype = PropertyText(props[i]);
  }

  const uint16_t base = type & kTypeMask;
  const bool varying = (type & kVarying) != 0;
  bool usesWidth = false;
  bool usesSubtype = false;
  if (type & kArray) Unsupported(f.def.Name, type, size);
  if (varying) {
    if (size != 1 && size != 2 && size != 4)
      Invalid("field '" + f.def.Name + "' has a length prefix of " + std::to_string(size) + " bytes");
    if (base == kZString || base == kUniString) {
      f.def.DataType = base == kZString ? ftString : ftWideString;
      const int64_t limit = base == kZString ? 65535 : 32767;
      if (width) {
        if (*width < 1 || *width > limit)
          Invalid("field '" + f.def.Name + "' has width " + std::to_string(*width));
        f.def.Size = static_cast<int>(*width);
        usesWidth = true;
      } else {
        f.def.Size = static_cast<int>(size == 1 ? (base == kZString ? 255 : 127) : limit);
      }
    } else if (base == kBytes) {
      f.def.DataType = ftBlob;
      usesSubtype = subtype.has_value();
      if (subtype == "Text")
        f.def.DataType = ftMemo;
      else if (subtype == "Graphics")
        f.def.DataType = ftGraphic;
      else if (subtype == "TypedBinary")
        f.def.DataType = ftTypedBinary;
      else if (subtype != "Binary")
        usesSubtype = false;  // an unknown subtype stays with the field as it came
    } else {
      Unsupported(f.def.Name, type, size);
    }
  } else {
    switch (base) {
      case kInt:
        if (size == 2)
          f.def.DataType = ftSmallint;
        else if (size == 4)
          f.def.DataType = ftInteger;
        else if (size == 8)
          f.def.DataType = ftLargeint;
        else
          Unsupported(f.def.Name, type, size);
        break;
      case kUInt:
        if (size != 2) Unsupported(f.def.Name, type, size);
        f.def.DataType = ftWord;
        break;
      case kBool:
        if (size != 2) Unsupported(f.def.Name, type, size);
        f.def.DataType = ftBoolean;
        break;
      case kFloat:
        if (size != 8) Unsupported(f.def.Name, type, size);
        f.def.DataType = subtype == "Money" ? ftCurrency : ftFloat;
        usesSubtype = subtype == "Money";
        break;
      case kDate:
      case kTime:
        if (size != 4) Unsupported(f.def.Name, type, size);
        f.def.DataType = base == kDate ? ftDate : ftTime;
        break;
      case kTimeStamp:
        if (size != 8) Unsupported(f.def.Name, type, size);
        f.def.DataType = ftDateTime;
        break;
      case kBytes:
        if (size == 0) Unsupported(f.def.Name, type, size);
        f.def.DataType = ftBytes;
        f.def.Size = size;
        break;
      default:
        Unsupported(f.def.Name, type, size);
    }
  }

  if (attributes & 0x04) f.def.Attributes.Include(faRequired);
  if (attributes & 0x01) f.def.Attributes.Include(faHiddenCol);
  if (attributes & 0x02) f.def.Attributes.Include(faReadonly);
  if (attributes & 0x08) f.def.Attributes.Include(faLink);

  bool widthTaken = false;
  bool subtypeTaken = false;
  for (RawProperty& p : props) {
    if (usesWidth && !widthTaken && p.name == kWidth) {
      widthTaken = true;
      continue;
    }
    if (usesSubtype && !subtypeTaken && p.name == kSubtype) {
      subtypeTaken = true;
      continue;
    }
    f.extras.push_back(std::move(p));
  }
  f.codec.storage = StorageOf(f.def.DataType);
  f.codec.type = type;
  f.codec.size = size;
  f.codec.width = f.def.Size;
  return f;
}

std::string Where(int32_t record, const FieldIn& f) {
  return "record " + std::to_string(record + 1) + ", field '" + f.def.Name + "'";
}

// Reads one value of record (0-based) into cell.
void ReadValue(ByteReader& in, const FieldIn& f, Cell& cell, int32_t record) {
  const FieldCodec& c = f.codec;
  cell.null = false;
  if (c.type & kVarying) {
    const uint32_t length = in.UInt(c.size, "a value's length");
    const uint8_t* bytes = in.Bytes(length, "a value");
    size_t keep = length;
    if (c.storage == Storage::WideText) {
      if (length % 2) Invalid(Where(record, f) + ": wide text of an odd byte length " + std::to_string(length));
      if (keep > size_t(c.width) * 2) keep = size_t(c.width) * 2;
    } else if (c.storage == Storage::Text) {
      if (keep > size_t(c.width)) keep = c.width;
    }
    cell.bytes.assign(reinterpret_cast<const char*>(bytes), keep);
    return;
  }
  switch (c.storage) {
    case Storage::Integer:
      if (f.def.DataType == ftSmallint)
        cell.integer = static_cast<int16_t>(in.U16("a value"));
      else if (f.def.DataType == ftWord)
        cell.integer = in.U16("a value");
      else if (f.def.DataType == ftInteger)
        cell.integer = in.I32("a value");
      else
        cell.integer = static_cast<int64_t>(in.U64("a value"));
      break;
    case Storage::Boolean:
      cell.integer = in.U16("a value") != 0 ? 1 : 0;
      break;
    case Storage::Float:
      cell.number = in.F64("a value");
      break;
    case Storage::Date: {
      const TimeStamp stamp{in.I32("a value"), 0};
      if (!IsValidTimeStamp(stamp)) Invalid(Where(record, f) + ": invalid date " + std::to_string(stamp.date));
      cell.number = TimeStampToDateTime(stamp);
      break;
    }
    case Storage::Time: {
      const TimeStamp stamp{kDateDelta, in.I32("a value")};
      if (!IsValidTimeStamp(stamp)) Invalid(Where(record, f) + ": invalid time " + std::to_string(stamp.time));
      cell.number = TimeStampToDateTime(stamp);
      break;
    }
    case Storage::DateTime: {
      TimeStamp stamp;
      if (!MillisecondsToTimeStamp(in.F64("a value"), stamp)) Invalid(Where(record, f) + ": invalid date-time");
      cell.number = TimeStampToDateTime(stamp);
      break;
    }
    case Storage::Bytes: {
      const uint8_t* bytes = in.Bytes(c.size, "a value");
      cell.bytes.assign(reinterpret_cast<const char*>(bytes), c.size);
      break;
    }
    case Storage::Text:
    case Storage::WideText:
      break;  // varying, handled above
  }
}

}  // namespace

Packet ReadPacket(const uint8_t* data, size_t size) {
  ByteReader in(data, size);
  const uint8_t* signature = in.Bytes(4, "the header");
  if (std::memcmp(signature, kSignature, 4) != 0) Invalid("bad signature (not a client dataset packet)");
  in.Skip(8, "the header");  // version and header mark: not checked, files vary in nothing else here
  const uint16_t fieldCount = in.U16("the header");
  const int32_t recordCount = in.I32("the header");
  in.Skip(4, "the header");
  const uint16_t headerSize = in.U16("the header");
  if (recordCount < 0) Invalid("negative record count " + std::to_string(recordCount));
  if (fieldCount == 0) Invalid("no fields");
  if (size_t{fieldCount} * 9 > in.Remaining())
    Invalid("claims " + std::to_string(fieldCount) + " fields, more than the packet holds");

  std::vector<FieldIn> fields;
  fields.reserve(fieldCount);
  for (size_t i = 0; i < fieldCount; ++i) {
    fields.push_back(ReadFieldDescriptor(in, i + 1));
    for (size_t j = 0; j < i; ++j)
      if (SameText(fields[j].def.Name, fields[i].def.Name))
        Invalid("duplicate field name '" + fields[i].def.Name + "'");
  }

  Packet packet;
  const uint16_t propertyCount = in.U16("the packet properties");
  if (size_t{propertyCount} * 5 > in.Remaining())
    Invalid("claims " + std::to_string(propertyCount) + " packet properties, more than the packet holds");
  for (uint16_t i = 0; i < propertyCount; ++i) {
    RawProperty p = ReadProperty(in);
    if (p.name == kIndexDefs) {
      packet.indexDefs = DecodeIndexDefs(p);
      packet.hasIndexDefs = true;
    } else if (p.name != kChangeLog) {  // the log is merged on reading, so its links go
      packet.schema.properties.push_back(std::move(p));
    }
  }
  if (in.Position() > headerSize)
    Invalid("header size " + std::to_string(headerSize) + " is smaller than the metadata (" +
            std::to_string(in.Position()) + " bytes)");
  in.Seek(headerSize, "the header size");

  const size_t statusBytes = (fieldCount + 3) / 4;
  if (static_cast<uint64_t>(recordCount) * (1 + statusBytes) > in.Remaining())
    Invalid("claims " + std::to_string(recordCount) + " records, more than the packet holds");

  for (const FieldIn& f : fields) {
    packet.schema.fields.push_back(f.def);
    packet.schema.fieldExtras.push_back(f.extras);
  }

  std::vector<Row> rows;
  std::vector<bool> inView;
  rows.reserve(static_cast<size_t>(recordCount));
  inView.reserve(static_cast<size_t>(recordCount));
  for (int32_t r = 0; r < recordCount; ++r) {
    const uint8_t status = in.U8("a record");
    const uint8_t* fieldStatus = in.Bytes(statusBytes, "a record");
    const bool modification = (status & kRecModified) != 0;
    if (modification && rows.empty())
      Invalid("record " + std::to_string(r + 1) + " is a modification without the record it changes");
    Row row(fieldCount);
    for (size_t f = 0; f < fieldCount; ++f) {
      const uint8_t st = (fieldStatus[f / 4] >> ((f % 4) * 2)) & 3;
      if (st == kFieldValue) {
        ReadValue(in, fields[f], row[f], r);
      } else if (st == kFieldNotChanged) {
        if (!modification)
          Invalid(Where(r, fields[f]) + " is marked unchanged outside a modification");
        row[f] = rows.back()[f];
      } else if (st != kFieldNull) {
        Invalid(Where(r, fields[f]) + " has status 3");
      }
    }
    // A modification replaces the record right before it (the original, or
    // an earlier modification of it).
    if (modification) inView.back() = false;
    inView.push_back((status & (kRecDeleted | kRecUnused)) == 0);
    rows.push_back(std::move(row));
  }

  size_t kept = 0;
  for (size_t i = 0; i < rows.size(); ++i)
    if (inView[i]) {
      if (kept != i) rows[kept] = std::move(rows[i]);
      ++kept;
    }
  rows.resize(kept);
  packet.rows = std::move(rows);
  return packet;
}

}  // namespace mdx::dataset
