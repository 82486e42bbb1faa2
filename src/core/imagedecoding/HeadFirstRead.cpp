#include "core/imagedecoding/HeadFirstRead.h"

#include <algorithm>

namespace mosaicor {

Result<QByteArray> ReadHeadFirst(QIODevice& file, qint64 fileSize, const BytesToReadFunction& bytesToRead) {
  const auto cannotRead = [&file] { return Failure<>{QStringLiteral("cannot read: %1").arg(file.errorString())}; };
  QByteArray bytes(std::min(fileSize, kPictureHeadBytes), Qt::Uninitialized);
  if (file.read(bytes.data(), bytes.size()) != bytes.size()) return cannotRead();
  ByteSource head(bytes);
  const Result<qint64> wanted = bytesToRead(head, fileSize);
  if (!wanted) return wanted.Status();
  const qint64 total = std::clamp<qint64>(wanted.Value(), bytes.size(), fileSize);
  if (total > bytes.size()) {
    const qint64 start = bytes.size();
    bytes.resize(total);
    if (file.read(bytes.data() + start, total - start) != total - start) return cannotRead();
  }
  return bytes;
}

}  // namespace mosaicor
