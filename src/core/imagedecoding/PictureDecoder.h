#pragma once
// The small interface every picture format implements, and the register that picks a format by
// the upper-cased extension of a file name. Adding a format is one file plus one register line.

#include "common/Outcome.h"
#include "graphics/PixelFormat.h"
#include "imagedecoding/ByteSource.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace mosaicor {

// A decoded picture and the pixel format it had in the file. The QImage holds the nearest format
// Qt can name (4-bit pictures as Indexed8, custom 16-bit masks widened to ARGB32 with their alpha),
// so `format` is the one to report, not the QImage's own.
struct DecodedPicture {
  QImage image;
  PixelFormatCode format = PixelFormatCode::Device;
};

class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  virtual QString Name() const = 0;
  // Upper case with the dot: ".TGA".
  virtual QStringList Extensions() const = 0;
  // Reads a whole file held in memory; a failure says why.
  virtual Result<DecodedPicture> Read(ByteSource& source) const = 0;
  // How many bytes of a file of `fileSize` bytes Read can use, judged from the file's first bytes
  // (`head`, at most kPictureHeadBytes), or why those already refuse the file. A format whose
  // header cannot tell takes the whole file.
  virtual Result<qint64> BytesToRead(ByteSource& head, qint64 fileSize) const {
    Q_UNUSED(head);
    return fileSize;
  }
};

// The decoder registered for an extension (upper case, dot included), or nullptr.
const PictureDecoder* FindPictureDecoder(const QString& upperExtension);

}  // namespace mosaicor
