// The window's operations on the canvases, each beside its baseline in the same run:
//   - Copy All of a 4096 x 4096 Source against one plain copy of those pixels;
//   - the height counter going from 1 to 64 pages at width 2 against one plain copy of the
//     grown picture's pixels;
//   - from mouse-up on a 256 x 256 selection to the Target ready to paste with Fixed64, against
//     the resampler alone on that cut;
//   - undoing and redoing a paste on a 512 x 16384 Target against copying the pasted rectangle
//     twice;
//   - extracting a 64-page TR4 level into the Source against the companion's extraction of the
//     same file.
// Quote the ratios of the times.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstring>

#include "LevelWriter.h"
#include "WorkbenchRig.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/graphics/RectCopy.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/resampling/TileResampler.h"

namespace {

using namespace mosaicor;

QImage Noise(int width, int height) {
  QImage picture(width, height, QImage::Format_ARGB32);
  quint32 seed = 12345;
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<quint32*>(picture.scanLine(y));
    for (int x = 0; x < width; ++x) row[x] = (seed = seed * 1664525u + 1013904223u) | 0xFF000000u;
  }
  return picture;
}

void CopyAll4096(benchmark::State& state) {
  WorkbenchRig b;
  b.source.Layers().L1_Image().SetPicture(Noise(4096, 4096));
  b.source.UpdateStack();
  b.source.Grid().UpdateGrid();
  for (auto _ : state) {
    b.bench.Targets().CopyAll();
    benchmark::DoNotOptimize(b.target.Layers().L1_Image().StoredPicture().constBits());
  }
}
BENCHMARK(CopyAll4096)->Unit(benchmark::kMillisecond);

void CopyAll4096_Baseline_PlainCopy(benchmark::State& state) {
  const QImage picture = Noise(4096, 4096);
  for (auto _ : state) {
    QImage copy(picture.size(), picture.format());
    std::memcpy(copy.bits(), picture.constBits(), size_t(picture.sizeInBytes()));
    benchmark::DoNotOptimize(copy.constBits());
  }
}
BENCHMARK(CopyAll4096_Baseline_PlainCopy)->Unit(benchmark::kMillisecond);

void HeightCounter1To64(benchmark::State& state) {
  WorkbenchRig b;
  TargetWorkflow& t = b.bench.Targets();
  t.SetPageCount(PageCounter::Width, 2);
  for (auto _ : state) {
    state.PauseTiming();
    // A fresh two-page-wide, one-page-high set each time, so that every run grows the picture.
    b.target.Layers().L1_Image().SetPicture(Noise(512, 256));
    b.bench.TargetDoc().FitPagesToPicture();
    state.ResumeTiming();
    t.SetPageCount(PageCounter::Height, 64);
    benchmark::DoNotOptimize(b.target.Layers().L1_Image().StoredPicture().constBits());
  }
}
BENCHMARK(HeightCounter1To64)->Unit(benchmark::kMillisecond);

void HeightCounter1To64_Baseline_PlainCopy(benchmark::State& state) {
  const QImage grown = Noise(512, 16384);
  for (auto _ : state) {
    QImage copy(grown.size(), grown.format());
    std::memcpy(copy.bits(), grown.constBits(), size_t(grown.sizeInBytes()));
    benchmark::DoNotOptimize(copy.constBits());
  }
}
BENCHMARK(HeightCounter1To64_Baseline_PlainCopy)->Unit(benchmark::kMillisecond);

void CutToPasteFixed64(benchmark::State& state) {
  WorkbenchRig b;
  b.source.Layers().L1_Image().SetPicture(Noise(512, 512));
  b.source.UpdateStack();
  b.source.Grid().UpdateGrid();
  b.bench.Tiles().SetTileSize(static_cast<int>(TileSizeMode::Fixed64));
  TileWorkflow& tiles = b.bench.Tiles();
  for (auto _ : state) {
    state.PauseTiming();
    tiles.SourcePress(MouseButton::Left, ssLeft, 10, 10);
    tiles.SourceMove(ssLeft, 250, 250);
    state.ResumeTiming();
    tiles.SourceRelease(MouseButton::Left, 0, 250, 250);
    benchmark::DoNotOptimize(b.target.Layers().L4_Clip().StoredPicture().constBits());
  }
}
BENCHMARK(CutToPasteFixed64)->Unit(benchmark::kMicrosecond);

void CutToPasteFixed64_Baseline_Resampler(benchmark::State& state) {
  const QImage cut = Noise(256, 256);
  for (auto _ : state) benchmark::DoNotOptimize(ResizeTile(64, 64, cut).constBits());
}
BENCHMARK(CutToPasteFixed64_Baseline_Resampler)->Unit(benchmark::kMicrosecond);

void UndoRedoPaste(benchmark::State& state) {
  WorkbenchRig b;
  b.target.Layers().L1_Image().SetPicture(Noise(512, 16384));
  b.bench.TargetDoc().FitPagesToPicture();
  QImage tile = Noise(64, 64);
  b.bench.Tiles().SetCurrentTile(tile);
  b.bench.Tiles().TargetMove(0, 200, 8000);
  b.bench.Tiles().TargetPress(MouseButton::Left, ssLeft, 200, 8000);
  b.bench.Tiles().TargetRelease(MouseButton::Left, 0, 200, 8000);
  TargetHistory& history = b.bench.History();
  for (auto _ : state) {
    history.Undo();
    history.Redo();
  }
}
BENCHMARK(UndoRedoPaste)->Unit(benchmark::kMicrosecond);

void UndoRedoPaste_Baseline_TwoRectCopies(benchmark::State& state) {
  QImage target = Noise(512, 16384);
  const QImage tile = Noise(64, 64), old = target.copy(192, 7936, 64, 64);
  for (auto _ : state) {
    CopyRect(target, QPoint(192, 7936), old, old.rect());
    CopyRect(target, QPoint(192, 7936), tile, tile.rect());
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(UndoRedoPaste_Baseline_TwoRectCopies)->Unit(benchmark::kMicrosecond);

QString Tr4Level() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString p = dir.filePath(QStringLiteral("sixty-four.tr4"));
    WriteLevelFile(p, MakeSampleLevel(LevelGeneration::TR4, 64));
    return p;
  }();
  return path;
}

void ExtractIntoSource(benchmark::State& state) {
  WorkbenchRig b;
  const QString level = Tr4Level();
  for (auto _ : state) benchmark::DoNotOptimize(b.bench.Sources().OpenFile(level));
}
BENCHMARK(ExtractIntoSource)->Unit(benchmark::kMillisecond);

void ExtractIntoSource_Baseline_Companion(benchmark::State& state) {
  const QString level = Tr4Level();
  for (auto _ : state) {
    Result<QImage> picture = ExtractLevelPicture(LevelExtract::Pages, level, false);
    benchmark::DoNotOptimize(picture);
  }
}
BENCHMARK(ExtractIntoSource_Baseline_Companion)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
