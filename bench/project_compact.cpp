// Compaction under a project beside compaction alone, both on a 16-page set (256 cells) in the
// symmetric mode, with a project of 100 rooms. The goal (<= 1.5 x) is the companion's: `compact
// --project` beside `compact`, as a builder runs them, files read and written. The same pair in
// memory shows what the project's reading, rules, rewrite and check cost beside the compaction
// alone.

#include "core/packing/Compaction.h"
#include "core/project/LevelProject.h"
#include "core/project/ProjectRemap.h"

#include "PictureWriters.h"
#include "ProjectWriter.h"
#include "TestFiles.h"

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <QTemporaryDir>

#include <vector>

extern char** environ;

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

// 100 rooms of 10 x 10 sectors, six faces of each sector textured (floor, ceiling and four walls),
// spread over the cells in every lay.
const QByteArray& Project() {
  static const QByteArray bytes = [] {
    ProjectSpec spec;
    spec.sectorsX = spec.sectorsZ = 10;
    spec.facesPerSector = 6;
    for (int face = 0; face < 100 * 100 * 6; ++face)
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

// The set and the project as files, for the companion.
struct Files {
  QTemporaryDir dir;
  QString set, project;
};

const Files& BenchFiles() {
  static const Files files = [] {
    Files made;
    made.set = made.dir.filePath("set.tga");
    made.project = made.dir.filePath("set.prj");
    WriteBytesToFile(made.set, WriteTga24(Set()));
    WriteBytesToFile(made.project, Project());
    return made;
  }();
  return files;
}

bool RunCompanion(const QStringList& args) {
  std::vector<QByteArray> bytes{QByteArrayLiteral(MOSAICOR_CLI_PATH)};
  for (const QString& arg : args) bytes.push_back(arg.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void RunCommand(benchmark::State& state, const QStringList& extra) {
  const Files& files = BenchFiles();
  const QStringList args = QStringList{"compact",
                                       files.set,
                                       "-o",
                                       files.dir.filePath("out.tga"),
                                       "--symmetric",
                                       "--map",
                                       files.dir.filePath("out.csv")} +
                           extra;
  for (auto _ : state)
    if (!RunCompanion(args)) {
      state.SkipWithError("the companion failed");
      return;
    }
}

void BM_Baseline_CompactCommand(benchmark::State& state) { RunCommand(state, {}); }
BENCHMARK(BM_Baseline_CompactCommand)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_CompactCommandWithProject(benchmark::State& state) {
  RunCommand(state, {"--project", BenchFiles().project, "--project-out", BenchFiles().dir.filePath("out.prj")});
}
BENCHMARK(BM_CompactCommandWithProject)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

}  // namespace mosaicor
