#include "HostileJpeg.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <algorithm>

namespace mosaicor {

QByteArray ProgressiveJpegClaiming(int width, int height, bool subsampled, int atLeast) {
  QImage picture(16, 16, QImage::Format_RGB32);
  picture.fill(qRgb(200, 10, 10));
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    if (!writer.write(picture)) return {};
  }
  const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC2", 2));  // SOF2: progressive
  if (frame < 0 || bytes.size() < frame + 19 || bytes[frame + 9] != 3) return {};
  bytes[frame + 5] = char(height >> 8), bytes[frame + 6] = char(height);
  bytes[frame + 7] = char(width >> 8), bytes[frame + 8] = char(width);
  // Sampling factors of the three components: luma 2 x 2 with chroma 1 x 1 is 4:2:0.
  bytes[frame + 11] = char(subsampled ? 0x22 : 0x11);
  bytes[frame + 14] = bytes[frame + 17] = char(0x11);
  // A comment segment right after the start marker, at most 65535 bytes each.
  QByteArray comments;
  while (bytes.size() + comments.size() < atLeast) {
    const int length = int(std::min<qsizetype>(65535, atLeast - bytes.size() - comments.size() + 2));
    comments.append("\xFF\xFE", 2).append(char(length >> 8)).append(char(length)).append(QByteArray(length - 2, 'c'));
  }
  bytes.insert(2, comments);
  return bytes;
}

}  // namespace mosaicor
