// Canvas speed and memory on a 512 x 16384 texture set, each beside its baseline:
// - a mouse move in Paste mode (model update plus composing what changed into a 512 x 600
//   viewport) against one plain drawing of that viewport of the picture;
// - UpdateGrid with 8-pixel cells against one fill of the grid layer;
// - the eight layers' memory against the picture's own (reported as counters).

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QRegion>

#include "TestPictures.h"
#include "core/canvas/ImageStack.h"
#include "core/canvas/LayerCompositor.h"
#include "core/graphics/RectDrawing.h"

namespace mosaicor {

namespace {

constexpr int Width = 512, Height = 16384;
const QRect Viewport(0, 4000, 512, 600);

const QImage& Picture() {
  static const QImage picture = MakeCoordinatePicture(Width, Height);
  return picture;
}

// A view that remembers what needs repainting and shows a 512 x 600 window of the port.
class BufferView : public CanvasView {
 public:
  QRegion dirty;
  QPoint ScrollPosition() const override { return Viewport.topLeft(); }
  void SetScrollPosition(QPoint) override {}
  QSize ClientSize() const override { return Viewport.size(); }
  void Invalidate(const QRect& r) override { dirty += r; }
  void PortResized(QSize) override {}
  void PointerChanged(FramePointer) override {}
};

void SetUpCanvas(ImageStack& stack) {
  stack.InitStack(256, 512);
  stack.Layers().L1_Image().SetPicture(Picture());
  stack.UpdateStack();
  stack.Layers().L5_Grid().SetVisible(true);
  stack.Grid().UpdateGrid();
}

// --- Paste mode mouse move --------------------------------------------------------------------

void PasteMove(benchmark::State& state) {
  const int clipSide = static_cast<int>(state.range(0));
  ImageStack stack;
  BufferView view;
  stack.SetView(&view);
  SetUpCanvas(stack);
  stack.Layers().L4_Clip().SetPicture(MakeFPicture(clipSide, clipSide));
  stack.Cursor().SetModeToPaste();
  QImage screen(Viewport.size(), QImage::Format_RGB32);
  const int y = Viewport.top() + 300;
  int step = 0;
  for (auto _ : state) {
    // Alternate between two neighbouring cells so every move really moves the preview.
    const int x = (step++ & 1) ? 100 : 170;
    stack.MouseIsOnMove(0, x, y);
    for (const QRect& r : (view.dirty & Viewport))
      ComposeLayers(stack.Layers(), r, screen, r.topLeft() - Viewport.topLeft());
    view.dirty = QRegion();
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(PasteMove)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

// Baseline: one plain drawing of the viewport of the picture.
void ViewportDraw(benchmark::State& state) {
  const bool sourceOnly = state.range(0) != 0;
  QImage screen(Viewport.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&screen);
    if (sourceOnly) painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), Picture(), Viewport);
    painter.end();
    benchmark::DoNotOptimize(screen.constBits());
  }
  state.SetLabel(sourceOnly ? "copy (CompositionMode_Source)" : "default (SourceOver)");
}
BENCHMARK(ViewportDraw)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The whole viewport composed from the layers (what a full repaint, e.g. after scrolling, costs).
void ViewportCompose(benchmark::State& state) {
  ImageStack stack;
  SetUpCanvas(stack);
  stack.Layers().L4_Clip().SetPicture(MakeFPicture(64, 64));
  stack.Cursor().SetModeToPaste();
  stack.MouseIsOnMove(0, 100, Viewport.top() + 300);
  QImage screen(Viewport.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    ComposeLayers(stack.Layers(), Viewport, screen, QPoint(0, 0));
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(ViewportCompose)->Unit(benchmark::kMicrosecond);

// --- Grid -----------------------------------------------------------------------------------

void UpdateGrid8(benchmark::State& state) {
  ImageStack stack;
  stack.InitStack(Width, Height);
  stack.Grid().InitGrid(8, 8);
  state.counters["cells"] = stack.Grid().GridCols() * stack.Grid().GridRows();
  for (auto _ : state) {
    stack.Grid().UpdateGrid();
    benchmark::DoNotOptimize(stack.Layers().L5_Grid().StoredPicture().constBits());
  }
}
BENCHMARK(UpdateGrid8)->Unit(benchmark::kMicrosecond);

// Baseline: one fill of the grid layer's picture.
void FillGridLayer(benchmark::State& state) {
  ImageStack stack;
  stack.InitStack(Width, Height);
  stack.Grid().InitGrid(8, 8);
  QImage picture = stack.Layers().L5_Grid().StoredPicture();
  const QRgb colours[] = {qRgb(0, 0, 0), qRgb(192, 192, 192)};
  int i = 0;
  for (auto _ : state) {
    FillRect(picture, picture.rect(), colours[i++ & 1]);
    benchmark::DoNotOptimize(picture.constBits());
  }
  state.SetLabel(picture.format() == QImage::Format_Indexed8 ? "Indexed8" : "32-bit");
}
BENCHMARK(FillGridLayer)->Unit(benchmark::kMicrosecond);

// --- Memory -----------------------------------------------------------------------------------

// Memory of a canvas after a working session: picture loaded, alpha view built, grid drawn, a
// selection dragged, a paste preview shown. Reported as bytes of all layers / bytes of the picture.
void CanvasMemory(benchmark::State& state) {
  double ratio = 0;
  for (auto _ : state) {
    ImageStack stack;
    SetUpCanvas(stack);
    stack.Layers().L2_Alpha().EditPicture().fill(qRgb(255, 255, 255));  // as a full alpha view would
    stack.MouseIsOnMove(0, 10, 10);
    stack.MouseIsDown(MouseButton::Left, 0, 10, 10);
    stack.MouseIsOnMove(0, 300, 300);
    stack.MouseIsUp(MouseButton::Left, 0, 300, 300);
    stack.Cursor().SetModeToPaste();
    stack.MouseIsOnMove(0, 100, 100);
    qsizetype total = 0;
    for (const ImageLayer* layer : stack.Layers().All()) total += layer->PictureBytes();
    ratio = static_cast<double>(total) / static_cast<double>(stack.Layers().L1_Image().PictureBytes());
    state.counters["layers_MB"] = static_cast<double>(total) / (1 << 20);
  }
  state.counters["picture_MB"] = static_cast<double>(Picture().sizeInBytes()) / (1 << 20);
  state.counters["ratio"] = ratio;
}
BENCHMARK(CanvasMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace mosaicor
