// How an extraction runs and fails: the loading window, the gauge, the beep, and a caller's
// picture that a failure leaves alone.

#include "LevelWriter.h"
#include "RecordingHost.h"

#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/TombRaiderFileModule.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;
using Strings = std::vector<std::string>;

// Runs one extraction into a picture that already holds something.
struct Outcome {
  bool ok = false;
  QImage picture{8, 8, QImage::Format_ARGB32};
  PixelFormatCode format = PixelFormatCode::Custom;
  LevelLoadFailure failure = LevelLoadFailure::None;
  QString text;
  RecordingHost host;
};

// The companion's call: the picture, or the failure line in `reason`.
bool ExtractInto(LevelExtract what, const QString& path, bool mask, QImage& picture, QString& reason) {
  Result<QImage> extracted = ExtractLevelPicture(what, path, mask);
  if (!extracted) {
    reason = extracted.Text();
    return false;
  }
  picture = std::move(extracted).Value();
  return true;
}

void Extract(const QString& path, Outcome& o, bool animated = false, bool mask = false) {
  o.picture.fill(0xFF123456);
  TombRaiderFileModule module(o.host);
  const ExtractionOutcome result =
      module.Load(animated ? LevelExtract::Animated : LevelExtract::Pages, o.picture, path, o.format, mask);
  o.ok = result.Ok();
  o.failure = result.FailureKind();
  o.text = result.Text();
}

void ExpectUntouched(const Outcome& o) {
  EXPECT_FALSE(o.ok);
  EXPECT_EQ(o.picture.size(), QSize(8, 8));
  EXPECT_EQ(o.picture.pixel(3, 3), 0xFF123456u);
  EXPECT_EQ(o.format, PixelFormatCode::Custom);
  EXPECT_TRUE(o.host.Beeped());
}

TEST(LevelExtraction, ExtensionIsTestedInAnyCaseBeforeAnythingIsRead) {
  QTemporaryDir dir;
  const QByteArray tr2 = WriteLevel(MakeSampleLevel(G::TR2, 1));
  for (const char* name : {"a.tr2", "a.Tr2", "b.TR2"}) {
    ASSERT_TRUE(WriteBytesToFile(dir.filePath(name), tr2));
    Outcome o;
    Extract(dir.filePath(name), o);
    EXPECT_TRUE(o.ok) << name;
  }
  // TR2's .TRG form, written as such, in either case.
  const QByteArray trg = WriteLevel(MakeSampleLevel(G::TR2Trg, 1));
  for (const char* name : {"c.trg", "d.TRG"}) {
    ASSERT_TRUE(WriteBytesToFile(dir.filePath(name), trg));
    Outcome o;
    Extract(dir.filePath(name), o);
    EXPECT_TRUE(o.ok) << name;
    EXPECT_EQ(o.format, PixelFormatCode::FifteenBits) << name;
  }
  for (const char* name : {"e.bmp", "noextension", "f.tr2.bak"}) {
    ASSERT_TRUE(WriteBytesToFile(dir.filePath(name), tr2));
    Outcome o;
    Extract(dir.filePath(name), o);
    ExpectUntouched(o);
    EXPECT_EQ(o.failure, LevelLoadFailure::NotALevelFile) << name;
    EXPECT_TRUE(o.host.calls.empty()) << name;  // no window shown
  }
}

