#include "engine/records.h"

#include <algorithm>

#include "engine/bytes.h"

namespace tarvik {
namespace {

using namespace bytes;

void PutPoints(uint8_t* p, const std::array<Point, FigureRecord::kCapacity>& points) {
  for (const Point& pt : points) {
    PutDouble(p, pt.x);
    PutDouble(p + 8, pt.y);
    p += 16;
  }
}

void GetPoints(const uint8_t* p, std::array<Point, FigureRecord::kCapacity>& points) {
  for (Point& pt : points) {
    pt = {GetDouble(p), GetDouble(p + 8)};
    p += 16;
  }
}

int32_t ClampCount(uint32_t raw) {
  return std::clamp(static_cast<int32_t>(raw), 0, FigureRecord::kCapacity);
}

}  // namespace

void WriteProperties(const PropertiesRecord& record,
                     std::span<uint8_t, kPropertiesRecordSize> out) {
  std::fill(out.begin(), out.end(), uint8_t{0});
  PutShortString(out.data(), PropertiesRecord::kNameChars, record.name());
  for (int k = PropertiesRecord::kFirstSlot; k < PropertiesRecord::kSlotEnd; ++k)
    PutDouble(out.data() + 8 * k, record[k]);
}

PropertiesRecord ReadProperties(std::span<const uint8_t, kPropertiesRecordSize> in) {
  PropertiesRecord record;
  record.setName(GetShortString(in.data(), PropertiesRecord::kNameChars));
  for (int k = PropertiesRecord::kFirstSlot; k < PropertiesRecord::kSlotEnd; ++k)
    record[k] = GetDouble(in.data() + 8 * k);
  return record;
}

void WriteFigure(const FigureRecord& f, std::span<uint8_t, kFigureRecordSize> out) {
  namespace o = figure_offset;
  uint8_t* p = out.data();
  std::fill(out.begin(), out.end(), uint8_t{0});
  p[o::kStoredCount] = f.storedCount;
  std::copy(f.spare.begin(), f.spare.end(), p + 1);
  PutPoints(p + o::kOuter, f.outer);
  PutPoints(p + o::kInner, f.inner);
  PutU32(p + o::kNOuter, static_cast<uint32_t>(f.nOuter));
  PutU32(p + o::kNInner, static_cast<uint32_t>(f.nInner));
  for (size_t i = 0; i < f.selection.size(); ++i)
    PutU32(p + o::kSelection + 4 * i, static_cast<uint32_t>(f.selection[i]));
  PutU32(p + o::kExtraChoice, static_cast<uint32_t>(f.extraChoice));
  for (size_t i = 0; i < f.dims.size(); ++i)
    PutShortString(p + o::kDims + 11 * i, FigureRecord::kDimChars, f.dims[i]);
  WriteProperties(f.props,
                  std::span<uint8_t, kPropertiesRecordSize>(p + o::kProps, kPropertiesRecordSize));
  for (size_t i = 0; i < f.reserved.size(); ++i) PutDouble(p + o::kReserved + 8 * i, f.reserved[i]);
  PutDouble(p + o::kOriginX, f.originX);
  PutDouble(p + o::kOriginY, f.originY);
  PutDouble(p + o::kRotation, f.rotation);
  PutDouble(p + o::kWall1, f.wall1);
  PutDouble(p + o::kWall2, f.wall2);
}

FigureRecord ReadFigure(std::span<const uint8_t, kFigureRecordSize> in) {
  namespace o = figure_offset;
  const uint8_t* p = in.data();
  FigureRecord f;
  f.storedCount = p[o::kStoredCount];
  std::copy(p + 1, p + 8, f.spare.begin());
  GetPoints(p + o::kOuter, f.outer);
  GetPoints(p + o::kInner, f.inner);
  f.nOuter = ClampCount(GetU32(p + o::kNOuter));
  f.nInner = ClampCount(GetU32(p + o::kNInner));
  for (size_t i = 0; i < f.selection.size(); ++i)
    f.selection[i] = static_cast<int32_t>(GetU32(p + o::kSelection + 4 * i));
  f.extraChoice = static_cast<int32_t>(GetU32(p + o::kExtraChoice));
  for (size_t i = 0; i < f.dims.size(); ++i)
    f.dims[i] = GetShortString(p + o::kDims + 11 * i, FigureRecord::kDimChars);
  f.props = ReadProperties(
      std::span<const uint8_t, kPropertiesRecordSize>(p + o::kProps, kPropertiesRecordSize));
  for (size_t i = 0; i < f.reserved.size(); ++i)
    f.reserved[i] = GetDouble(p + o::kReserved + 8 * i);
  f.originX = GetDouble(p + o::kOriginX);
  f.originY = GetDouble(p + o::kOriginY);
  f.rotation = GetDouble(p + o::kRotation);
  f.wall1 = GetDouble(p + o::kWall1);
  f.wall2 = GetDouble(p + o::kWall2);
  return f;
}

PropertiesBytes ToBytes(const PropertiesRecord& record) {
  PropertiesBytes bytes;
  WriteProperties(record, bytes);
  return bytes;
}

FigureBytes ToBytes(const FigureRecord& figure) {
  FigureBytes bytes;
  WriteFigure(figure, bytes);
  return bytes;
}

}  // namespace tarvik
