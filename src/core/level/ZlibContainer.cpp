#include "core/level/ZlibContainer.h"

#include "core/level/InflateChunk.h"

#include <QtEndian>

namespace mosaicor {

namespace {
constexpr qint64 kHeaderSize = 12;
}

bool IsZlibContainer(const QByteArray& content) { return content.size() > kHeaderSize && content.startsWith("ZLIB"); }

LevelResult<QByteArray> UnpackZlibContainer(const QByteArray& content) {
  const auto* bytes = reinterpret_cast<const uchar*>(content.constData());
  const qint64 compressedLength = qFromLittleEndian<quint32>(bytes + 4);
  const qint64 declaredLength = qFromLittleEndian<quint32>(bytes + 8);
  LevelResult<QByteArray> unpacked =
      compressedLength > content.size() - kHeaderSize
          ? LevelResult<QByteArray>(Failure<LevelFailure>{DamagedDataText(), LevelFailure::Damaged})
          : InflateChunk(bytes + kHeaderSize, compressedLength, declaredLength, kMaxContainerBytes);
  if (!unpacked && unpacked.FailureKind() == LevelFailure::Damaged)
    return Failure<LevelFailure>{DamagedDataText() + QStringLiteral(" in the ZLIB container at offset 0 (0x0)"),
                                 LevelFailure::Damaged};
  return unpacked;
}

}  // namespace mosaicor
