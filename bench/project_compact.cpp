// Compaction under a project beside compaction alone, both on a 16-page set (256 cells) in the
// symmetric mode: the project's reading, its rules, the rewrite of 100 rooms of faces and the
// rewrite's check must cost at most half again as much as the compaction (goal: <= 1.5 x).

#include "core/packing/Compaction.h"
#include "core/project/LevelProject.h"
#include "core/project/ProjectRemap.h"

#include "ProjectWriter.h"

#include <benchmark/benchmark.h>

namespace mosaicor {

namespace {

constexpr QRgb kFill = 0xFF000000u;

// 256 cells: one in eight empty, one in eight a quarter turn of the cell four before, the rest
// each its own texture.
const QImage& Set() {
  static const QImage set = [] {
    QImage image(256, 4096, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const int cell = y / 64 * 4 + x / 64, u = x % 64, v = y % 64;
        const auto texture = [](int content, int a, int b) {
          return qRgb((a * 3 + content * 29) & 255, (b * 2 + content) & 255, ((a ^ b) + content / 4) & 255);
        };
        row[x] = cell % 8 == 7 ? kFill : cell % 8 == 5 ? texture(cell - 4, 63 - v, u) : texture(cell, u, v);
      }
    }
    return image;
  }();
  return set;
}

// 100 rooms of 10 x 10 sectors, every face textured, spread over the cells in every lay.
const QByteArray& Project() {
  static const QByteArray bytes = [] {
    ProjectSpec spec;
    spec.sectorsX = spec.sectorsZ = 10;
    for (int face = 0; face < 100 * 100 * 14; ++face)
      spec.faces.push_back({face * 7 % 256, face % 2 == 1, face % 4, face / 4 % 4});
    for (int cell = 0; cell < 256; cell += 3) spec.footsteps[size_t(cell)] = uint8_t(cell % 5);
    spec.animationRanges = {{100, 103}};
    return WriteProject(spec);
  }();
  return bytes;
}

void BM_Baseline_Compact(benchmark::State& state) {
  for (auto _ : state) {
    const Result<CompactedSet> compacted = CompactSet(Set(), kFill, CompactRules::Of(CensusMode{true, 0}));
    benchmark::DoNotOptimize(compacted->set.constBits());
  }
}
BENCHMARK(BM_Baseline_Compact)->Unit(benchmark::kMillisecond);

void BM_CompactWithProject(benchmark::State& state) {
  for (auto _ : state) {
    const Result<LevelProject> project = ReadLevelProject(Project());
    CompactRules rules = CompactRules::Of(CensusMode{true, 0});
    AddProjectRules(project.Value(), 256, rules);
    const Result<CompactedSet> compacted = CompactSet(Set(), kFill, rules);
    const Result<QByteArray> rewritten = RemapProject(project.Value(), compacted->moves);
    const Result<LevelProject> again = ReadLevelProject(rewritten.Value());
    benchmark::DoNotOptimize(again->faces.size());
  }
  state.counters["faces"] = double(ReadLevelProject(Project())->faces.size());
}
BENCHMARK(BM_CompactWithProject)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace mosaicor
