// The stored byte layouts of the figure record (1792 bytes) and the properties record
// (392 bytes): little-endian numbers, IEEE 754 doubles, names as cp1250 short strings.
// Section files hold these records byte for byte, so the layouts never change.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/model.h"
#include "engine/properties.h"

namespace tarvik {

inline constexpr size_t kPropertiesRecordSize = 392;
inline constexpr size_t kFigureRecordSize = 1792;

// byte offsets inside the figure record
namespace figure_offset {
inline constexpr size_t kStoredCount = 0;
inline constexpr size_t kOuter = 8;    // 37 x (x, y): point i at 16·i - 8
inline constexpr size_t kInner = 600;  // 37 x (x, y): point i at 584 + 16·i
inline constexpr size_t kNOuter = 1192;
inline constexpr size_t kNInner = 1196;
inline constexpr size_t kSelection = 1200;  // 8 x int32
inline constexpr size_t kExtraChoice = 1232;
inline constexpr size_t kDims = 1236;       // 8 x short string[10]
inline constexpr size_t kProps = 1328;
inline constexpr size_t kReserved = 1720;  // 4 x double
inline constexpr size_t kOriginX = 1752;
inline constexpr size_t kOriginY = 1760;
inline constexpr size_t kRotation = 1768;
inline constexpr size_t kWall1 = 1776;
inline constexpr size_t kWall2 = 1784;
}  // namespace figure_offset

using PropertiesBytes = std::array<uint8_t, kPropertiesRecordSize>;
using FigureBytes = std::array<uint8_t, kFigureRecordSize>;

void WriteProperties(const PropertiesRecord& record, std::span<uint8_t, kPropertiesRecordSize> out);
PropertiesRecord ReadProperties(std::span<const uint8_t, kPropertiesRecordSize> in);
void WriteFigure(const FigureRecord& figure, std::span<uint8_t, kFigureRecordSize> out);
// point counts outside 0..37 in a damaged record are clamped, so nothing reads past a contour
FigureRecord ReadFigure(std::span<const uint8_t, kFigureRecordSize> in);

PropertiesBytes ToBytes(const PropertiesRecord& record);
FigureBytes ToBytes(const FigureRecord& figure);

}  // namespace tarvik
