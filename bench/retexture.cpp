// Retexturing an object library beside copying the same file, in the same run: a library of 16
// pages and 2 MiB of objects after them, and a 16-page texture set saved as TGA. The retexture
// does what the companion's command does (read the library and the set, put the set's pixels in,
// write the new file atomically); the copy reads the library and writes it through the same
// atomic writer. Goal: at most twice the copy.

#include "core/imagefiles/AtomicWrite.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/TgaWriter.h"
#include "core/level/ObjectLibrary.h"

#include "ObjectLibraryWriter.h"
#include "TestFiles.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

constexpr int kPages = 16;

struct Files {
  QTemporaryDir dir;
  QString wad = dir.filePath("objects.wad"), set = dir.filePath("set.tga"), out = dir.filePath("new.wad");
  Files() {
    ObjectLibraryDescription description = MakeSampleObjectLibrary(kPages);
    description.restBytes = 2 << 20;
    WriteBytesToFile(wad, WriteObjectLibrary(description));
    WriteBytesToFile(set, EncodeUncompTGA24bits(description.pages.mirrored(true, false)).Value());
  }
};

Files& TheFiles() {
  static Files files;
  return files;
}

void BM_Retexture(benchmark::State& state) {
  Files& files = TheFiles();
  const ImageFileModule pictures;
  for (auto _ : state) {
    const LevelResult<ObjectLibrary> library = LoadObjectLibrary(files.wad);
    QImage set;
    PixelFormatCode format = PixelFormatCode::Device;
    if (!library || !pictures.LoadImageAs32BitsFile(set, files.set, format)) state.SkipWithError("cannot read");
    const Result<QByteArray> bytes = RetexturedObjectLibrary(library.Value(), set);
    if (!bytes || !WriteFileAtomically(files.out, bytes.Value())) state.SkipWithError("cannot retexture");
  }
}

void BM_CopyBaseline(benchmark::State& state) {
  Files& files = TheFiles();
  for (auto _ : state) {
    QFile file(files.wad);
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read");
    const QByteArray bytes = file.readAll();
    if (!WriteFileAtomically(files.out, bytes)) state.SkipWithError("cannot write");
  }
}

}  // namespace

BENCHMARK(BM_Retexture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyBaseline)->Unit(benchmark::kMillisecond);

}  // namespace mosaicor
