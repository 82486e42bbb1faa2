#pragma once
// The animation preview of a canvas. A range of several cells cycles on the picture (L1_Image)
// itself, each cell taking the next frame at every tick; a range of one cell scrolls its two
// halves down one row per tick. A stop request (AnimRunning := false) only takes effect when the
// phase comes round to 0, so a preview always ends with the picture exactly as it was. The view's
// animation timer drives the ticks.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRegion>

#include "core/canvas/CellRun.h"
#include "core/canvas/GridGeometry.h"

namespace mosaicor {

class LayerStack;

class AnimationPreview {
 public:
  explicit AnimationPreview(LayerStack& layers) : layers_(layers) {}
  AnimationPreview(const AnimationPreview&) = delete;
  AnimationPreview& operator=(const AnimationPreview&) = delete;

  // False asks a running animation to stop (the host writes it); true while one plays on.
  bool AnimRunning = false;

  int AnimFirst() const { return first_; }
  int AnimLast() const { return last_; }
  int AnimPeriod() const { return period_; }      // ticks in one round
  int AnimPhase() const { return phase_; }        // ticks into the round
  int AnimInterval() const { return interval_; }  // base timer interval in milliseconds
  // The host's speed control: the timer ticks every AnimInterval x factor milliseconds (1 to 4;
  // a higher factor plays slower). A change applies at once to a running animation.
  int Speed() const { return speed_; }
  void SetSpeed(int factor);
  QRect AnimCellRect() const { return cellRect_; }
  // Work picture while an animation runs, null otherwise; and one pixel row of it.
  const QImage& AnimCell() const { return cell_; }
  const QByteArray& AnimRowBuffer() const { return rowBuffer_; }
  // True from Start until the tick that ends it.
  bool AnimExists() const { return !cell_.isNull(); }
  // A one-cell range scrolls; a longer one cycles.
  bool Scrolls() const { return first_ == last_; }

  // Plays the cells first..last (reading order, both >= 0) of the grid as it is now, whatever
  // happens to the grid meanwhile, and starts the view's timer. An animation still finishing
  // has its cells put back first.
  void Start(const GridGeometry& grid, int first, int last);
  // One timer tick: the next frame; or, once stopping and back at phase 0, the end (timer off).
  // True when this tick ended the animation.
  bool Tick();
  // Ends a running animation at once with every cell back in place, timer off. True when one ran.
  bool StopNow();
  // Puts every cell back and lets the animation go, leaving the timer alone; nothing if none runs.
  void PutCellsBack();

 private:
  void RollScrollCell(QImage& picture, int by);
  void UndoSteps();
  void Release();
  void SetTimer(bool enabled);

  LayerStack& layers_;
  int first_ = 0;
  int last_ = 0;
  int period_ = 1;
  int phase_ = 0;
  int interval_ = 80;
  int speed_ = 1;
  QRect cellRect_;
  QImage cell_;
  QByteArray rowBuffer_;
  // The running animation's cells, on the grid as it was at the start; and whether the scrolled
  // cell lives in cell_ (the picture does not wholly hold it) rather than in the picture.
  GridGeometry geometry_;
  CellRun run_;
  QRegion area_;
  bool scrollInWork_ = false;
};

}  // namespace mosaicor
