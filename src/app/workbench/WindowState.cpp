#include "app/workbench/WindowState.h"

#include <QFileInfo>

namespace mosaicor {

QString Document::TargetCaption() const {
  if (TargetFile) return *TargetFile;
  return TargetCreatedNew ? texts::CreateNewItem() : texts::NoTargetSaved();
}

QString Document::DialogPreset(const std::optional<QString>& file) const {
  if (file) return *file;
  return LastFolder.isEmpty() ? QString() : LastFolder + QLatin1Char('/');
}

void Document::Remember(const QString& fileName) { LastFolder = QFileInfo(fileName).absolutePath(); }

namespace {

template <typename Doc>
auto NamedFilesOf(Doc& doc) {
  using Field = decltype(&doc.ImageFile);
  return std::vector<std::pair<QString, Field>>{{QStringLiteral("ImagePath"), &doc.ImageFile},
                                                {QStringLiteral("TextureSetPath"), &doc.TextureSetFile},
                                                {QStringLiteral("SavePath"), &doc.SaveFile},
                                                {QStringLiteral("LevelPath"), &doc.LevelFile},
                                                {QStringLiteral("TargetPath"), &doc.TargetFile}};
}

}  // namespace

std::vector<std::pair<QString, std::optional<QString>*>> Document::NamedFiles() { return NamedFilesOf(*this); }

std::vector<std::pair<QString, const std::optional<QString>*>> Document::NamedFiles() const {
  return NamedFilesOf(*this);
}

QStringList StartCustomColours() {
  QStringList lines;
  for (char key = 'A'; key <= 'J'; ++key) lines << QStringLiteral("Color%1=000000").arg(QChar(key));
  lines << QStringLiteral("ColorK=000080") << QStringLiteral("ColorL=FC00FC") << QStringLiteral("ColorM=000008")
        << QStringLiteral("ColorN=FC0000") << QStringLiteral("ColorO=88BC00") << QStringLiteral("ColorP=88BC68");
  return lines;
}

QString BgrHex(QRgb colour) {
  const unsigned bgr = (unsigned(qBlue(colour)) << 16) | (unsigned(qGreen(colour)) << 8) | unsigned(qRed(colour));
  return QStringLiteral("%1").arg(bgr, 6, 16, QLatin1Char('0')).toUpper();
}

QRgb FromBgrHex(const QString& digits) {
  bool ok = false;
  const unsigned bgr = digits.toUInt(&ok, 16);
  if (!ok) return qRgb(0, 0, 0);
  return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace mosaicor
