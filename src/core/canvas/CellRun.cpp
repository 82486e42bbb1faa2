#include "core/canvas/CellRun.h"

#include "core/graphics/RectCopy.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>

namespace mosaicor {

QImage BlankLike(const QImage& like, QSize size) {
  QImage blank(size, like.isNull() ? QImage::Format_ARGB32 : like.format());
  if (!like.isNull()) blank.setColorTable(like.colorTable());
  if (!blank.isNull()) std::memset(blank.bits(), 0, blank.sizeInBytes());
  return blank;
}

void RollRowsDown(uchar* first, qsizetype stride, qsizetype rowBytes, int rows, int by, uchar* spare) {
  if (rows < 2) return;
  by %= rows;
  if (by < 0) by += rows;
  if (by == 0) return;
  auto row = [&](int r) { return first + r * stride; };
  if (by == 1) {
    std::memcpy(spare, row(rows - 1), rowBytes);
    for (int r = rows - 1; r >= 1; --r) std::memcpy(row(r), row(r - 1), rowBytes);
    std::memcpy(row(0), spare, rowBytes);
    return;
  }
  // Row r comes from row r - by: go through a copy of the whole block.
  QByteArray block(rowBytes * rows, Qt::Uninitialized);
  for (int r = 0; r < rows; ++r) std::memcpy(block.data() + r * rowBytes, row(r), rowBytes);
  for (int r = 0; r < rows; ++r) std::memcpy(row(r), block.constData() + ((r - by + rows) % rows) * rowBytes, rowBytes);
}

CellRun::CellRun(const GridGeometry& geometry, int first, int last)
    : geometry_(geometry),
      first_(first),
      last_(last),
      count_(std::abs(last - first) + 1),
      direction_(last < first ? -1 : 1) {}

QRegion CellRun::Area() const {
  QRegion area;
  for (int k = 0; k < count_; ++k) area += RectAt(k);
  return area;
}

void CellRun::KeepPartialCells(const QImage& picture) {
  kept_.assign(count_, QImage());
  for (int k = 0; k < count_; ++k) {
    const QRect rect = RectAt(k);
    if (picture.rect().contains(rect)) continue;
    kept_[k] = BlankLike(picture, rect.size());
    CopyPixels(kept_[k], QPoint(0, 0), picture, rect);
  }
  if (!KeepsAny()) kept_.clear();
}

bool CellRun::KeepsAny() const {
  for (const QImage& cell : kept_)
    if (!cell.isNull()) return true;
  return false;
}

const QImage& CellRun::SourceOf(int k, const QImage& picture, QRect* rect) const {
  if (IsKept(k)) {
    *rect = kept_[k].rect();
    return kept_[k];
  }
  *rect = RectAt(k);
  return picture;
}

void CellRun::WriteTo(int k, QImage& picture, const QImage& source, const QRect& rect) {
  const QRect target = RectAt(k);
  if (!IsKept(k)) {
    CopyPixels(picture, target.topLeft(), source, rect);
    return;
  }
  CopyPixels(kept_[k], QPoint(0, 0), source, rect);
  CopyPixels(picture, target.topLeft(), kept_[k], kept_[k].rect());
}

bool CellRun::IsPlain(int k, const QImage& picture) const {
  return !IsKept(k) && picture.depth() >= 8 && picture.rect().contains(RectAt(k));
}

int CellRun::PlainRowRunEnd(int k, const QImage& picture) const {
  const int cols = std::max(geometry_.Cols, 1);
  int end = k;
  while (end + 1 < count_ && IndexAt(end) / cols == IndexAt(end + 1) / cols && IsPlain(end + 1, picture)) ++end;
  return end;
}

void CellRun::SlideRowRun(QImage& picture, int k, int end) {
  // Positions k .. end - 1 take positions k + 1 .. end: neighbours in one grid row, so each pixel
  // row of the run moves by one cell in a single block.
  const int bytesPerPixel = picture.depth() / 8;
  const QRect from = RectAt(k), to = RectAt(end);
  const int left = std::min(from.left(), to.left());
  const qsizetype cellBytes = qsizetype(geometry_.CellWidth) * bytesPerPixel;
  const qsizetype runBytes = cellBytes * (end - k);
  const qsizetype shift = direction_ > 0 ? cellBytes : -cellBytes;
  for (int y = from.top(); y <= from.bottom(); ++y) {
    uchar* row = picture.scanLine(y) + qsizetype(left) * bytesPerPixel;
    uchar* target = direction_ > 0 ? row : row + cellBytes;
    std::memmove(target, target + shift, runBytes);
  }
}

void CellRun::Step(QImage& picture, QImage& work, const QRect& lastRect) {
  if (count_ < 2) return;
  QRect rect;
  const QImage& pressed = SourceOf(0, picture, &rect);
  CopyPixels(work, QPoint(0, 0), pressed, rect);
  // Each position reads its neighbour before the neighbour is written, so runs of plain cells in
  // one grid row can move together.
  for (int k = 0; k + 1 < count_;) {
    const int end = IsPlain(k, picture) ? PlainRowRunEnd(k, picture) : k;
    if (end > k) {
      SlideRowRun(picture, k, end);
      k = end;
      continue;
    }
    const QImage& next = SourceOf(k + 1, picture, &rect);
    WriteTo(k, picture, next, rect);
    ++k;
  }
  if (lastRect == RectAt(count_ - 1))
    WriteTo(count_ - 1, picture, work, work.rect());
  else
    CopyPixels(picture, lastRect.topLeft(), work, work.rect());
}

void CellRun::Unstep(QImage& picture, QImage& work, int steps) {
  if (count_ < 2) return;
  steps %= count_;
  if (steps < 0) steps += count_;
  if (steps == 0) return;
  // After `steps` steps position k holds what position k + steps held; each position takes
  // back its own from position k - steps, cycle by cycle, each cycle's first cell through `work`.
  const int cycles = std::gcd(count_, steps);
  QRect rect;
  for (int start = 0; start < cycles; ++start) {
    CopyPixels(work, QPoint(0, 0), SourceOf(start, picture, &rect), rect);
    int k = start;
    for (;;) {
      const int from = (k - steps + count_) % count_;
      if (from == start) break;
      const QImage& source = SourceOf(from, picture, &rect);
      WriteTo(k, picture, source, rect);
      k = from;
    }
    WriteTo(k, picture, work, work.rect());
  }
}

}  // namespace mosaicor
