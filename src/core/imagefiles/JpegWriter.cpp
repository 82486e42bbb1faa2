#include "core/imagefiles/JpegWriter.h"

#include "core/imagedecoding/JpegErrors.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/imagefiles/PictureConversion.h"

#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

namespace mosaicor {

namespace {

// Kept free of objects with destructors: libjpeg's errors jump back into it. The encoded bytes
// are left in *buffer (malloc'ed by libjpeg), which the caller frees.
bool Encode(const QImage* bgr, unsigned char** buffer, unsigned long* size, char* message) {
  jpeg_compress_struct info;
  JpegErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JpegExitWithError;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = JDIMENSION(bgr->width());
  info.image_height = JDIMENSION(bgr->height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uchar*>(bgr->constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

Result<QByteArray> EncodeJpeg(const QImage& picture) {
  if (picture.isNull()) return NoPictureToSave();
  const QImage bgr = ConvertTo24Bits(picture);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
  const bool ok = Encode(&bgr, &buffer, &size, message);
  QByteArray bytes;
  if (ok) bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
  std::free(buffer);
  if (!ok) return Failure<>{QStringLiteral("Cannot write the JPEG picture: %1").arg(QString::fromLatin1(message))};
  return bytes;
}

Outcome<> SaveJpegFile(const QImage& picture, const QString& fileName) {
  return WriteEncoded(EncodeJpeg(picture), fileName);
}

}  // namespace mosaicor
