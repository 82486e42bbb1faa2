// The one entry into the Source: a level by its extension, whatever its letter case, every other
// file as a picture; a failure told as the picture and level modules tell it.

#include "LevelWriter.h"
#include "PictureWriters.h"
#include "TestFiles.h"
#include "TestPictures.h"
#include "core/extraction/HeadlessExtraction.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/SourceFile.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

TEST(SourceFile, KindsReadsAndFailures) {
  EXPECT_EQ(SourceKindOf("a/level.Tr4"), SourceKind::Level);
  EXPECT_EQ(SourceKindOf("a/level.trg"), SourceKind::Level);
  EXPECT_EQ(SourceKindOf("a/level.tga"), SourceKind::Picture);
  EXPECT_EQ(SourceKindOf("a/noextension"), SourceKind::Picture);

  QTemporaryDir dir;
  const QString level = dir.filePath("level.tr2");
  ASSERT_TRUE(WriteLevelFile(level, MakeSampleLevel(LevelGeneration::TR3, 2)));
  TgaSpec spec;
  spec.descriptor = 0x20, spec.width = 8, spec.height = 4;
  spec.pixels = TgaPixelsOf(MakeFPicture(8, 4), 24);
  const QString picture = dir.filePath("f.tga");
  ASSERT_TRUE(WriteBytesToFile(picture, WriteTga(spec)));

  ImageFileModule pictures;
  SilentLevelLoadHost host;
  TombRaiderFileModule levels(host);
  const Result<SourcePicture> pages = OpenSourceFile(level, SourceRead::ByKind, pictures, levels, false);
  ASSERT_TRUE(pages);
  EXPECT_EQ(pages->picture.size(), QSize(256, 512));
  EXPECT_EQ(pages->format, PixelFormatCode::FifteenBits);
  const Result<SourcePicture> f = OpenSourceFile(picture, SourceRead::ByKind, pictures, levels, false);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->picture.size(), QSize(8, 4));
  EXPECT_EQ(f->picture.format(), QImage::Format_ARGB32);
  EXPECT_EQ(f->format, PixelFormatCode::TwentyFourBits);

  const Result<SourcePicture> levelAsPicture = OpenSourceFile(level, SourceRead::Picture, pictures, levels, false);
  EXPECT_EQ(levelAsPicture.Text(), "a Tomb Raider level, not a picture");
  const Result<SourcePicture> missing =
      OpenSourceFile(dir.filePath("gone.tr4"), SourceRead::LevelAnimated, pictures, levels, false);
  EXPECT_EQ(missing.Text(), LevelLoadFailureText(LevelLoadFailure::FileNotFound));
}

}  // namespace

}  // namespace mosaicor
