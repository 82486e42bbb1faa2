#include "core/imagedecoding/JpegReader.h"

#include "core/imagedecoding/JpegErrors.h"
#include "core/imagedecoding/PictureLimits.h"

#include <jerror.h>
#include <jpeglib.h>
#include <algorithm>
#include <csetjmp>
#include <cstdio>

namespace mosaicor {

namespace {

constexpr size_t kMessageSize = JMSG_LENGTH_MAX + 64;
constexpr const char* kCutShort = "the file is cut short: it ends before the picture's last rows";
// libjpeg's own memory: a progressive picture keeps all its coefficients, up to 6 bytes a pixel
// (three components, none subsampled), beside the decoded picture. 512 MiB takes every picture of
// the usual 4:2:0 sampling up to the size limit, and keeps a hostile header of a few kilobytes
// from costing more than 1 GiB together with the picture.
constexpr long kMaxWorkingBytes = 512L * 1024 * 1024;

void IgnoreMessage(j_common_ptr) {}

// Warnings go nowhere, but the end of the data before the picture's is remembered: libjpeg then
// pads the rest with grey, which is no picture of the file's.
struct ReaderErrors {
  JpegErrorManager manager;
  bool cutShort = false;
};

void NoteWarning(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) reinterpret_cast<ReaderErrors*>(info->err)->cutShort = true;
  if (level < 0) ++info->err->num_warnings;
}

void CmykToRgb32(QImage& image, bool inverted) {
  // Decoded in place: each row holds C, M, Y, K bytes and becomes B, G, R, 0xFF.
  const int width = image.width(), height = image.height();
  for (int y = 0; y < height; ++y) {
    uchar* p = image.scanLine(y);
    for (int x = 0; x < width; ++x, p += 4) {
      int c = p[0], m = p[1], ye = p[2], k = p[3];
      if (!inverted) c = 255 - c, m = 255 - m, ye = 255 - ye, k = 255 - k;
      p[0] = uchar(ye * k / 255), p[1] = uchar(m * k / 255), p[2] = uchar(c * k / 255), p[3] = 0xFF;
    }
  }
}

bool PictureFits(JDIMENSION width, JDIMENSION height, size_t fileBytes, char* message) {
  // Even a flat picture takes some bits per 8 x 8 block: a file of a few bytes that claims a
  // huge picture is damaged, and must not make us allocate for it.
  const QString why = qint64(width) * height > 16384 * qint64(fileBytes) + (qint64(1) << 20)
                          ? QStringLiteral("the file is too short for its %1 x %2 picture").arg(width).arg(height)
                          : PictureSizeAllowed(width, height).Text();
  if (why.isEmpty()) return true;
  std::snprintf(message, kMessageSize, "%s", why.toUtf8().constData());
  return false;
}

bool Allocate(QImage* image, int width, int height, bool grey, char* message) {
  *image = QImage(width, height, grey ? QImage::Format_Indexed8 : QImage::Format_RGB32);
  if (!image->isNull()) return true;
  std::snprintf(message, kMessageSize, "not enough memory for a %d x %d picture", width, height);
  return false;
}

// Returns true on success, else writes a message. Kept free of objects with destructors and of
// locals changed after setjmp that are read after a jump: results go through the pointers.
bool Decode(const uchar* data, size_t size, QImage* image, bool* grey, char* message) {
  jpeg_decompress_struct info;
  ReaderErrors readerErrors;
  JpegErrorManager& errors = readerErrors.manager;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JpegExitWithError;
  errors.base.output_message = IgnoreMessage;
  errors.base.emit_message = NoteWarning;
  if (setjmp(errors.jump)) {
    // Without a backing store, libjpeg says "Backing store not supported" when its bound is reached.
    if (errors.base.msg_code == JERR_NO_BACKING_STORE)
      std::snprintf(message, kMessageSize, "the picture is too large to decode progressively (%u x %u pixels)",
                    unsigned(info.image_width), unsigned(info.image_height));
    else
      std::snprintf(message, kMessageSize, "JPEG error: %s", errors.message);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kMaxWorkingBytes;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
      info.out_color_space = JCS_GRAYSCALE;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      info.out_color_space = JCS_CMYK;
      break;
    default:
      info.out_color_space = JCS_EXT_BGRX;
  }
  jpeg_calc_output_dimensions(&info);
  *grey = info.out_color_space == JCS_GRAYSCALE;
  if (!PictureFits(info.output_width, info.output_height, size, message) ||
      !Allocate(image, int(info.output_width), int(info.output_height), *grey, message)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  JSAMPROW rows[16];
  while (info.output_scanline < info.output_height) {
    const JDIMENSION count = std::min<JDIMENSION>(16, info.output_height - info.output_scanline);
    for (JDIMENSION i = 0; i < count; ++i) rows[i] = image->scanLine(int(info.output_scanline + i));
    jpeg_read_scanlines(&info, rows, count);
  }
  if (readerErrors.cutShort) {
    std::snprintf(message, kMessageSize, "%s", kCutShort);
    jpeg_destroy_decompress(&info);
    return false;
  }
  if (info.out_color_space == JCS_CMYK) CmykToRgb32(*image, info.saw_Adobe_marker);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

Result<DecodedPicture> ReadJpeg(ByteSource& source) {
  QImage image;
  bool grey = false;
  char message[kMessageSize] = {};
  if (!Decode(source.Here(), size_t(source.Remaining()), &image, &grey, message)) {
    const QString why = QString::fromLatin1(message);
    return why.startsWith(QLatin1String(kCutShort)) ? FileCutShort(why) : Failure<>{why};
  }
  if (grey) {
    QList<QRgb> ramp(256);
    for (int i = 0; i < 256; ++i) ramp[i] = qRgb(i, i, i);
    image.setColorTable(ramp);
  }
  source.Seek(source.Size());
  return DecodedPicture{std::move(image), grey ? PixelFormatCode::EightBits : PixelFormatCode::TwentyFourBits};
}

}  // namespace mosaicor