TEST(LevelExtraction, FailuresBeepHideTheWindowAndLeaveThePictureAlone) {
  QTemporaryDir dir;
  LevelDescription noPages = MakeSampleLevel(G::TR2, 0);
  LevelDescription noRanges = MakeSampleLevel(G::TR4, 1);
  noRanges.animatedWords = std::vector<std::uint16_t>{0};
  LevelDescription noList = MakeSampleLevel(G::TR1, 1);
  noList.animatedRanges.clear();
  const QByteArray tr2 = WriteLevel(MakeSampleLevel(G::TR2, 2));
  const QByteArray tr1 = WriteLevel(MakeSampleLevel(G::TR1, 1));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("unknown.tr4"), "RIFF0000"));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("cut.tr2"), tr2.left(tr2.size() / 2)));
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("cut.phd"), tr1.left(tr1.size() - 2000)));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("nopages.tr2"), noPages));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("noranges.tr4"), noRanges));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("nolist.phd"), noList));
  LevelDescription short32 = MakeSampleLevel(G::TR5, 3);
  short32.pages32 = MakePages32(1);
  ASSERT_TRUE(WriteLevelFile(dir.filePath("short32.trc"), short32));

  const struct {
    const char* name;
    bool animated;
    LevelLoadFailure failure;
  } cases[] = {
      {"missing.tr4", false, LevelLoadFailure::FileNotFound},
      {"missing.phd", true, LevelLoadFailure::FileNotFound},
      {"unknown.tr4", false, LevelLoadFailure::UnknownVersion},
      {"cut.tr2", false, LevelLoadFailure::EndsEarly},
      {"cut.phd", false, LevelLoadFailure::EndsEarly},  // its palette is missing
      {"nopages.tr2", false, LevelLoadFailure::NoTexturePages},
      {"nopages.tr2", true, LevelLoadFailure::NoTexturePages},
      {"noranges.tr4", true, LevelLoadFailure::NoAnimatedTextures},
      {"nolist.phd", true, LevelLoadFailure::NoAnimatedTextures},
      {"short32.trc", false, LevelLoadFailure::PagesMissing},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Outcome o;
    Extract(dir.filePath(c.name), o, c.animated);
    ExpectUntouched(o);
    EXPECT_EQ(o.failure, c.failure);
    // The failure carries the companion's line; a cut level's says where it ends.
    if (c.failure == LevelLoadFailure::EndsEarly)
      EXPECT_TRUE(o.text.startsWith("level file ends early in ")) << o.text.toStdString();
    else
      EXPECT_EQ(o.text, LevelLoadFailureText(c.failure));
    EXPECT_EQ(o.host.calls, (Strings{"show", "hide", "events"}));
    EXPECT_FALSE(o.host.progressWhileHidden);
    EXPECT_EQ(o.host.progress.back(), 0);
  }
  // The texts the companion prints.
  EXPECT_EQ(LevelLoadFailureText(LevelLoadFailure::NotALevelFile), "not a level file");
  EXPECT_EQ(LevelLoadFailureText(LevelLoadFailure::NoTexturePages), "no texture pages");
  EXPECT_EQ(LevelLoadFailureText(LevelLoadFailure::NoAnimatedTextures), "no animated textures");
}

TEST(LevelExtraction, ALevelCutOnlyInItsSoundsStillGivesItsTextures) {
  QTemporaryDir dir;
  for (G generation : {G::TR1, G::TR1Gold, G::TR3, G::TR4}) {
    SCOPED_TRACE(int(generation));
    LevelLayout layout;
    const LevelDescription description = MakeSampleLevel(generation, 2);
    const QByteArray whole = WriteLevel(description, &layout);
    ASSERT_GT(layout.levelDataEnd, 2);
    const QString wholePath = dir.filePath(LevelFileName(description, "whole"));
    const QString cutPath = dir.filePath(LevelFileName(description, "cut"));
    ASSERT_TRUE(WriteBytesToFile(wholePath, whole));
    // TR4 walks its inflated level data, whose end lies inside the chunk: cut the sound bytes
    // after the chunk instead, which the walk never needs.
    const qint64 cutAt = generation == G::TR4 ? whole.size() - 1 : layout.levelDataEnd - 2;
    ASSERT_TRUE(WriteBytesToFile(cutPath, whole.left(cutAt)));
    for (bool animated : {false, true}) {
      Outcome full, cut;
      Extract(wholePath, full, animated);
      Extract(cutPath, cut, animated);
      ASSERT_TRUE(full.ok);
      EXPECT_TRUE(cut.ok) << cut.text.toStdString();
      EXPECT_EQ(cut.picture, full.picture);
    }
  }
}

TEST(LevelExtraction, AFailureOfTheReaderHidesTheWindowWithoutBeepAndPassesOn) {
  QTemporaryDir dir;
  LevelLayout layout;
  QByteArray damaged = WriteLevel(MakeSampleLevel(G::TR4, 2), &layout);
  damaged[layout.chunk16 + 20] = char(damaged[layout.chunk16 + 20] ^ 0x55);
  const QString path = dir.filePath("damaged.tr4");
  ASSERT_TRUE(WriteBytesToFile(path, damaged));
  for (bool animated : {false, true}) {
    Outcome o;
    Extract(path, o, animated);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.failure, LevelLoadFailure::Damaged);
    EXPECT_EQ(o.host.calls, (Strings{"show", "hide", "events"}));
    EXPECT_EQ(o.host.tones, 0);
    EXPECT_EQ(o.picture.pixel(3, 3), 0xFF123456u);
    EXPECT_EQ(o.format, PixelFormatCode::Custom);
  }
  // The companion turns it into its line.
  QImage picture;
  QString reason;
  EXPECT_FALSE(ExtractInto(LevelExtract::Pages, path, false, picture, reason));
  EXPECT_EQ(reason, QStringLiteral("damaged compressed data in the 16-bit page chunk at offset %1 (0x%2)")
                        .arg(layout.chunk16)
                        .arg(layout.chunk16, 0, 16));
  EXPECT_TRUE(picture.isNull());
  // A folder with a level's name cannot be read: a failure with a reason, no crash.
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tr2"));
  EXPECT_FALSE(ExtractInto(LevelExtract::Animated, dir.filePath("folder.tr2"), false, picture, reason));
  EXPECT_FALSE(reason.isEmpty());
}

