// Keying alpha to magenta and laying GIF frames into tiles, each beside its baseline in the same run:
//  - alpha to magenta with the fringe cleaned, 4096 x 4096 soft-edged shapes, against converting the
//    same picture from 24 bits to the 32-bit working format (one pass over every pixel);
//  - a 200-frame 128 x 128 GIF laid into 64 x 64 tiles, against Qt decoding its frames and the
//    tile resampler resizing each.

#include "core/graphics/AlphaKeying.h"
#include "core/imagefiles/PictureConversion.h"
#include "core/imagefiles/FrameSheet.h"
#include "core/resampling/TileResampler.h"

#include "GifWriter.h"
#include "TestFiles.h"

#include <benchmark/benchmark.h>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

namespace mosaicor {

namespace {

// Discs of radius 40 with a soft 8-pixel edge, one per 128 x 128 block, on a transparent ground.
QImage SoftShapes(int side) {
  QImage picture(side, side, QImage::Format_ARGB32);
  for (int y = 0; y < side; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < side; ++x) {
      const double d = std::hypot(x % 128 + 0.5 - 64, y % 128 + 0.5 - 64);
      const int a = int(std::clamp((44 - d) / 8, 0.0, 1.0) * 255);
      row[x] = qRgba((x / 128 * 37) & 255, (y / 128 * 53) & 255, (x ^ y) & 255, a);
    }
  }
  return picture;
}

const QImage& Shapes() {
  static const QImage shapes = SoftShapes(4096);
  return shapes;
}

void BM_AlphaToMagentaCleanFringe(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(KeyAlphaToMagenta(Shapes(), {128, true}));
}
BENCHMARK(BM_AlphaToMagentaCleanFringe)->Unit(benchmark::kMillisecond);

void BM_Baseline_ConvertTo32Bits(benchmark::State& state) {
  static const QImage rgb = ConvertTo24Bits(Shapes());
  for (auto _ : state) benchmark::DoNotOptimize(ConvertTo32Bits(rgb, PixelFormatCode::TwentyFourBits));
}
BENCHMARK(BM_Baseline_ConvertTo32Bits)->Unit(benchmark::kMillisecond);

struct Animation {
  QTemporaryDir dir;
  QString path = dir.filePath("walk.gif");
  Animation() {
    GifSpec spec{128, 128, {}, {}};
    for (int i = 0; i < 256; ++i) spec.palette << qRgb(i, (i * 7) & 255, 255 - i);
    for (int f = 0; f < 200; ++f) {
      GifFrameSpec frame = FlatGifFrame(128, 128, 0, 4);
      for (int p = 0; p < frame.indices.size(); ++p) frame.indices[p] = char((p % 128 + p / 128 + f * 3) & 255);
      spec.frames << frame;
    }
    WriteBytesToFile(path, WriteGif(spec));
  }
};

const Animation& Walk() {
  static const Animation walk;
  return walk;
}

void BM_GifFramesIntoTiles(benchmark::State& state) {
  for (auto _ : state) {
    const Result<FrameSheet> sheet = LoadFrameSheet(Walk().path, CutSizeMode::Fixed64, 256);
    if (!sheet || sheet->Frames() != 200) state.SkipWithError("the frames did not load");
    benchmark::DoNotOptimize(sheet);
  }
}
BENCHMARK(BM_GifFramesIntoTiles)->Unit(benchmark::kMillisecond);

void BM_Baseline_DecodeAndResampleFrames(benchmark::State& state) {
  for (auto _ : state) {
    QImageReader reader(Walk().path, "gif");
    QImage frame;
    int frames = 0;
    while (reader.read(&frame)) {
      benchmark::DoNotOptimize(ResizeTile(64, 64, frame));
      ++frames;
    }
    if (frames != 200) state.SkipWithError("Qt's GIF reader is missing");
  }
}
BENCHMARK(BM_Baseline_DecodeAndResampleFrames)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace mosaicor
