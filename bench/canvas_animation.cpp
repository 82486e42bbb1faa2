// Animation preview and alpha view speed, each beside a plain copy of the same bytes:
// - one classic tick over a range of 64 cells of 64 x 64 against one copy of those cells' bytes;
// - one scroll tick of a 64 x 64 cell against one copy of the cell's rows;
// - ExtractAlpha on a 512 x 16384 32-bit picture against one copy of the picture.

#include <benchmark/benchmark.h>

#include <QRegion>
#include <cstring>
#include <vector>

#include "TestPictures.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

// A view that only remembers what needs repainting, as the widget's would.
class BufferView : public CanvasView {
 public:
  QRegion dirty;
  QPoint ScrollPosition() const override { return {}; }
  void SetScrollPosition(QPoint) override {}
  QSize ClientSize() const override { return {512, 600}; }
  void Invalidate(const QRect& r) override { dirty += r; }
  void PortResized(QSize) override {}
  void PointerChanged(FramePointer) override {}
};

// A canvas of the given picture playing the range first..last of 64 x 64 cells.
void StartPlaying(ImageStack& stack, BufferView& view, const QImage& picture, int first, int last) {
  stack.SetView(&view);
  stack.InitStack(256, 512);
  stack.Layers().L1_Image().SetPicture(picture);
  stack.UpdateStack();
  stack.Grid().UpdateGrid();
  stack.StartAnimation(first, last);
}

// --- classic tick over 64 cells ----------------------------------------------------------------

void ClassicTick64Cells(benchmark::State& state) {
  ImageStack stack;
  BufferView view;
  StartPlaying(stack, view, MakeCoordinatePicture(512, 512), 0, 63);  // 8 x 8 cells, all of them
  for (auto _ : state) {
    stack.ShiftCellsOnTimer();
    view.dirty = QRegion();
  }
  state.SetBytesProcessed(state.iterations() * 64 * 64 * 64 * 4);
}
BENCHMARK(ClassicTick64Cells)->Unit(benchmark::kMicrosecond);

// Baseline: one plain copy of the 64 cells' bytes.
void CopyOf64Cells(benchmark::State& state) {
  const QImage picture = MakeCoordinatePicture(512, 512);
  std::vector<uchar> copy(picture.sizeInBytes());
  for (auto _ : state) {
    std::memcpy(copy.data(), picture.constBits(), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 64 * 64 * 64 * 4);
}
BENCHMARK(CopyOf64Cells)->Unit(benchmark::kMicrosecond);

// --- scroll tick of one cell ---------------------------------------------------------------------

void ScrollTick64(benchmark::State& state) {
  ImageStack stack;
  BufferView view;
  StartPlaying(stack, view, MakeCoordinatePicture(256, 512), 5, 5);
  for (auto _ : state) {
    stack.ShiftCellsOnTimer();
    view.dirty = QRegion();
  }
}
BENCHMARK(ScrollTick64)->Unit(benchmark::kNanosecond);

// Baseline: one plain copy of the cell's rows out of the picture.
void CopyOfOneCell(benchmark::State& state) {
  const QImage picture = MakeCoordinatePicture(256, 512);
  std::vector<uchar> cell(64 * 64 * 4);
  const QRect rect(64, 64, 64, 64);
  for (auto _ : state) {
    for (int y = 0; y < 64; ++y)
      std::memcpy(cell.data() + y * 256, picture.constScanLine(rect.top() + y) + rect.left() * 4, 256);
    benchmark::DoNotOptimize(cell.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CopyOfOneCell)->Unit(benchmark::kNanosecond);

// --- alpha view of a full texture set ------------------------------------------------------------

const QImage& TextureSet() {
  static const QImage picture = MakeCoordinatePicture(512, 16384);
  return picture;
}

void ExtractAlpha512x16384(benchmark::State& state) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Layers().L1_Image().SetPicture(TextureSet());
  stack.UpdateStack();
  for (auto _ : state) stack.Layers().ExtractAlpha();
  state.SetBytesProcessed(state.iterations() * TextureSet().sizeInBytes());
}
BENCHMARK(ExtractAlpha512x16384)->Unit(benchmark::kMillisecond);

// Baseline: one plain copy of the picture.
void CopyOfTextureSet(benchmark::State& state) {
  std::vector<uchar> copy(TextureSet().sizeInBytes());
  for (auto _ : state) {
    std::memcpy(copy.data(), TextureSet().constBits(), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * TextureSet().sizeInBytes());
}
BENCHMARK(CopyOfTextureSet)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace mosaicor
