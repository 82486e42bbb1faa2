// The tiles command against the pages command on the same level, a 64-page TR4 with 4,000 object
// textures packed as today's editors pack them, both writing TGA. Each run is the companion
// itself, started as a process, so both carry its start-up alike. Quote the ratio of the times.
// Each benchmark also reports the process's peak memory (its maximum resident set, from wait4)
// beside the level's inflated pages (its three page chunks): the goal is at most twice those.
// Last, the window's extraction of the same level against the companion's run with --sheet.

#include "LevelWriter.h"

#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/TombRaiderFileModule.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <vector>

extern char** environ;

namespace mosaicor {

namespace {

struct Level {
  QTemporaryDir dir;
  QString path;
  double inflatedPagesMiB = 0;
};

Level& BenchLevel() {
  static Level level = [] {
    Level made;
    const LevelDescription d = MakeManyTexturesLevel(LevelGeneration::TR4, 64, 4000);
    made.path = made.dir.filePath("many.tr4");
    WriteLevelFile(made.path, d);
    made.inflatedPagesMiB = double(d.pages32.size() + d.pages16.size() + d.miscPages32.size()) / (1 << 20);
    return made;
  }();
  return level;
}

// Runs the companion with these arguments; its peak resident memory in MiB, or -1 when it failed.
double RunCompanion(const QStringList& args) {
  std::vector<QByteArray> bytes{QByteArrayLiteral(MOSAICOR_CLI_PATH)};
  for (const QString& arg : args) bytes.push_back(arg.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return double(usage.ru_maxrss) / 1024;
}

// Each run writes into a folder of its own that the one before it left empty, as a first run does.
void Run(benchmark::State& state, const QStringList& args, const QString& output) {
  Level& level = BenchLevel();
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QDir(output).removeRecursively();
    QFile::remove(output);
    state.ResumeTiming();
    const double used = RunCompanion(args);
    if (used < 0) {
      state.SkipWithError("the companion failed");
      return;
    }
    peak = std::max(peak, used);
  }
  state.counters["peak_MiB"] = peak;
  state.counters["inflated_pages_MiB"] = level.inflatedPagesMiB;
}

// Baseline: all pages of the level into one TGA.
void BM_PagesToTga(benchmark::State& state) {
  Level& level = BenchLevel();
  Run(state, {"pages", level.path, "-o", level.dir.filePath("pages.tga")}, level.dir.filePath("pages.tga"));
}
BENCHMARK(BM_PagesToTga)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_TilesToTga(benchmark::State& state) {
  Level& level = BenchLevel();
  Run(state, {"tiles", level.path, "-o", level.dir.filePath("tiles"), "--format", "tga"}, level.dir.filePath("tiles"));
}
BENCHMARK(BM_TilesToTga)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3);

// The companion with --sheet, the baseline of the window's extraction below.
void BM_TilesWithSheetToTga(benchmark::State& state) {
  Level& level = BenchLevel();
  Run(state, {"tiles", level.path, "-o", level.dir.filePath("sheeted"), "--format", "tga", "--sheet",
              level.dir.filePath("sheeted.tga")},
      level.dir.filePath("sheeted"));
}
BENCHMARK(BM_TilesWithSheetToTga)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3);

// What the window's "Extract Level Textures as Tiles" runs: the level read, cut and laid out as the
// sheet, in the program's own process (goal: at most 1.3 times the companion's run with --sheet).
void BM_WindowTileSheet(benchmark::State& state) {
  Level& level = BenchLevel();
  SilentLevelLoadHost host;
  TombRaiderFileModule module(host);
  for (auto _ : state) {
    QImage sheet;
    std::vector<SheetTile> laid;
    PixelFormatCode format = PixelFormatCode::Device;
    if (!module.LoadTileSheet(sheet, laid, level.path, format, false).Ok()) {
      state.SkipWithError("the extraction failed");
      return;
    }
    benchmark::DoNotOptimize(sheet.constBits());
  }
}
BENCHMARK(BM_WindowTileSheet)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

}  // namespace mosaicor
