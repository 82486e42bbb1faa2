// Renders the program's SVG art into the PNG and ICO files that the programs and the packages hold.
// It runs on the build machine, so the programs themselves need no SVG support: the cross-built
// Windows program is made with a Qt that has none.
//
//   mosaicor-render-art png ART.svg OUT.png SIZE      one square PNG of SIZE pixels
//   mosaicor-render-art ico ART.svg OUT.ico SIZE...   a Windows icon holding one PNG image per size

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {

QImage Render(QSvgRenderer& renderer, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image;
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

template <typename T>
void Append(QByteArray& out, T value) {
  const T little = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An ICO file: a 6-byte header, a 16-byte entry per image, then the images as PNG data (read by every
// Windows since Vista). A size of 256 is written as 0 in the entry's one-byte fields.
QByteArray IcoBytes(const std::vector<QImage>& images) {
  QByteArray out;
  Append<quint16>(out, 0);
  Append<quint16>(out, 1);
  Append<quint16>(out, static_cast<quint16>(images.size()));
  std::vector<QByteArray> pngs;
  for (const QImage& image : images) pngs.push_back(PngBytes(image));
  quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int size = images[i].width();
    out.append(static_cast<char>(size >= 256 ? 0 : size));
    out.append(static_cast<char>(size >= 256 ? 0 : size));
    out.append('\0');  // no palette
    out.append('\0');
    Append<quint16>(out, 1);   // colour planes
    Append<quint16>(out, 32);  // bits per pixel
    Append<quint32>(out, static_cast<quint32>(pngs[i].size()));
    Append<quint32>(out, offset);
    offset += static_cast<quint32>(pngs[i].size());
  }
  for (const QByteArray& png : pngs) out.append(png);
  return out;
}

int Usage(const char* program) {
  std::fprintf(stderr, "usage: %s png ART.svg OUT.png SIZE\n       %s ico ART.svg OUT.ico SIZE...\n", program, program);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return Usage(argv[0]);
  const QByteArray mode(argv[1]);
  if (mode != "png" && mode != "ico") return Usage(argv[0]);
  if (mode == "png" && argc != 5) return Usage(argv[0]);
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[2]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "%s: not a valid SVG drawing\n", argv[2]);
    return 1;
  }
  std::vector<QImage> images;
  for (int i = 4; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    if (size <= 0 || size > 256) {
      std::fprintf(stderr, "bad size %s\n", argv[i]);
      return 2;
    }
    images.push_back(Render(renderer, size));
  }
  QFile out(QString::fromLocal8Bit(argv[3]));
  const QByteArray bytes = mode == "png" ? PngBytes(images.front()) : IcoBytes(images);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
