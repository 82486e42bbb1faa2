#include "imagefiles/ImageFileModule.h"

#include "imagedecoding/PictureDecoder.h"
#include "imagefiles/BmpWriter.h"
#include "imagefiles/JpegWriter.h"
#include "imagefiles/PictureConversion.h"
#include "imagefiles/PngWriter.h"
#include "imagefiles/TgaWriter.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// No supported picture file comes near this: the largest picture a decoder accepts is 512 MiB.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

}  // namespace

QString ImageFileModule::FileErrorText(FileErrorKind kind, const QString& upperExtension) {
  if (kind == FileErrorKind::UnsupportedFormat) return upperExtension + QStringLiteral(" format not supported.");
  return QStringLiteral("This file has a non supported compression scheme.");
}

QString ImageFileModule::UpperExtension(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix();
  return suffix.isEmpty() ? QString() : '.' + suffix.toUpper();
}

void ImageFileModule::ShowFileError(FileErrorKind kind, const QString& upperExtension, const QString& reason) {
  messages_.ShowFileMessage(FileErrorText(kind, upperExtension), reason);
}

bool ImageFileModule::Fail(const QString& message) {
  lastError_ = message;
  messages_.ShowFileMessage(message, QString());
  return false;
}

bool ImageFileModule::FailToDecode(const QString& upperExtension, const QString& reason) {
  lastError_ = reason;
  ShowFileError(FileErrorKind::UnsupportedCompression, upperExtension, reason);
  return false;
}

bool ImageFileModule::LoadImageFile(QImage& image, const QString& fileName, PixelFormatCode* format) {
  lastError_.clear();
  const QString extension = UpperExtension(fileName);
  const PictureDecoder* decoder = FindPictureDecoder(extension);
  if (!decoder) return Fail(FileErrorText(FileErrorKind::UnsupportedFormat, extension));

  // Only a plain file is opened: a device such as /dev/zero would be read until memory runs out,
  // and a pipe without a writer would wait for ever.
  const QFileInfo info(fileName);
  if (!info.exists()) return Fail(QStringLiteral("file not found"));
  if (info.isDir()) return Fail(QStringLiteral("is a folder, not a file"));
  if (!info.isFile()) return Fail(QStringLiteral("not a regular file"));
  const qint64 size = info.size();
  if (size == 0) return FailToDecode(extension, QStringLiteral("the file is empty"));
  if (size > kMaxFileBytes)
    return FailToDecode(extension, QStringLiteral("the file is too large (%1 MiB; pictures are read up to %2 MiB)")
                                       .arg((size + (1 << 20) - 1) >> 20)
                                       .arg(kMaxFileBytes >> 20));
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return Fail(file.errorString());
  QByteArray bytes(size, Qt::Uninitialized);
  if (file.read(bytes.data(), size) != size) return Fail(QStringLiteral("cannot read: %1").arg(file.errorString()));
  file.close();
  ByteSource source(bytes);
  DecodedPicture picture;
  QString error;
  if (!decoder->Read(source, picture, error)) return FailToDecode(extension, error);
  image = std::move(picture.image);
  if (format) *format = picture.format;
  return true;
}

bool ImageFileModule::LoadImageAs32BitsFile(QImage& image, const QString& fileName,
                                            PixelFormatCode& SourcePixelFormat) {
  SourcePixelFormat = PixelFormatCode::Device;
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  if (!LoadImageFile(picture, fileName, &format)) return false;
  QImage converted = ConvertTo32Bits(std::move(picture), format);
  if (converted.isNull())
    return FailToDecode(UpperExtension(fileName), QStringLiteral("not enough memory for the 32-bit picture"));
  image = std::move(converted);
  SourcePixelFormat = format;
  return true;
}

bool ImageFileModule::SaveImageAs24BitsFile(const QImage& image, int shownWidth, int shownHeight,
                                            const QString& fileName) {
  const int width = std::min(image.width(), shownWidth), height = std::min(image.height(), shownHeight);
  if (image.isNull() || width <= 0 || height <= 0) return Fail(QStringLiteral("There is no picture to save."));
  const QImage cut = (width == image.width() && height == image.height()) ? image : image.copy(0, 0, width, height);
  // The TGA and JPEG writers convert to 24 bits as they go; BMP writes what it is given.
  const bool bmp = UpperExtension(fileName) == QLatin1String(".BMP");
  return SaveImageFile(bmp ? ConvertTo24Bits(cut) : cut, fileName);
}

bool ImageFileModule::SaveImageFile(const QImage& image, const QString& fileName) {
  lastError_.clear();
  const QString extension = UpperExtension(fileName);
  QString error;
  bool ok;
  if (extension == QLatin1String(".TGA"))
    ok = ::SaveAsUncompTGA24bits(image, fileName, error);
  else if (extension == QLatin1String(".BMP"))
    ok = SaveBmpFile(image, fileName, error);
  else if (extension == QLatin1String(".JPG") || extension == QLatin1String(".JPEG"))
    ok = SaveJpegFile(image, fileName, error);
  else if (extension == QLatin1String(".PNG"))
    ok = SavePngFile(image, fileName, error);
  else
    return Fail(FileErrorText(FileErrorKind::UnsupportedFormat, extension));
  return ok || Fail(error);
}

bool ImageFileModule::SaveAsUncompTGA24bits(const QImage& image, const QString& fileName) {
  lastError_.clear();
  QString error;
  return ::SaveAsUncompTGA24bits(image, fileName, error) || Fail(error);
}
