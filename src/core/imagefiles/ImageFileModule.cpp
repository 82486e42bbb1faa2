#include "core/imagefiles/ImageFileModule.h"

#include "core/common/DeviceNames.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagedecoding/HeadFirstRead.h"
#include "core/imagedecoding/PictureDecoder.h"
#include "core/imagedecoding/PictureLimits.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/imagefiles/BmpWriter.h"
#include "core/imagefiles/JpegWriter.h"
#include "core/imagefiles/PictureConversion.h"
#include "core/imagefiles/PngWriter.h"
#include "core/imagefiles/TgaWriter.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace mosaicor {

namespace {

// No supported picture file comes near this: the largest picture a decoder accepts is 512 MiB.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

Failure<> Failed(const QString& text) { return {text}; }

// A file that cannot be decoded: the UnsupportedCompression sentence, with the reason beside it.
Failure<> NotDecoded(const QString& upperExtension, const QString& reason) {
  return {ImageFileModule::FileErrorText(FileErrorKind::UnsupportedCompression, upperExtension), {}, reason};
}

}  // namespace

QString ImageFileModule::FileErrorText(FileErrorKind kind, const QString& upperExtension) {
  if (kind == FileErrorKind::UnsupportedFormat) return upperExtension + QStringLiteral(" format not supported.");
  return QStringLiteral("This file has a non supported compression scheme.");
}

QString ImageFileModule::UpperExtension(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix();
  return suffix.isEmpty() ? QString() : '.' + suffix.toUpper();
}

PictureOutcome ImageFileModule::LoadImageFile(QImage& image, const QString& fileName, PixelFormatCode* format) const {
  // What the file is comes before what its name says: a missing file or a folder is told as such,
  // whatever its extension. Only a plain file is opened: a device such as /dev/zero would be
  // read until memory runs out, and a pipe without a writer would wait for ever.
  const QFileInfo info(fileName);
  if (fileName.isEmpty() || !info.exists()) return Failed(QStringLiteral("file not found"));
  if (info.isDir()) return Failed(QStringLiteral("is a folder, not a file"));
  if (!info.isFile() || IsDeviceName(fileName)) return Failed(QStringLiteral("not a regular file"));
  const QString extension = UpperExtension(fileName);
  const PictureDecoder* decoder = FindPictureDecoder(extension);
  if (!decoder) {
    if (HasLevelExtension(fileName)) return Failed(QStringLiteral("a Tomb Raider level, not a picture"));
    return Failed(FileErrorText(FileErrorKind::UnsupportedFormat, extension));
  }
  // A file without a picture in it is no compression problem: said on its own.
  const qint64 size = info.size();
  if (size == 0) return Failed(QStringLiteral("the file is empty"));
  if (size > kMaxFileBytes)
    return Failed(QStringLiteral("the file is too large (%1 MiB; pictures are read up to %2 MiB)")
                      .arg((size + (1 << 20) - 1) >> 20)
                      .arg(kMaxFileBytes >> 20));
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return Failed(file.errorString());
  const Result<QByteArray> bytes = ReadHeadFirst(
      file, size, [decoder](ByteSource& head, qint64 fileSize) { return decoder->BytesToRead(head, fileSize); });
  if (!bytes) return DescribesNoPicture(bytes.Status()) ? Failed(bytes.Text()) : NotDecoded(extension, bytes.Text());
  file.close();
  ByteSource source(bytes.Value());
  Result<DecodedPicture> picture = decoder->Read(source);
  if (!picture)
    return DescribesNoPicture(picture.Status()) ? Failed(picture.Text()) : NotDecoded(extension, picture.Text());
  image = std::move(picture->image);
  if (format) *format = picture->format;
  return {};
}

PictureOutcome ImageFileModule::LoadImageAs32BitsFile(QImage& image, const QString& fileName,
                                                      PixelFormatCode& SourcePixelFormat) const {
  SourcePixelFormat = PixelFormatCode::Device;
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  if (PictureOutcome loaded = LoadImageFile(picture, fileName, &format); !loaded) return loaded;
  QImage converted = ConvertTo32Bits(std::move(picture), format);
  if (converted.isNull())
    return NotDecoded(UpperExtension(fileName), QStringLiteral("not enough memory for the 32-bit picture"));
  image = std::move(converted);
  SourcePixelFormat = format;
  return {};
}

PictureOutcome ImageFileModule::SaveImageAs24BitsFile(const QImage& image, int shownWidth, int shownHeight,
                                                      const QString& fileName) const {
  const int width = std::min(image.width(), shownWidth), height = std::min(image.height(), shownHeight);
  if (image.isNull() || width <= 0 || height <= 0) return Failed(QStringLiteral("There is no picture to save."));
  const QImage cut = (width == image.width() && height == image.height()) ? image : image.copy(0, 0, width, height);
  // The TGA and JPEG writers convert to 24 bits as they go; BMP writes what it is given.
  const bool bmp = UpperExtension(fileName) == QLatin1String(".BMP");
  return SaveImageFile(bmp ? ConvertTo24Bits(cut) : cut, fileName);
}

PictureOutcome ImageFileModule::SaveImageFile(const QImage& image, const QString& fileName) const {
  const QString extension = UpperExtension(fileName);
  if (extension == QLatin1String(".TGA")) return mosaicor::SaveAsUncompTGA24bits(image, fileName);
  if (extension == QLatin1String(".BMP")) return SaveBmpFile(image, fileName);
  if (extension == QLatin1String(".JPG") || extension == QLatin1String(".JPEG")) return SaveJpegFile(image, fileName);
  if (extension == QLatin1String(".PNG")) return SavePngFile(image, fileName);
  return Failed(FileErrorText(FileErrorKind::UnsupportedFormat, extension));
}

Result<QByteArray> ImageFileModule::EncodeAs24Bits(const QImage& image, const QString& fileName) const {
  if (image.isNull()) return NoPictureToSave();
  const QString extension = UpperExtension(fileName);
  if (extension == QLatin1String(".TGA")) return EncodeUncompTGA24bits(image);
  if (extension == QLatin1String(".BMP")) return EncodeBmp(ConvertTo24Bits(image));
  if (extension == QLatin1String(".JPG") || extension == QLatin1String(".JPEG")) return EncodeJpeg(image);
  if (extension == QLatin1String(".PNG")) return EncodePng(image);
  return Failure<>{FileErrorText(FileErrorKind::UnsupportedFormat, extension)};
}

PictureOutcome ImageFileModule::SaveAsUncompTGA24bits(const QImage& image, const QString& fileName) const {
  return mosaicor::SaveAsUncompTGA24bits(image, fileName);
}

}  // namespace mosaicor
