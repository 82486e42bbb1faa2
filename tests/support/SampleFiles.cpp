#include "SampleFiles.h"
#include "DecodedInto.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace mosaicor {

bool DecodeSampleFile(const QString& path, DecodedPicture& picture, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("cannot open");
    return false;
  }
  const QByteArray bytes = file.readAll();
  QString extension = '.' + QFileInfo(path).suffix().toUpper();
  if (extension == QLatin1String(".TIFF")) extension = QStringLiteral(".TIF");
  const PictureDecoder* decoder = FindPictureDecoder(extension);
  if (!decoder) {
    error = QStringLiteral("no decoder");
    return false;
  }
  ByteSource source(bytes);
  return DecodedInto(decoder->Read(source), picture, error);
}

QImage LoadReferencePicture(const QString& path) {
  if (path.endsWith(QLatin1String(".tga"), Qt::CaseInsensitive)) {
    DecodedPicture picture;
    QString error;
    return DecodeSampleFile(path, picture, error) ? picture.image : QImage();
  }
  return QImage(path);
}

QList<QPair<QString, QString>> ReadReferenceList(const QString& root) {
  QList<QPair<QString, QString>> pairs;
  QFile list(root + QStringLiteral("/REFERENCES.tsv"));
  if (!list.open(QIODevice::ReadOnly)) return pairs;
  QTextStream in(&list);
  in.readLine();  // column names
  while (!in.atEnd()) {
    const QStringList fields = in.readLine().split('\t');
    if (fields.size() >= 2) pairs.append({fields[0], fields[1]});
  }
  return pairs;
}

int LargestChannelDifference(const QImage& ours, const QImage& reference) {
  const QImage a = ours.convertToFormat(QImage::Format_ARGB32);
  const QImage b = reference.convertToFormat(QImage::Format_ARGB32);
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (qAlpha(q) == 0) continue;
      worst = std::max(
          {worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

}  // namespace mosaicor
