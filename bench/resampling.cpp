// The tile resampler beside Qt's smooth scaling of the same picture to the same size, for the
// sizes the size selector asks for: a 256 × 256 cut to a 64 × 64 tile, the 64 × 32 half of a
// scrolling tile, a 512 → 256 reduction and a 64 → 128 enlargement. Both start from the 32-bit
// working picture. Qt spreads larger scalings over its thread pool, so the CPU time of the whole
// process is measured. Quote the ratio of the median CPU times (ResizeTile over Qt), run with
// --benchmark_enable_random_interleaving=true on a shared machine. One tile is resampled per
// click, so up to ten times Qt's time is well within a frame.
#include <benchmark/benchmark.h>

#include <QImage>

#include "TestPictures.h"
#include "core/resampling/TileResampler.h"

namespace mosaicor {

namespace {

// args: source width, source height, target width, target height.
void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"sw", "sh", "nw", "nh"});
  b->Args({256, 256, 64, 64})->Args({64, 64, 64, 32})->Args({512, 512, 256, 256})->Args({64, 64, 128, 128});
  b->MeasureProcessCPUTime()->Repetitions(7);
}

QImage SourceFor(const benchmark::State& state) {
  return MakeCoordinatePicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

void BM_ResizeTile(benchmark::State& state) {
  const QImage source = SourceFor(state);
  const int width = static_cast<int>(state.range(2)), height = static_cast<int>(state.range(3));
  for (auto _ : state) benchmark::DoNotOptimize(ResizeTile(width, height, source));
}
BENCHMARK(BM_ResizeTile)->Apply(Sizes);

void BM_QtSmoothScaled(benchmark::State& state) {
  const QImage source = SourceFor(state);
  const int width = static_cast<int>(state.range(2)), height = static_cast<int>(state.range(3));
  for (auto _ : state)
    benchmark::DoNotOptimize(source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
BENCHMARK(BM_QtSmoothScaled)->Apply(Sizes);

}  // namespace

}  // namespace mosaicor