// A level whose walk ends early says where; an encrypted TR4 says so; a TR1 demo level (palette
// where TR1 Gold keeps it) and a TR5 level named .tr4 give their pages.
TEST(LevelExtraction, RealFailuresSayWhereAndMisnamedLevelsStillGiveTheirPages) {
  QTemporaryDir dir;
  LevelLayout layout;
  QByteArray cut = WriteLevel(MakeSampleLevel(G::TR2, 1), &layout);
  PatchU32(cut, layout.objectTextureCount, 0x10000000);
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("cut.tr2"), cut));
  QByteArray encrypted = WriteLevel(MakeSampleLevel(G::TR4, 1));
  encrypted[3] = 'c';
  ASSERT_TRUE(WriteBytesToFile(dir.filePath("crypt.tr4"), encrypted));
  QImage picture;
  QString reason;
  EXPECT_FALSE(ExtractInto(LevelExtract::Animated, dir.filePath("cut.tr2"), false, picture, reason));
  EXPECT_EQ(reason, QStringLiteral("level file ends early in the object textures at offset %1 (0x%2)")
                        .arg(layout.objectTextureCount)
                        .arg(layout.objectTextureCount, 0, 16));
  EXPECT_FALSE(ExtractInto(LevelExtract::Pages, dir.filePath("crypt.tr4"), false, picture, reason));
  EXPECT_EQ(reason, "encrypted TR4 level: not supported");

  LevelDescription demo = MakeSampleLevel(G::TR1, 2);
  demo.tr1DemoLayout = true;
  ASSERT_TRUE(WriteLevelFile(dir.filePath("demo.phd"), demo));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("retail.phd"), MakeSampleLevel(G::TR1, 2)));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("lake.tr4"), MakeSampleLevel(G::TR5, 2)));
  ASSERT_TRUE(WriteLevelFile(dir.filePath("lake.trc"), MakeSampleLevel(G::TR5, 2)));
  for (LevelExtract what : {LevelExtract::Pages, LevelExtract::Animated}) {
    QImage fromDemo, fromRetail, misnamed, named;
    ASSERT_TRUE(ExtractInto(what, dir.filePath("demo.phd"), true, fromDemo, reason)) << reason.toStdString();
    ASSERT_TRUE(ExtractInto(what, dir.filePath("retail.phd"), true, fromRetail, reason));
    EXPECT_EQ(fromDemo, fromRetail);
    ASSERT_TRUE(ExtractInto(what, dir.filePath("lake.tr4"), true, misnamed, reason)) << reason.toStdString();
    ASSERT_TRUE(ExtractInto(what, dir.filePath("lake.trc"), true, named, reason));
    EXPECT_EQ(misnamed, named);
  }
}

TEST(LevelExtraction, SuccessShowsTheWindowMovesTheGaugeAndReportsTheFormat) {
  QTemporaryDir dir;
  const struct {
    G generation;
    PixelFormatCode format;
  } cases[] = {{G::TR1, PixelFormatCode::EightBits},
               {G::TR3, PixelFormatCode::FifteenBits},
               {G::TR5, PixelFormatCode::ThirtyTwoBits}};
  for (const auto& c : cases) {
    const LevelDescription d = MakeSampleLevel(c.generation, 2);
    const QString path = dir.filePath(LevelFileName(d));
    ASSERT_TRUE(WriteLevelFile(path, d));
    for (bool animated : {false, true}) {
      SCOPED_TRACE(path.toStdString() + (animated ? " animated" : " pages"));
      Outcome o;
      Extract(path, o, animated);
      EXPECT_TRUE(o.ok);
      EXPECT_EQ(o.failure, LevelLoadFailure::None);
      EXPECT_EQ(o.format, c.format);
      EXPECT_EQ(o.host.calls, (Strings{"show", "hide", "events"}));
      EXPECT_EQ(o.host.tones, 0);
      EXPECT_FALSE(o.host.progressWhileHidden);
      // The reader's values, then 0 before the picture is built and 100 once it is.
      const std::vector<int>& p = o.host.progress;
      ASSERT_GE(p.size(), 4u);
      EXPECT_EQ(p.front(), 0);
      EXPECT_EQ(std::vector<int>(p.end() - 3, p.end()), (std::vector<int>{0, 0, 100}));
      EXPECT_NE(std::find(p.begin(), p.end(), 30), p.end());  // the reader moved it
    }
  }
}

}  // namespace

}  // namespace mosaicor
