// The program's own pictures: every resource alias the windows ask for is there and draws something.

#include <gtest/gtest.h>
#include <QFile>
#include <QPixmap>

#include "app/art/Art.h"
#include "app/platform/PickerCursor.h"

namespace mosaicor {

namespace {

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
  return count;
}

TEST(ArtTest, EveryPictureIsThereAtOneAndTwoTimesAndDraws) {
  InitResources();
  QStringList aliases = {":/icon/mosaicor-16.png", ":/PICKER.png"};
  for (const QString& name : GlyphNames()) aliases << ":/glyph/" + name + ".png";
  ASSERT_EQ(aliases.size(), 17);
  for (const QString& alias : aliases) {
    SCOPED_TRACE(alias.toStdString());
    const QImage small = LoadArt(alias, 16);
    ASSERT_EQ(small.size(), QSize(16, 16));
    EXPECT_GT(OpaquePixels(small), 16) << "too little drawn to be seen";
    if (alias.startsWith(":/icon")) continue;
    QString doubled = alias;
    doubled.replace(".png", "@2x.png");
    EXPECT_EQ(QImage(doubled).width(), 2 * QImage(alias).width());
  }
}

TEST(ArtTest, IconsComeThroughQIconAtEverySize) {
  for (const QString& name : GlyphNames()) {
    const QPixmap pixmap = LoadGlyph(name).pixmap(32, 32);
    EXPECT_FALSE(pixmap.isNull()) << name.toStdString();
  }
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) EXPECT_FALSE(LoadWindowIcon().pixmap(size, size).isNull());
}

TEST(ArtTest, DocumentsArePresent) {
  InitResources();
  EXPECT_TRUE(QFile::exists(":/MosaicorHelp"));
  EXPECT_TRUE(QFile::exists(":/MosaicorCredits"));
}

TEST(PickerCursorTest, HotSpotIsTheDrawnTipOfThePipette) {
  const QCursor cursor = LoadPickerCursor();
  ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
  EXPECT_EQ(cursor.hotSpot(), PickerHotSpot);
  const QImage picture = LoadArt(":/PICKER.png", 32);
  EXPECT_GT(qAlpha(picture.pixel(PickerHotSpot)), 128) << "the hot spot must lie on the tip";
  // The tip is the bottom-left end of the drawing: nothing lies further left and down of it.
  for (int y = PickerHotSpot.y() + 2; y < 32; ++y)
    for (int x = 0; x < PickerHotSpot.x() - 1; ++x) EXPECT_EQ(qAlpha(picture.pixel(x, y)), 0) << x << "," << y;
}

}  // namespace

}  // namespace mosaicor
