#pragma once
// ImageMagick's own decoders as a baseline for formats that no Qt plugin here reads (PCX, PSD):
// the same file decoded from memory into ImageMagick's picture, on one thread like ours. Built
// only where the bench found MagickCore; the benchmark then reports that the baseline is missing.

#include <benchmark/benchmark.h>
#include <QByteArray>

#ifdef MOSAICOR_HAVE_MAGICKCORE
#include <magick/MagickCore.h>
#include <cstring>
#include <string>

namespace mosaicor {

inline void MagickDecode(benchmark::State& state, const QByteArray& bytes, const char* format) {
  static const bool ready = [] {
    MagickCoreGenesis(nullptr, MagickFalse);
    SetMagickResourceLimit(ThreadResource, 1);
    return true;
  }();
  (void)ready;
  ImageInfo* info = AcquireImageInfo();
  std::strncpy(info->magick, format, MaxTextExtent - 1);
  ExceptionInfo* exception = AcquireExceptionInfo();
  for (auto _ : state) {
    Image* image = BlobToImage(info, bytes.constData(), size_t(bytes.size()), exception);
    if (!image) {
      const std::string why = std::string("ImageMagick could not read the file: ") +
                              (exception->reason ? exception->reason : "") + " " +
                              (exception->description ? exception->description : "");
      state.SkipWithError(why.c_str());
      break;
    }
    benchmark::DoNotOptimize(GetVirtualPixels(image, 0, 0, image->columns, image->rows, exception));
    DestroyImage(image);
  }
  DestroyExceptionInfo(exception);
  DestroyImageInfo(info);
}
#else
inline void MagickDecode(benchmark::State& state, const QByteArray&, const char*) {
  state.SkipWithError("ImageMagick (MagickCore) was not found when the benchmarks were configured");
}
#endif

}  // namespace mosaicor
