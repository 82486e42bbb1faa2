#include "core/imagefiles/ImageFileModule.h"

#include "core/common/DeviceNames.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagedecoding/HeadFirstRead.h"
#include "core/imagedecoding/PictureDecoder.h"
#include "core/imagedecoding/PictureLimits.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/imagefiles/BmpWriter.h"
#include "core/imagefiles/JpegWriter.h"
#include "core/imagefiles/LevelEditorRawWriter.h"
#include "core/imagefiles/PictureConversion.h"
#include "core/imagefiles/PngWriter.h"
#include "core/imagefiles/TgaWriter.h"
#include "core/level/ObjectLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace mosaicor {

namespace {

// No supported picture file comes near this: the largest picture a decoder accepts is 512 MiB.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

Failure<> Failed(const QString& text) { return {text}; }

// A file that cannot be decoded: the UnsupportedCompression sentence, with the reason beside it.
Failure<> NotDecoded(const QString& upperExtension, const QString& reason) {
  return {ImageFileModule::FileErrorText(FileErrorKind::UnsupportedCompression, upperExtension), {}, reason};
}

// A decoder's failure: a header that describes no picture on its own line, anything else as a
// file that cannot be decoded.
Failure<> DecodingFailed(const QString& upperExtension, const Outcome<>& failed) {
  return DescribesNoPicture(failed) ? Failed(failed.Text()) : NotDecoded(upperExtension, failed.Text());
}

}  // namespace

std::span<const PictureWriter> PictureWriters() {
  static const std::array<PictureWriter, 6> writers{{
      {{QStringLiteral(".TGA")}, SaveAsUncompTGA24bits, EncodeUncompTGA24bits},
      {{QStringLiteral(".BMP")},
       SaveBmpFile,
       [](const QImage& picture) { return EncodeBmp(ConvertTo24Bits(picture)); }},
      {{QStringLiteral(".JPG"), QStringLiteral(".JPEG")}, SaveJpegFile, EncodeJpeg},
      {{QStringLiteral(".PNG")}, SavePngFile, EncodePng},
      {{QStringLiteral(".RAW")}, SaveSkyRaw},
      {{QStringLiteral(".PC")}, SaveFontPc},
  }};
  return writers;
}

const PictureWriter* FindPictureWriter(const QString& upperExtension) {
  for (const PictureWriter& writer : PictureWriters())
    if (writer.extensions.contains(upperExtension)) return &writer;
  return nullptr;
}

QString ImageFileModule::FileErrorText(FileErrorKind kind, const QString& upperExtension) {
  if (kind == FileErrorKind::UnsupportedFormat) return upperExtension + QStringLiteral(" format not supported.");
  return QStringLiteral("This file has a non supported compression scheme.");
}

QString ImageFileModule::UpperExtension(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix();
  return suffix.isEmpty() ? QString() : '.' + suffix.toUpper();
}

Result<ImageFileModule::PictureBytes> ImageFileModule::ReadPictureBytes(const QString& fileName) const {
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
    if (HasObjectLibraryExtension(fileName)) return Failed(QStringLiteral("an object library, not a picture"));
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
  Result<QByteArray> bytes = ReadHeadFirst(
      file, size, [decoder](ByteSource& head, qint64 fileSize) { return decoder->BytesToRead(head, fileSize); });
  if (!bytes) return DecodingFailed(extension, bytes.Status());
  return PictureBytes{decoder, std::move(bytes).Value(), extension};
}

PictureOutcome ImageFileModule::LoadImageFile(QImage& image, const QString& fileName, PixelFormatCode* format) const {
  const Result<PictureBytes> file = ReadPictureBytes(fileName);
  if (!file) return file.Status();
  ByteSource source(file->bytes);
  Result<DecodedPicture> picture = file->decoder->Read(source);
  if (!picture) return DecodingFailed(file->extension, picture.Status());
  image = std::move(picture->image);
  if (format) *format = picture->format;
  return {};
}

PictureOutcome ImageFileModule::LoadFramesAs32BitsFile(const QString& fileName, const FrameReading& reading) const {
  const Result<PictureBytes> file = ReadPictureBytes(fileName);
  if (!file) return file.Status();
  // The caller's own refusals pass through as they are; only the decoder's are decoding failures.
  PictureOutcome refused;
  auto noted = [&refused](Outcome<> outcome) {
    if (!outcome) refused = outcome;
    return outcome;
  };
  // Each frame leaves as the working picture, the way a load brings a picture to it.
  const FrameReading to32Bits{
      [&](QSize size, int frames) { return noted(reading.accept(size, frames)); },
      [&](QImage frame, PixelFormatCode format, int delayMs) {
        QImage converted = ConvertTo32Bits(std::move(frame), format);
        if (converted.isNull()) return noted(Failed(QStringLiteral("not enough memory for a frame")));
        return noted(reading.take(std::move(converted), format, delayMs));
      }};
  ByteSource source(file->bytes);
  if (file->decoder->readFrames) {
    const Outcome<> read = file->decoder->readFrames(source, to32Bits);
    if (read) return read;
    if (!refused) return refused;
    return DecodingFailed(file->extension, read);
  }
  Result<DecodedPicture> picture = file->decoder->Read(source);
  if (!picture) return DecodingFailed(file->extension, picture.Status());
  if (Outcome<> accepted = to32Bits.accept(picture->image.size(), 1); !accepted) return accepted;
  return to32Bits.take(std::move(picture->image), picture->format, 0);
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
  if (const PictureWriter* writer = FindPictureWriter(extension)) return writer->save(image, fileName);
  return Failed(FileErrorText(FileErrorKind::UnsupportedFormat, extension));
}

Result<QByteArray> ImageFileModule::EncodeAs24Bits(const QImage& image, const QString& fileName) const {
  if (image.isNull()) return NoPictureToSave();
  const QString extension = UpperExtension(fileName);
  const PictureWriter* writer = FindPictureWriter(extension);
  if (writer && writer->SavesTextureSets()) return writer->encode24(image);
  return Failure<>{FileErrorText(FileErrorKind::UnsupportedFormat, extension)};
}

PictureOutcome ImageFileModule::SaveAsUncompTGA24bits(const QImage& image, const QString& fileName) const {
  return mosaicor::SaveAsUncompTGA24bits(image, fileName);
}

}  // namespace mosaicor
