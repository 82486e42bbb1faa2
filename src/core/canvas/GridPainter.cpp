#include "core/canvas/GridPainter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "core/canvas/CanvasTypes.h"
#include "core/graphics/RectDrawing.h"

namespace mosaicor {

namespace {

// A block of cells framed in one pass.
struct Pass {
  int c0, c1, r0, r1;  // inclusive ranges
  QRgb colour;
};

enum RowRole { Outside = 0, Edge = 1, Inside = 2 };

RowRole RoleOf(const Pass& p, const GridGeometry& g, int y) {
  if (p.c1 < p.c0 || p.r1 < p.r0) return Outside;
  const int top = p.r0 * g.CellHeight + g.OffsetY;
  const int bottom = (p.r1 + 1) * g.CellHeight + g.OffsetY;
  if (y < top || y >= bottom) return Outside;
  const int within = (y - top) % g.CellHeight;
  return within == 0 || within == g.CellHeight - 1 ? Edge : Inside;
}

// Combines one pass's frames into a row of 32-bit colours (x from area.left()).
void XorPassRow(std::vector<QRgb>& row, const QRect& area, const Pass& p, const GridGeometry& g, int y, RowRole role) {
  const QRgb bits = p.colour & 0x00FFFFFFu;
  const int x0 = area.left(), x1 = area.left() + area.width();
  auto dot = [&](int x) {
    if (x >= x0 && x < x1 && IsFocusDot(x, y)) row[x - x0] ^= bits;
  };
  if (role == Edge) {
    const int from = std::max(p.c0 * g.CellWidth + g.OffsetX, x0);
    const int to = std::min((p.c1 + 1) * g.CellWidth + g.OffsetX, x1);
    for (int x = from + ((from + y) & 1); x < to; x += 2) row[x - x0] ^= bits;
    return;
  }
  for (int c = p.c0; c <= p.c1; ++c) {
    const int left = c * g.CellWidth + g.OffsetX;
    if (left >= x1) break;
    dot(left);
    if (g.CellWidth > 1) dot(left + g.CellWidth - 1);
  }
}

// Writes prepared rows into the picture: row kinds are converted to the picture's layout once.
class RowWriter {
 public:
  RowWriter(QImage& picture, const QRect& area) : picture_(picture), area_(area) {
    if (picture_.format() != QImage::Format_Indexed8 && picture_.depth() != 32)
      picture_ = picture_.convertToFormat(QImage::Format_ARGB32);
  }
  // Turns a row of colours into bytes of the picture's layout.
  std::vector<uchar> Encode(const std::vector<QRgb>& row) {
    std::vector<uchar> bytes;
    if (picture_.format() == QImage::Format_Indexed8) {
      bytes.resize(row.size());
      for (size_t i = 0; i < row.size(); ++i) {
        const int index = ColourIndex(picture_, row[i]);
        if (index < 0) {  // more colours than a table holds: fall back to 32 bits
          picture_ = picture_.convertToFormat(QImage::Format_ARGB32);
          return Encode(row);
        }
        bytes[i] = static_cast<uchar>(index);
      }
    } else {
      bytes.resize(row.size() * sizeof(QRgb));
      std::memcpy(bytes.data(), row.data(), bytes.size());
    }
    return bytes;
  }
  void Write(int y, const std::vector<uchar>& bytes) {
    const int bytesPerPixel = picture_.format() == QImage::Format_Indexed8 ? 1 : 4;
    std::memcpy(picture_.scanLine(y) + area_.left() * bytesPerPixel, bytes.data(), bytes.size());
  }
  bool IsIndexed() const { return picture_.format() == QImage::Format_Indexed8; }

 private:
  QImage& picture_;
  QRect area_;
};

}  // namespace

void PaintDottedGrid(QImage& picture, const QRect& area, const GridGeometry& g, QRgb ringColour, QRgb gridColour) {
  const QRect a = area.intersected(picture.rect());
  if (a.isEmpty()) return;
  const std::array<Pass, 2> passes = {Pass{-1, g.Cols, -1, g.Rows, ringColour},
                                      Pass{0, g.Cols - 1, 0, g.Rows - 1, gridColour}};
  RowWriter writer(picture, a);
  // A row depends only on each pass's role for it and on the parity of y (the dot phase).
  std::array<std::vector<uchar>, 18> kinds;
  std::array<bool, 18> made{};
  bool wasIndexed = writer.IsIndexed();
  for (int y = a.top(); y <= a.bottom(); ++y) {
    const RowRole r0 = RoleOf(passes[0], g, y), r1 = RoleOf(passes[1], g, y);
    const int kind = (r0 * 3 + r1) * 2 + (y & 1);
    if (!made[kind]) {
      std::vector<QRgb> row(a.width(), CanvasColours::Clear);
      if (r0 != Outside) XorPassRow(row, a, passes[0], g, y, r0);
      if (r1 != Outside) XorPassRow(row, a, passes[1], g, y, r1);
      kinds[kind] = writer.Encode(row);
      made[kind] = true;
      if (wasIndexed && !writer.IsIndexed()) {  // layout changed: start over in 32 bits
        PaintDottedGrid(picture, area, g, ringColour, gridColour);
        return;
      }
      wasIndexed = writer.IsIndexed();
    }
    writer.Write(y, kinds[kind]);
  }
}

void PaintGridLines(QImage& picture, const QRect& area, const GridGeometry& g, QRgb lineColour) {
  const QRect a = area.intersected(picture.rect());
  if (a.isEmpty()) return;
  RowWriter writer(picture, a);
  const bool wasIndexed = writer.IsIndexed();
  std::vector<QRgb> across(a.width(), lineColour);
  std::vector<QRgb> columns(a.width(), CanvasColours::Clear);
  for (int i = 0; i <= g.Cols; ++i) {
    const int x = i * g.CellWidth + g.OffsetX;
    if (x >= a.left() && x <= a.right()) columns[x - a.left()] = lineColour;
  }
  const std::vector<uchar> acrossBytes = writer.Encode(across);
  const std::vector<uchar> columnBytes = writer.Encode(columns);
  if (wasIndexed && !writer.IsIndexed()) {
    PaintGridLines(picture, area, g, lineColour);
    return;
  }
  for (int y = a.top(); y <= a.bottom(); ++y) {
    const int j = y - g.OffsetY;
    const bool line = j >= 0 && j % g.CellHeight == 0 && j / g.CellHeight <= g.Rows;
    writer.Write(y, line ? acrossBytes : columnBytes);
  }
}

}  // namespace mosaicor
