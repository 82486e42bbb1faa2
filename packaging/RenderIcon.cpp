// Renders the program's SVG icon to the PNG sizes of the desktop icon theme at build time, so the
// installed PNGs always match the icon the window shows.
//
//   mosaicor-render-icon ICON.svg OUTDIR SIZE...   writes OUTDIR/<SIZE>/mosaicor.png

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s ICON.svg OUTDIR SIZE...\n", argv[0]);
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "%s: not a valid SVG drawing\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  for (int i = 3; i < argc; ++i) {
    const int size = QString(argv[i]).toInt();
    if (size <= 0) {
      std::fprintf(stderr, "bad size %s\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString folder = QString::number(size);
    if (!out.mkpath(folder) || !image.save(out.filePath(folder + "/mosaicor.png"), "PNG")) {
      std::fprintf(stderr, "cannot write %s/%s/mosaicor.png\n", argv[2], qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
