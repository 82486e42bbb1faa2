#include "core/packing/CellTransform.h"

namespace mosaicor {

namespace {

bool Has(CellTransform transform, int bit) { return (static_cast<int>(transform) & bit) != 0; }

// The one transform that moves these three points as `moved` says: three points that are not on
// one line fix an affine map of the cell.
CellTransform Matching(const CellPoint (&moved)[3]) {
  constexpr int kSide = 3;
  const CellPoint corners[3] = {{0, 0}, {1, 0}, {0, 1}};
  for (CellTransform candidate : kCellTransforms) {
    bool same = true;
    for (int i = 0; i < 3; ++i) same = same && Apply(candidate, corners[i], kSide) == moved[i];
    if (same) return candidate;
  }
  return CellTransform::None;  // not reached: the eight are closed under composition
}

}  // namespace

QString TransformName(CellTransform transform) {
  switch (transform) {
    case CellTransform::None:
      return QStringLiteral("none");
    case CellTransform::FlipX:
      return QStringLiteral("flipx");
    case CellTransform::FlipY:
      return QStringLiteral("flipy");
    case CellTransform::Rot180:
      return QStringLiteral("rot180");
    case CellTransform::Transpose:
      return QStringLiteral("transpose");
    case CellTransform::Rot90:
      return QStringLiteral("rot90");
    case CellTransform::Rot270:
      return QStringLiteral("rot270");
    case CellTransform::AntiTranspose:
      return QStringLiteral("antitranspose");
  }
  return {};
}

CellPoint Apply(CellTransform transform, CellPoint point, int side) {
  if (Has(transform, 4)) point = {point.y, point.x};
  if (Has(transform, 1)) point.x = side - 1 - point.x;
  if (Has(transform, 2)) point.y = side - 1 - point.y;
  return point;
}

CellTransform Then(CellTransform first, CellTransform second) {
  constexpr int kSide = 3;
  const CellPoint moved[3] = {Apply(second, Apply(first, {0, 0}, kSide), kSide),
                              Apply(second, Apply(first, {1, 0}, kSide), kSide),
                              Apply(second, Apply(first, {0, 1}, kSide), kSide)};
  return Matching(moved);
}

CellTransform Inverse(CellTransform transform) {
  for (CellTransform candidate : kCellTransforms)
    if (Then(transform, candidate) == CellTransform::None) return candidate;
  return CellTransform::None;  // not reached
}

CellWalk WalkOf(CellTransform transform, int side, long stride) {
  // The transformed pixel (u, v) comes from the source pixel the inverse puts there.
  const CellTransform back = Inverse(transform);
  const CellPoint o = Apply(back, {0, 0}, side), u = Apply(back, {1, 0}, side), v = Apply(back, {0, 1}, side);
  return CellWalk{o.x + o.y * stride, (u.x - o.x) + (u.y - o.y) * stride, (v.x - o.x) + (v.y - o.y) * stride};
}

}  // namespace mosaicor
