#pragma once
// A view for driving the canvas model in tests: records what the model asks.

#include <QImage>
#include <QRegion>
#include <vector>

#include "core/canvas/CanvasView.h"

namespace mosaicor {

class FakeView : public CanvasView {
 public:
  QPoint scroll{0, 0};
  QSize client{256, 256};
  QSize scrollRange{1 << 20, 1 << 20};
  QRegion dirty;
  QSize port;
  FramePointer pointer = FramePointer::Default;
  bool dropsAccepted = false;
  bool timerOn = false;
  int timerInterval = 0;

  QPoint ScrollPosition() const override { return scroll; }
  void SetScrollPosition(QPoint p) override {
    scroll = QPoint(std::clamp(p.x(), 0, scrollRange.width()), std::clamp(p.y(), 0, scrollRange.height()));
  }
  QSize ClientSize() const override { return client; }
  void Invalidate(const QRect& r) override { dirty += r; }
  void PortResized(QSize size) override { port = size; }
  void PointerChanged(FramePointer p) override { pointer = p; }
  void AcceptDrops() override { dropsAccepted = true; }
  void SetTimerAnim(bool enabled, int intervalMs) override {
    timerOn = enabled;
    timerInterval = intervalMs;
  }
  void ExportCut(const QImage& cut) override { exports.push_back(cut); }
  std::vector<QImage> exports;
};

// Exclusive right/bottom form of a rectangle, for comparing with hand-computed values.
struct Ltrb {
  int l, t, r, b;
  bool operator==(const Ltrb&) const = default;
};
inline Ltrb ToLtrb(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
inline std::ostream& operator<<(std::ostream& os, const Ltrb& r) {
  return os << "(" << r.l << ", " << r.t << ", " << r.r << ", " << r.b << ")";
}

}  // namespace mosaicor
