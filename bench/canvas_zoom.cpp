// Repainting a 600 x 600 viewport of a 512 x 16384 texture set at 8x zoom (the 75 x 75 picture
// pixels under it composed from the layers, then drawn blown up), beside its baseline: one
// nearest-neighbour scaled draw of that 75 x 75 area of the picture into 600 x 600 with QPainter.
// Argument: the screen's device pixel ratio (1, or 2 for a 200 % screen).

#include <benchmark/benchmark.h>

#include <QPainter>

#include "TestPictures.h"
#include "app/canvas/CanvasZoom.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

constexpr int Width = 512, Height = 16384, Zoom = 8;
const QRect Area(100, 4000, 75, 75);                              // picture pixels in view
const QRect Viewport(Area.topLeft() * Zoom, Area.size() * Zoom);  // 600 x 600 port widget pixels

const QImage& Picture() {
  static const QImage picture = MakeCoordinatePicture(Width, Height);
  return picture;
}

QImage Screen(int ratio) {
  QImage screen(Viewport.size() * ratio, QImage::Format_RGB32);
  screen.setDevicePixelRatio(ratio);
  screen.fill(Qt::black);
  return screen;
}

// The canvas as a user sees it while pasting: grid shown, paste preview and frame in the view.
void ZoomedRepaint(benchmark::State& state) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Layers().L1_Image().SetPicture(Picture());
  stack.UpdateStack();
  stack.Layers().L5_Grid().SetVisible(true);
  stack.Grid().UpdateGrid();
  stack.Layers().L4_Clip().SetPicture(MakeFPicture(64, 64));
  stack.Cursor().SetModeToPaste();
  stack.MouseIsOnMove(0, Area.left() + 30, Area.top() + 30);
  QImage screen = Screen(static_cast<int>(state.range(0)));
  QImage buffer;
  for (auto _ : state) {
    QPainter painter(&screen);
    painter.translate(-Viewport.topLeft());  // the visible part of the port widget
    PaintZoomed(painter, stack.Layers(), QRegion(Viewport), Zoom, buffer);
    painter.end();
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(ZoomedRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Baseline: one scaled draw of the same picture area, no smoothing; from an opaque copy of the
// picture, Qt's quickest case (no blending).
void ScaledDraw(benchmark::State& state) {
  const QImage opaque = Picture().convertToFormat(QImage::Format_RGB32);
  QImage screen = Screen(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QPainter painter(&screen);
    painter.drawImage(QRect(QPoint(0, 0), Viewport.size()), opaque, Area);
    painter.end();
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(ScaledDraw)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace mosaicor
