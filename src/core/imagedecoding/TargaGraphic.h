#pragma once
// TTargaGraphic: a Truevision Targa picture that loads itself from bytes in memory. Image types
// 1, 2, 3 (uncompressed colour-mapped, true-colour, greyscale) and 9, 10, 11 (the same, run-length
// encoded), 8-, 15-, 16-, 24- and 32-bit pixels, copied byte for byte into a bitmap whose format
// follows the file: Indexed8 (code 3), RGB555 with bit 15 kept (code 4), BGR888 (code 6), ARGB32
// with its alpha byte (code 7). Greyscale pictures of 16 bits (grey and alpha) become ARGB32 (code 7).

#include "core/common/Outcome.h"
#include "core/graphics/PixelFormat.h"
#include "core/imagedecoding/ByteSource.h"

#include <QImage>
#include <QString>

namespace mosaicor {

class TTargaGraphic {
 public:
  // Reads a TGA file starting at the source's position. A failure says why; the previous
  // picture is then kept.
  Outcome<> LoadFromStream(ByteSource& source);
  Outcome<> LoadFromFile(const QString& fileName);
  // How many bytes of a file of `fileSize` bytes a picture can take, judged from the header at
  // the start of `head`; a failure when the header alone refuses the file.
  static Result<qint64> BytesToRead(ByteSource& head, qint64 fileSize);

  const QImage& Bitmap() const { return bitmap_; }
  PixelFormatCode PixelFormat() const { return format_; }

 private:
  QImage bitmap_;
  PixelFormatCode format_ = PixelFormatCode::Device;
};

}  // namespace mosaicor
