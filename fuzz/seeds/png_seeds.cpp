// Seed corpus of the PNG fuzzer: the depths and colour types Qt writes.
#include "SeedFolder.h"
#include "TestPictures.h"

#include <QBuffer>
#include <QImageWriter>

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  const QImage f = MakeFPicture(13, 7);
  const QImage::Format formats[] = {QImage::Format_Mono,        QImage::Format_Indexed8, QImage::Format_Grayscale8,
                                    QImage::Format_Grayscale16, QImage::Format_RGB32,    QImage::Format_ARGB32,
                                    QImage::Format_RGBA64};
  bool ok = true;
  int n = 0;
  for (QImage::Format format : formats) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(f.convertToFormat(format));
    ok &= WriteSeed(dir, QStringLiteral("seed%1.png").arg(n++), bytes);
  }
  return ok ? 0 : 1;
}
