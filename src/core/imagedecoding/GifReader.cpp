#include "core/imagedecoding/GifReader.h"

#include "core/imagedecoding/PictureLimits.h"

#include <QBuffer>
#include <QImageReader>
#include <cstring>

namespace mosaicor {

namespace {

constexpr qsizetype kHeaderBytes = 13;  // signature, version, logical screen descriptor

Result<QSize> ReadScreen(ByteSource& source) {
  const uchar* p = source.Data();
  if (source.Size() < kHeaderBytes || (std::memcmp(p, "GIF87a", 6) != 0 && std::memcmp(p, "GIF89a", 6) != 0))
    return Failure<>{QStringLiteral("not a GIF file")};
  const int width = qFromLittleEndian<quint16>(p + 6), height = qFromLittleEndian<quint16>(p + 8);
  if (auto allowed = PictureSizeAllowed(width, height); !allowed) return allowed;
  return QSize(width, height);
}

// Twelve-bit LZW codes stand for at most 4096 pixels each, about 2731 pixels a byte: a screen far
// beyond what the file's bytes could paint is a damaged header, not a picture to allocate.
Outcome<> ScreenWithinFile(QSize screen, qint64 fileSize) {
  if (qint64(screen.width()) * screen.height() <= (qint64(1) << 20) + 2731 * fileSize) return {};
  return Failure<>{QStringLiteral("the file is too short for its %1 x %2 picture").arg(screen.width()).arg(screen.height())};
}

// Qt's GIF support is a plug-in of Qt Gui, or built into a static Qt; a build without it says so.
Outcome<> GifReaderPresent() {
  if (QImageReader::supportedImageFormats().contains("gif")) return {};
  return Failure<>{QStringLiteral("this build of Qt has no GIF reader")};
}

// The reader over the bytes, and the buffer it reads; both live as long as the reading.
struct GifStream {
  explicit GifStream(ByteSource& source)
      : bytes(QByteArray::fromRawData(reinterpret_cast<const char*>(source.Data()), source.Size())) {
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(int((kMaxPicturePixels * 4) >> 20) + 1);
    reader.setDevice(&buffer);
    reader.setFormat("gif");
  }
  QByteArray bytes;
  QBuffer buffer;
  QImageReader reader;
};

Failure<> ReaderFailure(const QImageReader& reader, int frame) {
  return {QStringLiteral("GIF error in frame %1: %2").arg(frame + 1).arg(reader.errorString())};
}

}  // namespace

Result<qint64> GifBytesToRead(ByteSource& head, qint64 fileSize) {
  const Result<QSize> screen = ReadScreen(head);
  if (!screen) return screen.Status();
  if (Outcome<> within = ScreenWithinFile(screen.Value(), fileSize); !within) return within;
  return fileSize;
}

Result<DecodedPicture> ReadGif(ByteSource& source) {
  if (Outcome<> present = GifReaderPresent(); !present) return present;
  const Result<QSize> screen = ReadScreen(source);
  if (!screen) return screen.Status();
  if (Outcome<> within = ScreenWithinFile(screen.Value(), source.Size()); !within) return within;
  GifStream stream(source);
  QImage image;
  if (!stream.reader.read(&image)) return ReaderFailure(stream.reader, 0);
  source.Seek(source.Size());
  return DecodedPicture{std::move(image), PixelFormatCode::EightBits};
}

Outcome<> ReadGifFrames(ByteSource& source, const FrameReading& reading) {
  if (Outcome<> present = GifReaderPresent(); !present) return present;
  const Result<QSize> screen = ReadScreen(source);
  if (!screen) return screen.Status();
  if (Outcome<> within = ScreenWithinFile(screen.Value(), source.Size()); !within) return within;
  GifStream stream(source);
  // The reader counts the frames by walking the blocks, without decoding one.
  const int frames = stream.reader.imageCount();
  if (frames <= 0) return Failure<>{QStringLiteral("the GIF file holds no frame")};
  if (Outcome<> accepted = reading.accept(screen.Value(), frames); !accepted) return accepted;
  for (int i = 0; i < frames; ++i) {
    QImage frame;
    if (!stream.reader.read(&frame)) return ReaderFailure(stream.reader, i);
    // The time this frame stays, which the reader gives once the frame is read.
    if (Outcome<> taken = reading.take(std::move(frame), PixelFormatCode::EightBits, stream.reader.nextImageDelay());
        !taken)
      return taken;
  }
  source.Seek(source.Size());
  return {};
}

}  // namespace mosaicor
