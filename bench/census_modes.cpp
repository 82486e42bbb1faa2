// The census modes and Compact on a full 512 x 16384 set, each beside the exact census of the same
// set in the same run:
//  - up to rotation and mirror: at most 3 x the exact census;
//  - near, tolerance 8: at most 10 x (the counters say how many cells were compared pixel by pixel);
//  - Compact with its census: at most 2 x the census plus one copy of the set.

#include "core/packing/CellGroups.h"
#include "core/packing/Compaction.h"
#include "core/packing/TileCensus.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstring>

namespace mosaicor {

namespace {

constexpr QRgb kFill = 0xFF000000u;

// 2048 cells as a real set has them: a quarter empty; of the others one in sixteen an exact copy of
// an earlier cell, one in sixteen a turned or mirrored copy, one in sixteen a copy a few levels off
// (a JPEG's or a colour tweak's), and the rest each its own texture.
const QImage& FullSet() {
  static const QImage set = [] {
    QImage image(512, 16384, QImage::Format_ARGB32);
    const auto texture = [](int content, int u, int v) {
      const int shade = (content * 37) & 127;
      return qRgb((u * 3 + shade + content) & 255, (v * 2 + shade) & 255, ((u ^ v) + content / 8) & 255);
    };
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const int cell = y / 64 * 8 + x / 64;
        const int u = x % 64, v = y % 64;
        QRgb pixel;
        if (cell % 4 == 3)
          pixel = kFill;
        else if (cell % 16 == 5)
          pixel = texture(cell / 2, u, v);
        else if (cell % 16 == 9)
          pixel = texture(cell - 8, 63 - v, u);  // a quarter turn of the cell eight before
        else if (cell % 16 == 13) {
          const QRgb of = texture(cell - 12, u, v);
          const int off = (u * 7 + v * 3) % 7 - 3;
          pixel = qRgb(std::clamp(qRed(of) + off, 0, 255), qGreen(of), std::clamp(qBlue(of) - off, 0, 255));
        } else
          pixel = texture(cell, u, v);
        row[x] = pixel;
      }
    }
    return image;
  }();
  return set;
}

void Census(benchmark::State& state, CensusMode mode) {
  const QImage& set = FullSet();
  for (auto _ : state) {
    TileCensus census;
    census.Take(set, kFill, mode);
    benchmark::DoNotOptimize(census.Counts().unique);
    state.counters["unique"] = census.Counts().unique;
  }
}

void BM_Baseline_ExactCensus(benchmark::State& state) { Census(state, CensusMode{}); }
BENCHMARK(BM_Baseline_ExactCensus)->Unit(benchmark::kMillisecond);

void BM_CensusUpToRotationAndMirror(benchmark::State& state) { Census(state, CensusMode{true, 0}); }
BENCHMARK(BM_CensusUpToRotationAndMirror)->Unit(benchmark::kMillisecond);

void BM_CensusNearTolerance8(benchmark::State& state) {
  Census(state, CensusMode{false, 8});
  const CellGrouping grouping = GroupCells(FullSet(), kFill, CensusMode{false, 8});
  state.counters["pixel_comparisons"] = double(grouping.pixelComparisons);
  state.counters["signature_checks"] = double(grouping.signatureChecks);
}
BENCHMARK(BM_CensusNearTolerance8)->Unit(benchmark::kMillisecond);

void BM_CensusNearAndSymmetricTolerance8(benchmark::State& state) {
  Census(state, CensusMode{true, 8});
  const CellGrouping grouping = GroupCells(FullSet(), kFill, CensusMode{true, 8});
  state.counters["pixel_comparisons"] = double(grouping.pixelComparisons);
  state.counters["signature_checks"] = double(grouping.signatureChecks);
}
BENCHMARK(BM_CensusNearAndSymmetricTolerance8)->Unit(benchmark::kMillisecond);

// The buckets' worst case: 2048 different cells of noise that all have the same mean colour, so
// every cell is held against the block sums of every earlier one (though none is compared pixel by
// pixel). Beside its own exact census.
const QImage& NoiseSet() {
  static const QImage set = [] {
    QImage image(512, 16384, QImage::Format_ARGB32);
    uint32_t state = 12345;
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        state = state * 1664525u + 1013904223u;
        row[x] = 0xFF000000u | (state >> 8);
      }
    }
    return image;
  }();
  return set;
}

void NoiseCensus(benchmark::State& state, CensusMode mode) {
  const QImage& set = NoiseSet();
  for (auto _ : state) {
    TileCensus census;
    census.Take(set, kFill, mode);
    benchmark::DoNotOptimize(census.Counts().unique);
  }
  if (mode.Exact()) return;  // the exact census goes by its hash
  const CellGrouping grouping = GroupCells(set, kFill, mode);
  state.counters["pixel_comparisons"] = double(grouping.pixelComparisons);
  state.counters["signature_checks"] = double(grouping.signatureChecks);
}

void BM_Baseline_ExactCensusOfNoise(benchmark::State& state) { NoiseCensus(state, CensusMode{}); }
BENCHMARK(BM_Baseline_ExactCensusOfNoise)->Unit(benchmark::kMillisecond);

void BM_CensusNearTolerance8OfNoise(benchmark::State& state) { NoiseCensus(state, CensusMode{false, 8}); }
BENCHMARK(BM_CensusNearTolerance8OfNoise)->Unit(benchmark::kMillisecond);

void BM_CensusNearAndSymmetricTolerance8OfNoise(benchmark::State& state) { NoiseCensus(state, CensusMode{true, 8}); }
BENCHMARK(BM_CensusNearAndSymmetricTolerance8OfNoise)->Unit(benchmark::kMillisecond);

void BM_Baseline_CopyTheSet(benchmark::State& state) {
  const QImage& set = FullSet();
  QImage copy(set.size(), set.format());
  for (auto _ : state) {
    std::memcpy(copy.bits(), set.constBits(), size_t(set.sizeInBytes()));
    benchmark::DoNotOptimize(copy.constBits());
  }
}
BENCHMARK(BM_Baseline_CopyTheSet)->Unit(benchmark::kMillisecond);

// Its census included, as the companion runs it.
void BM_CompactUpToRotationAndMirror(benchmark::State& state) {
  const QImage& set = FullSet();
  for (auto _ : state) {
    const Result<CompactedSet> compacted = CompactSet(set, kFill, CompactRules::Of(CensusMode{true, 0}));
    benchmark::DoNotOptimize(compacted->set.constBits());
  }
}
BENCHMARK(BM_CompactUpToRotationAndMirror)->Unit(benchmark::kMillisecond);

void BM_CompactExact(benchmark::State& state) {
  const QImage& set = FullSet();
  for (auto _ : state) {
    const Result<CompactedSet> compacted = CompactSet(set, kFill, CompactRules{});
    benchmark::DoNotOptimize(compacted->set.constBits());
  }
}
BENCHMARK(BM_CompactExact)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace mosaicor
