// The core's reasons in the window's language: the window tells them translated, with the file's
// own figures kept, while the companion's line stays in English.

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "PictureWriters.h"
#include "WorkbenchRig.h"
#include "app/texts/Reasons.h"
#include "app/texts/WindowLanguage.h"
#include "app/workbench/PackWorkflow.h"

namespace mosaicor {
namespace {

struct ToldDialogs : NoDialogs {
  QStringList messages;
  void ShowMessage(const QString& text) override { messages << text; }
};

TEST(Reasons, TheWindowTellsThemInItsLanguageAndTheCompanionInEnglish) {
  ASSERT_TRUE(InstallTranslations("de"));
  QTemporaryDir dir;
  // A 64 x 64 picture with its last rows cut off, and a file that is not there.
  QImage picture(64, 64, QImage::Format_ARGB32);
  picture.fill(0xFF336699u);
  TgaSpec spec;
  spec.width = spec.height = 64;
  spec.pixels = TgaPixelsOf(picture, 24);
  const QString cut = dir.filePath("cut.tga"), missing = dir.filePath("missing.tga");
  ASSERT_TRUE(WriteBytesToFile(cut, WriteTga(spec).chopped(1000)));

  ToldDialogs dialogs;
  ImageFileModule pictures;
  SilentLevelLoadHost host;
  TombRaiderFileModule levels{host};
  Workbench bench{dialogs, pictures, levels};
  bench.Start();
  EXPECT_FALSE(bench.Packs().AddPicturesAsTiles({cut, missing}));
  ASSERT_EQ(dialogs.messages.size(), 1);
  const QString told = dialogs.messages.front();
  EXPECT_TRUE(
      told.contains("Diese Datei verwendet ein nicht unterstütztes Kompressionsverfahren.\n"
                    "die Datei ist kürzer als ihr Bild von 64 x 64"))
      << told.toStdString();
  EXPECT_TRUE(told.contains("Datei nicht gefunden")) << told.toStdString();

  // The companion words the same failure in English.
  QImage read;
  PixelFormatCode format = PixelFormatCode::Device;
  EXPECT_EQ(FailureText(pictures.LoadImageAs32BitsFile(read, cut, format)),
            "This file has a non supported compression scheme. (the file is shorter than its 64 x 64 picture)");

  // A damaged level's reason is composed of the damage and the place, each translated.
  EXPECT_EQ(TranslatedReason("damaged compressed data in the 32-bit page chunk at offset 10 (0xa)"),
            "beschädigte komprimierte Daten: Abschnitt „32-bit page chunk“ bei Offset 10 (0xa)");
  // A figure that stands twice in the wording is matched both times.
  EXPECT_EQ(TranslatedReason("a sky (.RAW) is 256 x 256 pixels of 24 bits, 196608 bytes; this file has 12 bytes"),
            "eine Datei „sky (.RAW)“ hat 256 x 256 Pixel zu 24 Bit, 196608 Byte; diese Datei hat 12 Byte");
  // What the table does not know, a library's own message, is shown as it came.
  EXPECT_EQ(TranslatedReason("CRC error in chunk IDAT"), "CRC error in chunk IDAT");
  InstallTranslations("en");
}

// Every failure a reader, writer or packer of the core words has its wording in the window's table,
// so that none reaches a translated window in English.
TEST(Reasons, TheTableKnowsEveryFailureTheCoreWords) {
  ASSERT_TRUE(InstallTranslations("de"));
  const QRegularExpression failure(QStringLiteral(R"re(Failure<>\{QStringLiteral\("((?:[^"\\]|\\.)*)"\))re"));
  QStringList untold;
  QDirIterator files(QStringLiteral(MOSAICOR_SOURCE_DIR "/src/core"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                     QDir::Files, QDirIterator::Subdirectories);
  int found = 0;
  while (files.hasNext()) {
    QFile file(files.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString code = QString::fromUtf8(file.readAll());
    for (const QRegularExpressionMatch& match : failure.globalMatch(code)) {
      const QString wording = match.captured(1).replace(QStringLiteral("\\\""), QStringLiteral("\""));
      ++found;
      if (TranslatedReason(wording) == wording) untold << QFileInfo(file).fileName() + QStringLiteral(": ") + wording;
    }
  }
  InstallTranslations("en");
  EXPECT_GT(found, 50);
  EXPECT_TRUE(untold.isEmpty()) << untold.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace mosaicor
