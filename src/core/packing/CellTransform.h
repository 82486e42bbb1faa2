#pragma once
// The eight ways a square cell can be turned and mirrored, as the level editor turns and mirrors a
// texture on a face: named as the move map names them, composed and inverted, and walked pixel by
// pixel without making the turned copy.

#include <QString>
#include <array>

namespace mosaicor {

// A transform moves the pixel at (x, y) of a cell n pixels wide to a new place: first the two
// coordinates swap places (for the diagonal ones and the quarter turns), then x and y are mirrored
// as the kind says. The values are that recipe's three bits.
enum class CellTransform : unsigned char {
  None = 0,           // (x, y)
  FlipX = 1,          // (n-1-x, y): left-right mirror
  FlipY = 2,          // (x, n-1-y): top-bottom mirror
  Rot180 = 3,         // (n-1-x, n-1-y)
  Transpose = 4,      // (y, x): mirror on the top-left to bottom-right diagonal
  Rot90 = 5,          // (n-1-y, x): a quarter turn clockwise as seen on screen
  Rot270 = 6,         // (y, n-1-x)
  AntiTranspose = 7,  // (n-1-y, n-1-x): mirror on the other diagonal
};

// All eight, `None` first and then in the order the move map lists the names.
inline constexpr std::array<CellTransform, 8> kCellTransforms = {
    CellTransform::None,  CellTransform::Rot90, CellTransform::Rot180,    CellTransform::Rot270,
    CellTransform::FlipX, CellTransform::FlipY, CellTransform::Transpose, CellTransform::AntiTranspose};

// "none", "rot90", "rot180", "rot270", "flipx", "flipy", "transpose", "antitranspose".
QString TransformName(CellTransform transform);

// Where `transform` puts the pixel (x, y) of a cell `side` pixels wide.
struct CellPoint {
  int x = 0, y = 0;
  friend bool operator==(const CellPoint&, const CellPoint&) = default;
};
CellPoint Apply(CellTransform transform, CellPoint point, int side);

// The transform that undoes `transform`.
CellTransform Inverse(CellTransform transform);
// The transform that does `first`, then `second`.
CellTransform Then(CellTransform first, CellTransform second);

// How to read a cell's pixels in the order of its transformed copy: the transformed pixel (u, v)
// is the source pixel at origin + u * stepU + v * stepV (in pixels, with rows `stride` pixels
// apart). So comparing a cell with the turned copy of another reads both in place.
struct CellWalk {
  long origin = 0;
  long stepU = 0;
  long stepV = 0;
};
CellWalk WalkOf(CellTransform transform, int side, long stride);

}  // namespace mosaicor
