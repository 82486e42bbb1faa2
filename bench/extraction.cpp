// Level texture extraction against its baselines, each in the same run:
//   - all pages of a 64-page TR4 level to 32 bits in AUTO mode, file to picture, against
//     inflating the same level's chunks with plain zlib calls;
//   - all pages of a loaded 64-page TR2 level to 32 bits (NONE and AUTO) against a plain copy
//     of the 32-bit picture's bytes;
//   - the animated textures of a level with 100 ranges, file to picture, against reading that
//     level.
// Quote the ratios of the times.

#include "LevelWriter.h"

#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/LevelPages.h"
#include "core/level/LevelReader.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <zlib.h>

#include <cstring>
#include <map>
#include <memory>

namespace mosaicor {

namespace {

// Level files written once per run, in one temporary folder.
class Levels {
 public:
  static Levels& Get() {
    static Levels levels;
    return levels;
  }
  QString Path(const QString& name, LevelGeneration generation, int pages, int ranges) {
    const QString path = dir_.filePath(name);
    if (!files_.count(name)) {
      LevelDescription d = MakeSampleLevel(generation, pages);
      if (ranges > 0) {
        d.animatedRanges.clear();
        for (int r = 0; r < ranges; ++r) {
          std::vector<std::uint16_t> range;
          for (int i = 0; i <= r % 4; ++i) range.push_back(std::uint16_t((r + i) % d.objectTextures.size()));
          d.animatedRanges.push_back(range);
        }
      }
      LevelLayout layout;
      const QByteArray bytes = WriteLevel(d, &layout);
      WriteBytesToFile(path, bytes);
      files_[name] = {bytes, layout};
    }
    return path;
  }
  const QByteArray& Bytes(const QString& name) { return files_[name].first; }
  const LevelLayout& Layout(const QString& name) { return files_[name].second; }

 private:
  QTemporaryDir dir_;
  std::map<QString, std::pair<QByteArray, LevelLayout>> files_;
};

// Inflates every chunk of a TR4 file as it lies: three page chunks and the level data.
qint64 InflateAllChunks(const QByteArray& file, qint64 firstChunk) {
  const auto* at = reinterpret_cast<const Bytef*>(file.constData()) + firstChunk;
  qint64 total = 0;
  for (int chunk = 0; chunk < 4; ++chunk) {
    const quint32 size = qFromLittleEndian<quint32>(at);
    const quint32 compressed = qFromLittleEndian<quint32>(at + 4);
    std::unique_ptr<Bytef[]> out(new Bytef[size]);
    z_stream stream{};
    inflateInit(&stream);
    stream.next_in = const_cast<Bytef*>(at + 8);
    stream.avail_in = compressed;
    stream.next_out = out.get();
    stream.avail_out = size;
    inflate(&stream, Z_FINISH);
    total += qint64(stream.total_out);
    inflateEnd(&stream);
    benchmark::DoNotOptimize(out.get());
    at += 8 + compressed;
  }
  return total;
}

void BM_Tr4PagesAuto(benchmark::State& state) {
  const QString path = Levels::Get().Path("tr4.tr4", LevelGeneration::TR4, 64, 0);
  for (auto _ : state) {
    const Result<QImage> picture = ExtractLevelPicture(LevelExtract::Pages, path, true);
    if (!picture)
      state.SkipWithError("failed");
    else
      benchmark::DoNotOptimize(picture.Value().constBits());
  }
}

void BM_Tr4InflateChunksBaseline(benchmark::State& state) {
  Levels::Get().Path("tr4.tr4", LevelGeneration::TR4, 64, 0);
  const QByteArray& file = Levels::Get().Bytes("tr4.tr4");
  const qint64 firstChunk = Levels::Get().Layout("tr4.tr4").chunk32;
  for (auto _ : state) benchmark::DoNotOptimize(InflateAllChunks(file, firstChunk));
}

// Not a goal: the reader's share of BM_Tr4PagesAuto, to tell the two costs apart.
void BM_Tr4ReadTexturesOnly(benchmark::State& state) {
  const QString path = Levels::Get().Path("tr4.tr4", LevelGeneration::TR4, 64, 0);
  for (auto _ : state) {
    LevelReader level;
    benchmark::DoNotOptimize(level.LoadFromFile(path, true));
  }
}

void BM_Tr2PagesTo32Bits(benchmark::State& state) {
  LevelReader level;
  if (!level.LoadFromFile(Levels::Get().Path("tr2.tr2", LevelGeneration::TR2, 64, 0), true).Ok())
    state.SkipWithError("load failed");
  const bool mask = state.range(0) != 0;
  for (auto _ : state) {
    const QImage picture = LevelPagesAs32Bits(level, mask);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

void BM_Tr2CopyOutputBytesBaseline(benchmark::State& state) {
  const QByteArray source(qsizetype(256) * 256 * 64 * 4, '\x42');
  for (auto _ : state) {
    QByteArray copy(source.size(), Qt::Uninitialized);
    std::memcpy(copy.data(), source.constData(), size_t(source.size()));
    benchmark::DoNotOptimize(copy.constData());
  }
}

// The level of 16 pages and 100 animated ranges for the generation numbered `code`.
QString AnimatedLevelPath(int64_t code) {
  return Levels::Get().Path(QStringLiteral("anim%1.%2").arg(code).arg(code == 6 ? "tr4" : "tr2"), LevelGeneration(code),
                            16, 100);
}

void BM_Animated100Ranges(benchmark::State& state) {
  const QString path = AnimatedLevelPath(state.range(0));
  for (auto _ : state) {
    const Result<QImage> picture = ExtractLevelPicture(LevelExtract::Animated, path, false);
    if (!picture)
      state.SkipWithError("failed");
    else
      benchmark::DoNotOptimize(picture.Value().constBits());
  }
}

void BM_Animated100RangesReadBaseline(benchmark::State& state) {
  const QString path = AnimatedLevelPath(state.range(0));
  for (auto _ : state) {
    LevelReader level;
    benchmark::DoNotOptimize(level.LoadFromFile(path, false));
  }
}

// Not a goal: reading the level and writing a background picture of the layout's size (100 rows
// of slots, 6.5 MB), the least any layout of these ranges can cost.
void BM_Animated100RangesReadAndFillFloor(benchmark::State& state) {
  const QString path = AnimatedLevelPath(state.range(0));
  for (auto _ : state) {
    LevelReader level;
    benchmark::DoNotOptimize(level.LoadFromFile(path, false));
    QImage picture(256, 100 * 64, QImage::Format_ARGB32);
    picture.fill(0x00FF00FFu);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

}  // namespace

BENCHMARK(BM_Tr4PagesAuto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tr4InflateChunksBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tr4ReadTexturesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tr2PagesTo32Bits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tr2CopyOutputBytesBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Animated100Ranges)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Animated100RangesReadBaseline)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Animated100RangesReadAndFillFloor)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace mosaicor
