#pragma once
// A run of grid cells in reading order, from the cell where it was pressed to the cell where it was
// released, and the one step that both the classic animation preview and the shift transform make
// on it: every cell takes its neighbour's content toward the released end, and the released end
// takes the pressed cell's. Cells are copied whole, byte for byte in the picture's own layout.
//
// A cell the picture does not wholly hold (the partial strips of an offset grid) would lose its
// outside part at every step; a run that must give the picture back exactly (the animation) keeps
// a full copy of such cells beside the picture, and shows their inside part.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <vector>

#include "core/canvas/GridGeometry.h"

namespace mosaicor {

// A picture of the given size in the layout of `like` (its colour table too), all zero bytes:
// black in every layout the canvas meets.
QImage BlankLike(const QImage& like, QSize size);

// Rolls `rows` pixel rows starting at `first` (each `rowBytes` long, `stride` apart) down by
// `by` rows, the bottom ones coming back at the top; `by` may be negative (up). `spare` must hold
// rowBytes when |by| is 1; other distances use a temporary block.
void RollRowsDown(uchar* first, qsizetype stride, qsizetype rowBytes, int rows, int by, uchar* spare);

class CellRun {
 public:
  CellRun() = default;
  CellRun(const GridGeometry& geometry, int first, int last);

  int Count() const { return count_; }
  int First() const { return first_; }
  int Last() const { return last_; }
  // Reading-order index and rectangle of position k (0 is the pressed end).
  int IndexAt(int k) const { return first_ + k * direction_; }
  QRect RectAt(int k) const { return geometry_.CellRectOfIndex(IndexAt(k)); }
  // The cells' rectangles together.
  QRegion Area() const;

  // Keeps a full copy of every cell of the run that `picture` does not wholly hold.
  void KeepPartialCells(const QImage& picture);
  void ReleaseKept() { kept_.clear(); }
  bool KeepsAny() const;

  // One step: work := the pressed end; each cell := its neighbour toward the released end; the
  // released end := work, written to `lastRect` when given (the shift transform's released cell).
  void Step(QImage& picture, QImage& work) { Step(picture, work, RectAt(count_ - 1)); }
  void Step(QImage& picture, QImage& work, const QRect& lastRect);
  // Takes back `steps` steps at once, with `work` as the one spare cell: each cell moves once.
  void Unstep(QImage& picture, QImage& work, int steps);

 private:
  bool IsKept(int k) const { return !kept_.empty() && !kept_[k].isNull(); }
  // Held wholly by the picture, in whole bytes, and not kept aside.
  bool IsPlain(int k, const QImage& picture) const;
  // The last position of the run of plain cells from k on that stay in k's grid row.
  int PlainRowRunEnd(int k, const QImage& picture) const;
  void SlideRowRun(QImage& picture, int k, int end);
  // Position k's content, as a picture and the rectangle in it.
  const QImage& SourceOf(int k, const QImage& picture, QRect* rect) const;
  // Position k := rect of source (a kept cell also shows its inside part on the picture).
  void WriteTo(int k, QImage& picture, const QImage& source, const QRect& rect);

  GridGeometry geometry_;
  int first_ = 0;
  int last_ = 0;
  int count_ = 0;
  int direction_ = 1;
  std::vector<QImage> kept_;  // by position; null for cells the picture holds wholly
};

}  // namespace mosaicor
