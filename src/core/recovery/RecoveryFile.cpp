#include "core/recovery/RecoveryFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include "core/imagefiles/AtomicWrite.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr char kMagic[8] = {'M', 'S', 'C', 'R', 'R', 'E', 'C', 'V'};
constexpr quint32 kVersion = 1;

void PutU32(QByteArray& out, quint32 value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  out.append(bytes, 4);
}

void PutText(QByteArray& out, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  PutU32(out, quint32(utf8.size()));
  out.append(utf8);
}

Outcome<> CheckShape(int widthPages, int heightPages, int width, int height) {
  if (widthPages < 1 || widthPages > 2 || heightPages < 1 || heightPages > kSetMaxHeightPages)
    return Failure<>{QStringLiteral("the page counters %1 x %2 are out of range").arg(widthPages).arg(heightPages)};
  if (width < widthPages * kSetPageSide || width > kSetMaxWidth || height < heightPages * kSetPageSide ||
      height > kSetMaxHeight)
    return Failure<>{QStringLiteral("a %1 x %2 picture does not hold %3 x %4 pages")
                         .arg(width)
                         .arg(height)
                         .arg(widthPages)
                         .arg(heightPages)};
  return {};
}

Result<QByteArray> Header(const RecoveryState& state) {
  if (Outcome<> shape = CheckShape(state.widthPages, state.heightPages, state.target.width(), state.target.height());
      !shape)
    return shape;
  if (state.paths.size() > size_t(kRecoveryMaxPaths)) return Failure<>{QStringLiteral("too many paths")};
  QByteArray out(kMagic, sizeof kMagic);
  for (int value : {int(kVersion), state.widthPages, state.heightPages, state.target.width(), state.target.height()})
    PutU32(out, quint32(value));
  PutU32(out, state.fill);
  char time[8];
  qToLittleEndian(state.savedAt.toMSecsSinceEpoch(), time);
  out.append(time, 8);
  PutU32(out, quint32(state.paths.size()));
  for (const auto& [name, value] : state.paths) {
    if (name.toUtf8().size() > kRecoveryMaxText || value.toUtf8().size() > kRecoveryMaxText)
      return Failure<>{QStringLiteral("the path %1 is too long").arg(name)};
    PutText(out, name);
    PutText(out, value);
  }
  return out;
}

// Reads exactly `size` bytes or says what was short.
Outcome<> ReadExactly(QIODevice& device, char* data, qint64 size, const char* what) {
  if (device.read(data, size) == size) return {};
  return Failure<>{QStringLiteral("the file ends inside the %1").arg(QLatin1String(what))};
}

Result<quint32> ReadU32(QIODevice& device, const char* what) {
  char bytes[4];
  if (Outcome<> read = ReadExactly(device, bytes, 4, what); !read) return read;
  return qFromLittleEndian<quint32>(bytes);
}

Result<QString> ReadText(QIODevice& device) {
  const Result<quint32> length = ReadU32(device, "paths");
  if (!length) return length.Status();
  if (length.Value() > quint32(kRecoveryMaxText) || qint64(length.Value()) > device.bytesAvailable())
    return Failure<>{QStringLiteral("a path of %1 bytes is longer than the file allows").arg(length.Value())};
  QByteArray utf8(qsizetype(length.Value()), Qt::Uninitialized);
  if (Outcome<> read = ReadExactly(device, utf8.data(), utf8.size(), "paths"); !read) return read;
  return QString::fromUtf8(utf8);
}

Outcome<> ReadPaths(QIODevice& device, RecoveryState& state) {
  const Result<quint32> count = ReadU32(device, "header");
  if (!count) return count.Status();
  if (count.Value() > quint32(kRecoveryMaxPaths))
    return Failure<>{QStringLiteral("%1 paths are more than a recovery file holds").arg(count.Value())};
  for (quint32 i = 0; i < count.Value(); ++i) {
    Result<QString> name = ReadText(device);
    if (!name) return name.Status();
    Result<QString> value = ReadText(device);
    if (!value) return value.Status();
    state.paths.emplace_back(std::move(name).Value(), std::move(value).Value());
  }
  return {};
}

}  // namespace

Outcome<> WriteRecoveryFile(const RecoveryState& state, const QString& fileName) {
  const Result<QByteArray> header = Header(state);
  if (!header) return header.Status();
  const QImage pixels = state.target.format() == QImage::Format_ARGB32
                            ? state.target
                            : state.target.convertToFormat(QImage::Format_ARGB32);
  if (pixels.isNull()) return Failure<>{QStringLiteral("not enough memory for the recovery file")};
  // ARGB32 rows of 256 or 512 pixels carry no padding: the pixels go out as one block.
  const qint64 pixelBytes = qint64(pixels.width()) * 4 * pixels.height();
  QSaveFile file(fileName);
  bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  if (ok) {
    ReserveFileSpace(file, header.Value().size() + pixelBytes);
    ok = WriteAll(file, header.Value().constData(), header.Value().size()) &&
         WriteAll(file, reinterpret_cast<const char*>(pixels.constBits()), pixelBytes) && file.commit();
  }
  if (ok) return {};
  Failure<> failure = CannotWrite(fileName, file);
  file.cancelWriting();
  return failure;
}

Result<RecoveryState> ReadRecovery(QIODevice& device) {
  char magic[sizeof kMagic];
  if (device.read(magic, sizeof magic) != qint64(sizeof magic) || !std::equal(magic, magic + 8, kMagic))
    return Failure<>{QStringLiteral("not a recovery file")};
  quint32 fields[6];
  for (quint32& field : fields) {
    const Result<quint32> value = ReadU32(device, "header");
    if (!value) return value.Status();
    field = value.Value();
  }
  if (fields[0] != kVersion) return Failure<>{QStringLiteral("recovery file version %1 is unknown").arg(fields[0])};
  // Every count is checked as an unsigned value first, so that none wraps into range.
  for (int i = 1; i <= 4; ++i)
    if (fields[i] > quint32(kSetMaxHeight)) return Failure<>{QStringLiteral("a size in the header is out of range")};
  RecoveryState state;
  state.widthPages = int(fields[1]), state.heightPages = int(fields[2]);
  const int width = int(fields[3]), height = int(fields[4]);
  if (Outcome<> shape = CheckShape(state.widthPages, state.heightPages, width, height); !shape) return shape;
  state.fill = fields[5];
  char time[8];
  if (Outcome<> read = ReadExactly(device, time, 8, "header"); !read) return read;
  state.savedAt = QDateTime::fromMSecsSinceEpoch(qFromLittleEndian<qint64>(time), Qt::UTC);
  if (Outcome<> paths = ReadPaths(device, state); !paths) return paths;
  const qint64 pixelBytes = qint64(width) * 4 * height;
  if (device.bytesAvailable() != pixelBytes)
    return Failure<>{QStringLiteral("the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes")
                         .arg(device.bytesAvailable())
                         .arg(width)
                         .arg(height)
                         .arg(pixelBytes)};
  state.target = QImage(width, height, QImage::Format_ARGB32);
  if (state.target.isNull()) return Failure<>{QStringLiteral("not enough memory for the recovered picture")};
  if (Outcome<> read = ReadExactly(device, reinterpret_cast<char*>(state.target.bits()), pixelBytes, "pixels"); !read)
    return read;
  return state;
}

Result<RecoveryState> ReadRecoveryFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    return Failure<>{QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString())};
  return ReadRecovery(file);
}

}  // namespace mosaicor
