// The TIFF, PCX and PNG decoders, each beside its baseline in the same run, on 2048 x 2048 pictures
// decoded from memory:
//  - TIFF (RGB, Deflate, strips of 16 rows; 8-bit palette, PackBits): against libtiff decoding the
//    same strips on its own (TIFFReadEncodedStrip into one buffer, no conversion) and against Qt's
//    TIFF plugin reading the same bytes;
//  - PCX (24 bits as three run-length planes; 8 bits with its palette): against ImageMagick's PCX
//    reader on the same bytes where it is installed (no Qt plugin reads PCX), and against a plain
//    copy of the decoded bytes (the goal there is within 4 copies);
//  - PNG (RGB): against Qt's PNG reader on the same bytes.

#include "core/imagedecoding/PcxReader.h"
#include "core/imagedecoding/PngReader.h"
#include "core/imagedecoding/TiffReader.h"

#include "MagickBaseline.h"
#include "PcxWriter.h"
#include "TiffWriter.h"

#include <benchmark/benchmark.h>
#include <tiffio.h>
#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <cstring>
#include <vector>

namespace mosaicor {

namespace {

constexpr int kSide = 2048;

// Flat runs on the left (like painted tiles), gradients on the right.
QImage SourcePicture() {
  QImage image(kSide, kSide, QImage::Format_ARGB32);
  for (int y = 0; y < kSide; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kSide; ++x)
      row[x] = x < kSide / 2 ? qRgb((x / 8) * 29 & 255, (y / 8) * 13 & 255, 90)
                             : qRgb(x & 255, y & 255, (x * y) & 255);
  }
  return image;
}

QByteArray RgbSamples(const QImage& picture) {
  QByteArray out;
  out.reserve(qsizetype(kSide) * kSide * 3);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const QRgb c = picture.pixel(x, y);
      out.append(char(qRed(c))), out.append(char(qGreen(c))), out.append(char(qBlue(c)));
    }
  return out;
}

struct Files {
  QByteArray tiffRgb, tiffPalette, pcx24, pcx8, png;
  Files() {
    const QImage source = SourcePicture();
    TiffSpec rgb;
    rgb.width = rgb.height = kSide, rgb.photometric = 2, rgb.samplesPerPixel = 3, rgb.compression = 8;
    rgb.rowsPerStrip = 16, rgb.pixels = RgbSamples(source);
    tiffRgb = WriteTiff(rgb);
    TiffSpec palette;
    palette.width = palette.height = kSide, palette.photometric = 3, palette.compression = 32773;
    palette.rowsPerStrip = 16, palette.colourMap = QList<uint16_t>(768, 0x8080);
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) palette.pixels.append(char(qGreen(source.pixel(x, y))));
    tiffPalette = WriteTiff(palette);

    PcxSpec spec;
    spec.planes = 3, spec.width = spec.height = kSide;
    spec.planeRows = PcxRowsOf(source, 8, 3, PcxLineBytes(kSide, 8));
    pcx24 = WritePcx(spec);
    spec.planes = 1, spec.planeRows = PcxRowsOf(source, 8, 1, PcxLineBytes(kSide, 8));
    spec.endPalette = QList<QRgb>(256, qRgb(1, 2, 3));
    pcx8 = WritePcx(spec);

    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(source.convertToFormat(QImage::Format_RGB32));
  }
};

const Files& TheFiles() {
  static const Files files;
  return files;
}

template <Result<DecodedPicture> (*Read)(ByteSource&)>
void Ours(benchmark::State& state, const QByteArray& bytes) {
  for (auto _ : state) {
    ByteSource source(bytes);
    const Result<DecodedPicture> picture = Read(source);
    if (!picture)
      state.SkipWithError(picture.Text().toUtf8().constData());
    else
      benchmark::DoNotOptimize(picture->image.constBits());
  }
}

void QtReader(benchmark::State& state, const QByteArray& bytes, const char* format) {
  for (auto _ : state) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImage image = QImageReader(&buffer, format).read();
    if (image.isNull()) state.SkipWithError("Qt could not read the file");
    benchmark::DoNotOptimize(image.constBits());
  }
}

// libtiff on its own: every strip decoded into one buffer, from a memory-mapped copy of the bytes.
struct Memory {
  const QByteArray* bytes;
  toff_t position = 0;
};
tmsize_t MemRead(thandle_t h, void* out, tmsize_t n) {
  auto* m = static_cast<Memory*>(h);
  const tmsize_t left = tmsize_t(m->bytes->size()) - tmsize_t(m->position);
  n = std::max<tmsize_t>(0, std::min(n, left));
  std::memcpy(out, m->bytes->constData() + m->position, size_t(n));
  m->position += toff_t(n);
  return n;
}
tmsize_t MemWrite(thandle_t, void*, tmsize_t) { return 0; }
toff_t MemSeek(thandle_t h, toff_t off, int whence) {
  auto* m = static_cast<Memory*>(h);
  m->position = (whence == SEEK_CUR ? m->position : whence == SEEK_END ? toff_t(m->bytes->size()) : 0) + off;
  return m->position;
}
int MemClose(thandle_t) { return 0; }
toff_t MemSize(thandle_t h) { return toff_t(static_cast<Memory*>(h)->bytes->size()); }
int MemMap(thandle_t h, void** base, toff_t* size) {
  auto* m = static_cast<Memory*>(h);
  *base = const_cast<char*>(m->bytes->constData());
  *size = toff_t(m->bytes->size());
  return 1;
}
void MemUnmap(thandle_t, void*, toff_t) {}

