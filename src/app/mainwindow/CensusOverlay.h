#pragma once
// The tile census drawn over the Target canvas: every group of twin cells carries its small
// coloured number in the cell's corner (with, under it, the turn or mirror that makes a member its
// group's first cell), empty cells are shaded, and the counts and the tile budget stand in the
// status line. A double click on a twin's number marks the next cell of its group and scrolls it
// into view. Hidden, and so costing nothing, while the census is off.

#include <QLabel>
#include <QWidget>

class QStatusBar;

namespace mosaicor {

class CanvasWidget;
class TargetCensus;

class CensusOverlay : public QWidget {
  Q_OBJECT

 public:
  // Lies over the Target's port; the counts go into `status` as a permanent field.
  CensusOverlay(CanvasWidget& target, TargetCensus& census, QStatusBar* status);

  // Where a cell's number is drawn, in port widget pixels (zoomed).
  QRect NumberRect(int cell) const;
  // The cell whose number is at `point` (port widget pixels), or -1.
  int NumberAt(QPoint point) const;
  QLabel* Counts() const { return counts_; }
  // "180 / 256 tiles" (red above 256) and "Compact: 180 → 131 tiles".
  QLabel* Budget() const { return budget_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();
  QRect CellRect(int cell) const;

  CanvasWidget& target_;
  TargetCensus& census_;
  QLabel* counts_;
  QLabel* budget_;
  bool keptPress_ = false;  // the last press on a number was the census's, and so is its release
};

}  // namespace mosaicor
