#pragma once
// The register of picture formats, one table entry each, that picks a format by the upper-cased
// extension of a file name. Adding a format is its reader plus one line of the table.

#include "core/common/Outcome.h"
#include "core/graphics/PixelFormat.h"
#include "core/imagedecoding/ByteSource.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>

namespace mosaicor {

// A decoded picture and the pixel format it had in the file. The QImage holds the nearest format
// Qt can name (4-bit pictures as Indexed8, custom 16-bit masks widened to ARGB32 with their alpha),
// so `format` is the one to report, not the QImage's own.
struct DecodedPicture {
  QImage image;
  PixelFormatCode format = PixelFormatCode::Device;
};

// Reading the frames of an animated picture one at a time, so that only one whole frame is held.
struct FrameReading {
  // Called before any frame is decoded, with the picture's size and its number of frames: a
  // failure refuses the picture.
  std::function<Outcome<>(QSize size, int frames)> accept;
  // Each frame in order, in the format its decoder delivers, with how long it shows (ms).
  std::function<Outcome<>(QImage frame, PixelFormatCode format, int delayMs)> take;
};

// One entry of the register: a format's name, its extensions, and its reader.
struct PictureDecoder {
  // In English, as the window's file dialogs name the format; translated in the context "PictureFormat".
  const char* name = nullptr;
  // Upper case with the dot: ".TGA".
  QStringList extensions;
  // Reads a whole file held in memory; a failure says why.
  Result<DecodedPicture> (*read)(ByteSource& source) = nullptr;
  // How many bytes of a file of `fileSize` bytes `read` can use, judged from the file's first
  // bytes (`head`, at most kPictureHeadBytes), or why those already refuse the file. Null for a
  // format whose header cannot tell: the whole file is read.
  Result<qint64> (*bytesToRead)(ByteSource& head, qint64 fileSize) = nullptr;
  // Null for a format of one picture a file.
  Outcome<> (*readFrames)(ByteSource& source, const FrameReading& reading) = nullptr;

  const QStringList& Extensions() const { return extensions; }
  Result<DecodedPicture> Read(ByteSource& source) const { return read(source); }
  Result<qint64> BytesToRead(ByteSource& head, qint64 fileSize) const {
    if (bytesToRead) return bytesToRead(head, fileSize);
    return fileSize;
  }
};

// The decoder registered for an extension (upper case, dot included), or nullptr.
const PictureDecoder* FindPictureDecoder(const QString& upperExtension);

// Every registered decoder, in the order the open dialog lists the formats.
std::span<const PictureDecoder> PictureDecoders();

}  // namespace mosaicor
