// The tile resampler beside Qt's smooth scaling of the same picture to the same size, for the
// sizes the size selector asks for. Both start from the 32-bit working picture.
#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>
#include <vector>

#include "TestPictures.h"
#include "resampling/TileResampler.h"

namespace {

// args: source width, source height, target width, target height. Qt spreads larger scalings
// over its thread pool, so both wall-clock time and the CPU time of the whole process are
// shown; the machines we measure on are shared, so the fastest of several repetitions is the
// figure to compare.
void Sizes(benchmark::internal::Benchmark* b) {
  b->Args({256, 256, 64, 64})->Args({64, 64, 128, 128})->Args({64, 64, 64, 32})->Args({512, 512, 256, 256});
  b->UseRealTime()->MeasureProcessCPUTime()->Repetitions(7)->ComputeStatistics(
      "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
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

// The older line route (AVX2 kernels), the fallback for tap lists the grouped routes do not
// take, for comparison; skipped where AVX2 is missing.
void BM_ResizeTileLineRoute(benchmark::State& state) {
  if (!BlendKernelAvailable(BlendKernel::Avx2)) return state.SkipWithError("no AVX2");
  const QImage source = SourceFor(state);
  const int width = static_cast<int>(state.range(2)), height = static_cast<int>(state.range(3));
  for (auto _ : state) {
    QImage dest(width, height, QImage::Format_RGB888);
    ResampleTwoPassUsing(BlendKernel::Avx2, MitchellKernel, kMitchellRadius, source, dest);
    benchmark::DoNotOptimize(dest);
  }
}
BENCHMARK(BM_ResizeTileLineRoute)->Apply(Sizes);

// The grouped route of processors with AVX2 but without 8-bit dot products (the default there),
// run explicitly so that it is measured on processors that take the dot products by default.
void BM_ResizeTileAvx2GroupedRoute(benchmark::State& state) {
  if (!BlendKernelAvailable(BlendKernel::Avx2Groups)) return state.SkipWithError("no AVX2");
  const QImage source = SourceFor(state);
  const int width = static_cast<int>(state.range(2)), height = static_cast<int>(state.range(3));
  for (auto _ : state) {
    QImage dest(width, height, QImage::Format_RGB888);
    ResampleTwoPassUsing(BlendKernel::Avx2Groups, MitchellKernel, kMitchellRadius, source, dest);
    benchmark::DoNotOptimize(dest);
  }
}
BENCHMARK(BM_ResizeTileAvx2GroupedRoute)->Apply(Sizes);

void BM_QtSmoothScaled(benchmark::State& state) {
  const QImage source = SourceFor(state);
  const int width = static_cast<int>(state.range(2)), height = static_cast<int>(state.range(3));
  for (auto _ : state)
    benchmark::DoNotOptimize(source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
BENCHMARK(BM_QtSmoothScaled)->Apply(Sizes);

}  // namespace
