#pragma once

// How large an engine document may grow. Operations that would pass a limit fail with an automation
// error and leave the document as it was, so that no input can exhaust memory.

#include <cstdint>

namespace word::engine::limits {

inline constexpr std::int64_t Characters = 16 * 1024 * 1024; // text, in UTF-16 code units
inline constexpr std::int64_t Paragraphs = 200'000;          // body and cell paragraphs together
inline constexpr int TableRows = 32767;
inline constexpr int TableColumns = 63;
inline constexpr int TableCells = 10'000;
inline constexpr int Shapes = 10'000;
inline constexpr std::int64_t PictureFileBytes = 64 * 1024 * 1024;
inline constexpr std::int64_t PictureBytes = 256 * 1024 * 1024; // all embedded pictures together
inline constexpr int FontNameLength = 255;
inline constexpr float FontSizeMin = 1.0f, FontSizeMax = 1638.0f; // points
inline constexpr float IndentMax = 1584.0f;                       // points, either way
inline constexpr float SpacingMax = 1584.0f;                      // points
inline constexpr float ShapeCoordinateMax = 16000.0f;             // points, either way

} // namespace word::engine::limits