void LibtiffStrips(benchmark::State& state, const QByteArray& bytes) {
  for (auto _ : state) {
    Memory memory{&bytes};
    TIFF* tif = TIFFClientOpen("bench", "r", &memory, MemRead, MemWrite, MemSeek, MemClose, MemSize, MemMap, MemUnmap);
    std::vector<uchar> pixels(size_t(TIFFScanlineSize64(tif) * kSide));
    const tmsize_t stripBytes = TIFFStripSize(tif);
    for (uint32_t s = 0; s < TIFFNumberOfStrips(tif); ++s)
      TIFFReadEncodedStrip(tif, s, pixels.data() + s * stripBytes, stripBytes);
    TIFFClose(tif);
    benchmark::DoNotOptimize(pixels.data());
  }
}

void PlainCopy(benchmark::State& state, qsizetype bytes) {
  std::vector<uchar> from(size_t(bytes), 7);
  std::vector<uchar> to(size_t(bytes), 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), size_t(bytes));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

void BM_TiffRgbDeflate_Ours(benchmark::State& s) { Ours<ReadTiff>(s, TheFiles().tiffRgb); }
void BM_TiffRgbDeflate_Libtiff(benchmark::State& s) { LibtiffStrips(s, TheFiles().tiffRgb); }
void BM_TiffRgbDeflate_QtPlugin(benchmark::State& s) { QtReader(s, TheFiles().tiffRgb, "tiff"); }
void BM_TiffPalettePackBits_Ours(benchmark::State& s) { Ours<ReadTiff>(s, TheFiles().tiffPalette); }
void BM_TiffPalettePackBits_Libtiff(benchmark::State& s) { LibtiffStrips(s, TheFiles().tiffPalette); }
void BM_TiffPalettePackBits_QtPlugin(benchmark::State& s) { QtReader(s, TheFiles().tiffPalette, "tiff"); }
void BM_Pcx24_Ours(benchmark::State& s) { Ours<ReadPcx>(s, TheFiles().pcx24); }
void BM_Pcx24_CopyOfDecodedBytes(benchmark::State& s) { PlainCopy(s, qsizetype(kSide) * kSide * 4); }
void BM_Pcx24_ImageMagick(benchmark::State& s) { MagickDecode(s, TheFiles().pcx24, "PCX"); }
void BM_Pcx8_Ours(benchmark::State& s) { Ours<ReadPcx>(s, TheFiles().pcx8); }
void BM_Pcx8_CopyOfDecodedBytes(benchmark::State& s) { PlainCopy(s, qsizetype(kSide) * kSide); }
void BM_Pcx8_ImageMagick(benchmark::State& s) { MagickDecode(s, TheFiles().pcx8, "PCX"); }
void BM_PngRgb_Ours(benchmark::State& s) { Ours<ReadPng>(s, TheFiles().png); }
void BM_PngRgb_QtReader(benchmark::State& s) { QtReader(s, TheFiles().png, "png"); }

}  // namespace

#define MOSAICOR_BENCH(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true)->MeasureProcessCPUTime()->UseRealTime()
MOSAICOR_BENCH(BM_TiffRgbDeflate_Ours);
MOSAICOR_BENCH(BM_TiffRgbDeflate_Libtiff);
MOSAICOR_BENCH(BM_TiffRgbDeflate_QtPlugin);
MOSAICOR_BENCH(BM_TiffPalettePackBits_Ours);
MOSAICOR_BENCH(BM_TiffPalettePackBits_Libtiff);
MOSAICOR_BENCH(BM_TiffPalettePackBits_QtPlugin);
MOSAICOR_BENCH(BM_Pcx24_Ours);
MOSAICOR_BENCH(BM_Pcx24_CopyOfDecodedBytes);
MOSAICOR_BENCH(BM_Pcx24_ImageMagick);
MOSAICOR_BENCH(BM_Pcx8_Ours);
MOSAICOR_BENCH(BM_Pcx8_CopyOfDecodedBytes);
MOSAICOR_BENCH(BM_Pcx8_ImageMagick);
MOSAICOR_BENCH(BM_PngRgb_Ours);
MOSAICOR_BENCH(BM_PngRgb_QtReader);

}  // namespace mosaicor
