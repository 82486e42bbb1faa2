// Reading and writing picture files, each beside its baseline in the same run:
//  - TGA reading (32-bit RLE and 24-bit uncompressed, 512 x 16384) against Qt's own TGA reader
//    (which reads no RLE file: the 32-bit picture stored uncompressed is its baseline there);
//  - saving a 512 x 16384 texture set as TGA against one plain write of the same bytes;
//  - loading a 4096 x 4096 JPG against libjpeg-turbo decoding the same file on its own.

#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/JpegWriter.h"
#include "core/imagefiles/TgaWriter.h"

#include "PictureWriters.h"

#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace mosaicor {

namespace {

// A texture-set-like picture: flat 8 x 8 blocks in the left half (runs), gradients on the right.
QImage TexturePicture(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x)
      row[x] = x < width / 2 ? qRgba((x / 8) * 29 & 255, (y / 8) * 13 & 255, 90, 255)
                             : qRgba(x & 255, y & 255, (x * y) & 255, (x ^ y) & 1 ? 255 : 128);
  }
  return image;
}

// Qt's reader takes only files with the TGA 2.0 footer; ours passes over it.
const QByteArray kTga2Footer = QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.") + QByteArray(1, '\0');

struct Files {
  QTemporaryDir dir;
  QImage texture = TexturePicture(512, 16384);
  QString tga32Rle, tga32, tga24, jpg;

  Files() {
    const QImage photo = [] {
      QImage image(4096, 4096, QImage::Format_ARGB32);
      for (int y = 0; y < 4096; ++y)
        for (int x = 0; x < 4096; ++x) image.setPixel(x, y, qRgb((x / 3) & 255, (y / 5) & 255, ((x + y) / 7) & 255));
      return image;
    }();
    TgaSpec rle;
    rle.imageType = 10, rle.pixelDepth = 32, rle.descriptor = 0x28, rle.width = 512, rle.height = 16384;
    rle.pixels = TgaPixelsOf(texture, 32);
    rle.trailer = kTga2Footer;
    tga32Rle = dir.filePath("rle32.tga");
    WriteBytesToFile(tga32Rle, WriteTga(rle));
    // Qt's reader takes no run-length encoded file: its baseline for the RLE picture is the same
    // picture uncompressed.
    TgaSpec plain = rle;
    plain.imageType = 2;
    tga32 = dir.filePath("plain32.tga");
    WriteBytesToFile(tga32, WriteTga(plain));
    tga24 = dir.filePath("plain24.tga");
    WriteBytesToFile(tga24, EncodeUncompTGA24bits(texture).Value() + kTga2Footer);
    jpg = dir.filePath("photo.jpg");
    if (!SaveJpegFile(photo, jpg).Ok()) jpg.clear();
  }
};

Files& TheFiles() {
  static Files files;
  return files;
}

void OurLoad(benchmark::State& state, const QString& path) {
  const ImageFileModule module;
  for (auto _ : state) {
    QImage image;
    if (!module.LoadImageFile(image, path).Ok()) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(image.constBits());
  }
}

void QtLoad(benchmark::State& state, const QString& path) {
  for (auto _ : state) {
    QImageReader reader(path, "tga");
    const QImage image = reader.read();
    if (image.isNull()) state.SkipWithError("Qt's TGA reader is missing (qt6-image-formats-plugins)");
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_Tga32RleOurs(benchmark::State& state) { OurLoad(state, TheFiles().tga32Rle); }
void BM_Tga32UncompressedQtBaseline(benchmark::State& state) { QtLoad(state, TheFiles().tga32); }
void BM_Tga32UncompressedOurs(benchmark::State& state) { OurLoad(state, TheFiles().tga32); }
void BM_Tga24Ours(benchmark::State& state) { OurLoad(state, TheFiles().tga24); }
void BM_Tga24QtBaseline(benchmark::State& state) { QtLoad(state, TheFiles().tga24); }

void BM_SaveTextureSetTga(benchmark::State& state) {
  const ImageFileModule module;
  const QString path = TheFiles().dir.filePath("save.tga");
  for (auto _ : state)
    if (!module.SaveImageAs24BitsFile(TheFiles().texture, 512, 16384, path).Ok()) state.SkipWithError("save failed");
}

// The same bytes, already in memory, written with one write through the same atomic file.
void BM_SaveBaselineOneWriteSaveFile(benchmark::State& state) {
  const QByteArray bytes = EncodeUncompTGA24bits(TheFiles().texture).Value();
  const QString path = TheFiles().dir.filePath("plain.tga");
  for (auto _ : state) {
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.commit();
  }
}

// And with a plain file, no replacement: the cost of the bytes alone.
void BM_SaveBaselineOneWritePlainFile(benchmark::State& state) {
  const QByteArray bytes = EncodeUncompTGA24bits(TheFiles().texture).Value();
  const QString path = TheFiles().dir.filePath("plain2.tga");
  for (auto _ : state) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.close();
  }
}

void BM_Jpg4096Ours(benchmark::State& state) { OurLoad(state, TheFiles().jpg); }

void BM_Jpg4096As32BitsOurs(benchmark::State& state) {
  const ImageFileModule module;
  for (auto _ : state) {
    QImage image;
    PixelFormatCode format;
    if (!module.LoadImageAs32BitsFile(image, TheFiles().jpg, format).Ok()) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(image.constBits());
  }
}

// libjpeg-turbo alone: read the file, decode it to RGB rows.
void BM_Jpg4096LibjpegBaseline(benchmark::State& state) {
  for (auto _ : state) {
    QFile file(TheFiles().jpg);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    const size_t rowBytes = size_t(info.output_width) * info.output_components;
    std::vector<unsigned char> pixels(rowBytes * info.output_height);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = pixels.data() + rowBytes * info.output_scanline;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    benchmark::DoNotOptimize(pixels.data());
  }
}

}  // namespace

BENCHMARK(BM_Tga32RleOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tga32UncompressedOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tga32UncompressedQtBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tga24Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tga24QtBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTextureSetTga)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBaselineOneWriteSaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBaselineOneWritePlainFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpg4096Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpg4096As32BitsOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpg4096LibjpegBaseline)->Unit(benchmark::kMillisecond);

namespace {
// Where the time of a save goes: the bytes made in memory, without any file.
void BM_SaveEncodeOnlyInMemory(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodeUncompTGA24bits(TheFiles().texture).Value().constData());
}
}  // namespace
BENCHMARK(BM_SaveEncodeOnlyInMemory)->Unit(benchmark::kMillisecond);

}  // namespace mosaicor
