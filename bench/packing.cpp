// Packing pictures as tiles, the tile census and the recovery file, each beside its baseline:
//  - packing 200 pictures of 300 x 300 into 64 x 64 tiles against reading and resampling them alone;
//  - a census of a 512 x 16384 set against one pass of the same hash over its pixels, and the
//    census's update after a single paste against the full census;
//  - a recovery write of a 512 x 16384 set against saving it as the texture set TGA.

#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/TgaWriter.h"
#include "core/packing/CellHash.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/TileCensus.h"
#include "core/packing/TilePacker.h"
#include "core/recovery/RecoveryFile.h"
#include "core/resampling/TileResampler.h"

#include "PictureWriters.h"
#include "TestFiles.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>
#include <cstring>

namespace mosaicor {

namespace {

constexpr int kPictures = 200;
constexpr QRgb kFill = 0xFF000000u;

struct Pictures {
  QTemporaryDir dir;
  QStringList paths;
  Pictures() {
    for (int i = 0; i < kPictures; ++i) {
      QImage picture(300, 300, QImage::Format_ARGB32);
      for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x) picture.setPixel(x, y, qRgb((x + i) & 255, (y * 3) & 255, (x ^ y ^ i) & 255));
      TgaSpec spec;
      spec.pixelDepth = 24, spec.descriptor = 0x20, spec.width = 300, spec.height = 300;
      spec.pixels = TgaPixelsOf(picture, 24);
      paths << dir.filePath(QStringLiteral("p%1.tga").arg(i));
      WriteBytesToFile(paths.back(), WriteTga(spec));
    }
  }
};

const Pictures& ThePictures() {
  static const Pictures pictures;
  return pictures;
}

QImage Load(const QString& path) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  (void)ImageFileModule().LoadImageAs32BitsFile(picture, path, format);
  return picture;
}

void BM_PackPicturesAsTiles(benchmark::State& state) {
  const Pictures& pictures = ThePictures();
  for (auto _ : state) {
    TilePacker packer(AsTextureSet(QImage(), kFill), kFill);
    for (const QString& path : pictures.paths) {
      const Result<QImage> tile = MakePackTile(Load(path), PackStyle{});
      benchmark::DoNotOptimize(packer.Place(tile.Value()).Ok());
    }
    benchmark::DoNotOptimize(packer.Set().constBits());
  }
}
BENCHMARK(BM_PackPicturesAsTiles)->Unit(benchmark::kMillisecond);

void BM_Baseline_ReadAndResamplePictures(benchmark::State& state) {
  const Pictures& pictures = ThePictures();
  for (auto _ : state)
    for (const QString& path : pictures.paths) benchmark::DoNotOptimize(ResizeTile(64, 64, Load(path)).constBits());
}
BENCHMARK(BM_Baseline_ReadAndResamplePictures)->Unit(benchmark::kMillisecond);

// A full set of 2048 cells much as the census's own example counts one: a quarter of them empty,
// one in sixteen of the others a copy of an earlier cell, the rest each different.
const QImage& FullSet() {
  static const QImage set = [] {
    QImage image(512, 16384, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const int cell = y / 64 * 8 + x / 64;
        const int content = cell % 16 == 5 ? cell / 2 : cell;
        const int u = x % 64, v = y % 64;
        row[x] = cell % 4 == 3 ? kFill : qRgb((u * 3 + content) & 255, (v * 5 + content / 256) & 255, (u ^ v) & 255);
      }
    }
    return image;
  }();
  return set;
}

void BM_CensusOfAFullSet(benchmark::State& state) {
  const QImage& set = FullSet();
  for (auto _ : state) {
    TileCensus census;
    census.Take(set, kFill);
    benchmark::DoNotOptimize(census.Counts().unique);
  }
}
BENCHMARK(BM_CensusOfAFullSet)->Unit(benchmark::kMicrosecond);

void BM_Baseline_HashThePixelsOnce(benchmark::State& state) {
  const QImage& set = FullSet();
  for (auto _ : state) {
    CellHasher hasher;
    hasher.Feed(set.constBits(), size_t(set.sizeInBytes() / 8), CellHasher::FillPair(kFill));
    benchmark::DoNotOptimize(hasher.Hash());
  }
}
BENCHMARK(BM_Baseline_HashThePixelsOnce)->Unit(benchmark::kMicrosecond);

// A 64 x 64 paste that straddles four cells, then the census's update.
void BM_CensusAfterOnePaste(benchmark::State& state) {
  QImage set = FullSet();
  TileCensus census;
  census.Take(set, kFill);
  QImage tile(64, 64, QImage::Format_ARGB32);
  int step = 0;
  for (auto _ : state) {
    tile.fill(qRgb(step & 255, 7, 9));
    const QRect paste(32 + 64 * (step % 6), 32 + 64 * (step % 250), 64, 64);
    // The paste itself is timed too: pausing the timer would cost more than it.
    for (int y = 0; y < 64; ++y)
      std::memcpy(set.scanLine(paste.top() + y) + paste.left() * 4, tile.constScanLine(y), 64 * 4);
    census.Update(set, paste, kFill);
    benchmark::DoNotOptimize(census.Counts().unique);
    ++step;
  }
}
BENCHMARK(BM_CensusAfterOnePaste)->Unit(benchmark::kMicrosecond);

QString WorkFolder() {
  static QTemporaryDir dir;
  return dir.path();
}

void BM_RecoveryWriteOfAFullSet(benchmark::State& state) {
  RecoveryState recovery;
  recovery.target = FullSet();
  recovery.widthPages = 2, recovery.heightPages = 64;
  recovery.paths = {{"SavePath", "/home/someone/sets/level.tga"}};
  const QString path = WorkFolder() + QStringLiteral("/recovery.bin");
  for (auto _ : state) benchmark::DoNotOptimize(WriteRecoveryFile(recovery, path).Ok());
}
BENCHMARK(BM_RecoveryWriteOfAFullSet)->Unit(benchmark::kMillisecond);

void BM_Baseline_SaveTheSetAsTga(benchmark::State& state) {
  const QImage& set = FullSet();
  const QString path = WorkFolder() + QStringLiteral("/set.tga");
  for (auto _ : state) benchmark::DoNotOptimize(SaveAsUncompTGA24bits(set, path).Ok());
}
BENCHMARK(BM_Baseline_SaveTheSetAsTga)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace mosaicor
