#include "level/ZlibContainer.h"

#include "level/EDecompressionError.h"
#include "level/InflateChunk.h"

#include <QtEndian>

namespace {
constexpr qint64 kHeaderSize = 12;
}

bool IsZlibContainer(const QByteArray& content) { return content.size() > kHeaderSize && content.startsWith("ZLIB"); }

QByteArray UnpackZlibContainer(const QByteArray& content) {
  const auto* bytes = reinterpret_cast<const uchar*>(content.constData());
  const qint64 compressedLength = qFromLittleEndian<quint32>(bytes + 4);
  const qint64 declaredLength = qFromLittleEndian<quint32>(bytes + 8);
  if (compressedLength > content.size() - kHeaderSize) throw EDecompressionError();
  return InflateChunk(bytes + kHeaderSize, compressedLength, declaredLength, kMaxContainerBytes);
}
