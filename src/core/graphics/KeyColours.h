#pragma once
// The two colours every part of the system agrees on: the magenta key, which the level editors
// show as transparent, and the black a new texture set starts with, the colour of an empty cell.

#include <QRgb>

namespace mosaicor {

inline constexpr QRgb kOpaqueMagentaKey = 0xFFFF00FFu;
inline constexpr QRgb kNewSetBlack = 0xFF000000u;

}  // namespace mosaicor
