// Photoshop and Paint Shop Pro reading, each beside its baseline in the same run. No Qt 6 plugin
// here reads either format. Photoshop files are measured against ImageMagick's reader on the same
// bytes where it is installed; ImageMagick reads no Paint Shop Pro files. Both keep the plain
// baseline too: four copies of the decoded picture's bytes. The deflated PSP file is measured
// against zlib inflating the same channel streams on its own.

#include "core/imagedecoding/PsdReader.h"
#include "core/imagedecoding/PspReader.h"

#include "MagickBaseline.h"
#include "PsdWriter.h"
#include "PspWriter.h"

#include <benchmark/benchmark.h>
#include <zlib.h>
#include <cstring>
#include <vector>

namespace mosaicor {

namespace {

constexpr int kSide = 2048;

// Photo-like: smooth gradients with fine noise, flat patches here and there (runs for RLE).
QImage PhotoPicture() {
  QImage image(kSide, kSide, QImage::Format_ARGB32);
  uint32_t noise = 12345;
  for (int y = 0; y < kSide; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kSide; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int n = int(noise >> 29);
      const bool flat = ((x / 64) + (y / 64)) % 3 == 0;
      row[x] = flat ? qRgb(90, 120, 40) : qRgb((x / 8 + n) & 255, (y / 8 + n) & 255, ((x + y) / 16) & 255);
    }
  }
  return image;
}

struct Files {
  QImage photo = PhotoPicture();
  QByteArray psdRaw, psdPackBits, pspRle, pspLz77;
  std::vector<QByteArray> deflatedChannels;

  Files() {
    PsdSpec psd;
    psd.width = psd.height = kSide;
    psd.planes = PsdRgbPlanes(photo, false, 8);
    psd.layerSection = false;  // an empty layer section, as simple writers leave it; ImageMagick refuses a count of 0
    psdRaw = WritePsd(psd);
    psd.compression = 1;
    psdPackBits = WritePsd(psd);
    PspSpec psp;
    psp.majorVersion = 7, psp.width = psp.height = kSide;
    PspLayerSpec layer;
    layer.imageRect = layer.savedRect = {0, 0, kSide, kSide};
    for (int c = 0; c < 3; ++c) layer.channels << PspChannelSpec{0, c + 1, PspPlaneOf(photo, c)};
    psp.layers << layer;
    psp.compression = 1;
    pspRle = WritePsp(psp);
    psp.compression = 2;
    pspLz77 = WritePsp(psp);
    for (const PspChannelSpec& channel : layer.channels) deflatedChannels.push_back(PspCompress(channel.bytes, 2));
  }
};

const Files& TheFiles() {
  static const Files files;
  return files;
}

void Decode(benchmark::State& state, const QByteArray& bytes, Result<DecodedPicture> (*read)(ByteSource&)) {
  for (auto _ : state) {
    ByteSource source(bytes);
    const Result<DecodedPicture> picture = read(source);
    if (!picture)
      state.SkipWithError(qPrintable(picture.Text()));
    else
      benchmark::DoNotOptimize(picture->image.constBits());
  }
}

void BM_PsdRawOurs(benchmark::State& state) { Decode(state, TheFiles().psdRaw, ReadPsd); }
void BM_PsdPackBitsOurs(benchmark::State& state) { Decode(state, TheFiles().psdPackBits, ReadPsd); }
void BM_PsdRawImageMagick(benchmark::State& state) { MagickDecode(state, TheFiles().psdRaw, "PSD"); }
void BM_PsdPackBitsImageMagick(benchmark::State& state) { MagickDecode(state, TheFiles().psdPackBits, "PSD"); }
void BM_PspRleOurs(benchmark::State& state) { Decode(state, TheFiles().pspRle, ReadPsp); }
void BM_PspLz77Ours(benchmark::State& state) { Decode(state, TheFiles().pspLz77, ReadPsp); }

void BM_BaselineFourCopiesOfTheDecodedBytes(benchmark::State& state) {
  const QByteArray decoded(qsizetype(kSide) * kSide * 3, '\x5A');
  for (auto _ : state) {
    QByteArray copy(decoded.size(), Qt::Uninitialized);
    for (int i = 0; i < 4; ++i) {
      std::memcpy(copy.data(), decoded.constData(), size_t(decoded.size()));
      benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(copy.constData());
  }
}

void BM_BaselineZlibInflateOfTheChannels(benchmark::State& state) {
  std::vector<Bytef> out(size_t(kSide) * kSide);
  for (auto _ : state) {
    for (const QByteArray& channel : TheFiles().deflatedChannels) {
      uLongf size = uLongf(out.size());
      uncompress(out.data(), &size, reinterpret_cast<const Bytef*>(channel.constData()), uLong(channel.size()));
    }
    benchmark::DoNotOptimize(out.data());
  }
}

}  // namespace

BENCHMARK(BM_PsdRawOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PsdPackBitsOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PsdRawImageMagick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PsdPackBitsImageMagick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PspRleOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineFourCopiesOfTheDecodedBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PspLz77Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineZlibInflateOfTheChannels)->Unit(benchmark::kMillisecond);

}  // namespace mosaicor
