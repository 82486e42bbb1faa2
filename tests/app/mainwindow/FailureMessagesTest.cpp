// Every failed load or save is told in a message box that names the file and gives the reason the
// companion prints; the box then still shows what is loaded. And no caption ever becomes a file name.

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "app/mainwindow/CommandLine.h"
#include "core/extraction/HeadlessExtraction.h"

namespace mosaicor::testing {
namespace {

// What the companion says about a level.
QString CompanionLine(const QString& level, LevelExtract what = LevelExtract::Pages) {
  return ExtractLevelPicture(what, level, false).Text();
}

TEST(FailureMessages, LevelsNameTheFileAndTheCompanionsReason) {
  WindowFixture f;
  const QString picture = f.WritePicture("pic.tga", Coordinates(128, 64));
  ASSERT_TRUE(f.bench().Sources().OpenFile(picture));
  const QImage shown = Shown(f.source());

  const QByteArray tr1 = mosaicor::WriteLevel(MakeSampleLevel(LevelGeneration::TR1, 2));
  const QByteArray tr4 = mosaicor::WriteLevel(MakeSampleLevel(LevelGeneration::TR4, 1));
  WriteBytesToFile(f.Path("CUT1.PHD"), tr1.left(tr1.size() * 3 / 4));
  WriteBytesToFile(f.Path("encrypted.tr4"), "TR4c" + tr4.mid(4));
  WriteBytesToFile(f.Path("empty.tr4"), "");
  LevelDescription still = MakeSampleLevel(LevelGeneration::TR4, 1);
  still.animatedRanges.clear();
  WriteLevelFile(f.Path("still.tr4"), still);
  struct Case {
    const char* name;
    int item;  // of the Source box
    const char* reason;
    bool beep;
  };
  for (const Case& c :
       {Case{"CUT1.PHD", 2, "level file ends early in the ", true},
        Case{"encrypted.tr4", 2, "encrypted TR4 level: not supported", true},
        Case{"missing.tr4", 2, "file not found", true}, Case{"empty.tr4", 2, "the file is empty", false},
        Case{"still.tr4", 3, "no animated textures", true}}) {
    const QString path = f.Path(c.name);
    const int tones = f.tones.tones;
    f.dialogs.messages.clear();
    f.dialogs.files.push_back(path);
    f.bench().Sources().OpenSource(static_cast<SourceAction>(c.item));
    const QString companion = CompanionLine(path, c.item == 3 ? LevelExtract::Animated : LevelExtract::Pages);
    EXPECT_TRUE(companion.startsWith(c.reason)) << companion.toStdString();
    EXPECT_EQ(f.dialogs.messages, QStringList(path + "\n" + companion)) << c.name;
    EXPECT_EQ(f.tones.tones > tones, c.beep) << c.name;
    EXPECT_EQ(f.c().SourceCombo->currentText(), picture) << c.name;
    EXPECT_EQ(Shown(f.source()), shown) << c.name;
  }
  // Dropped and named on the command line, alike.
  f.dialogs.messages.clear();
  emit f.c().Source->DragNDrop(f.Path("CUT1.PHD"));
  OpenStartupFiles(f.bench(), {f.Path("nonexistent.tr4"), {}, {}});
  EXPECT_EQ(f.dialogs.messages, QStringList({f.Path("CUT1.PHD") + "\n" + CompanionLine(f.Path("CUT1.PHD")),
                                             f.Path("nonexistent.tr4") + "\nfile not found"}));
  EXPECT_EQ(f.c().SourceCombo->currentText(), picture);
}

// The design's sentence stays for what it describes, with the reason below it; a file without a
// picture in it is said as that. Texture sets and --target are told the same way.
TEST(FailureMessages, PicturesKeepTheSentenceOnlyForWhatItDescribes) {
  WindowFixture f;
  TgaSpec noDepth;
  noDepth.imageType = 2, noDepth.pixelDepth = 0, noDepth.width = 4, noDepth.height = 4;
  WriteBytesToFile(f.Path("depth0.tga"), WriteTga(noDepth));
  WriteBytesToFile(f.Path("empty.bmp"), "");
  WriteBytesToFile(f.Path("short.tga"), WriteTga(TgaSpec{}).left(10));
  ASSERT_TRUE(QDir(f.dir.path()).mkdir("folder.tga"));
  const QString compression = "This file has a non supported compression scheme.";
  const QStringList expected = {
      f.Path("depth0.tga") + "\nthe picture has a pixel depth of 0",
      f.Path("empty.bmp") + "\nthe file is empty",
      f.Path("short.tga") + "\n" + compression + "\nthe file ends inside the TGA header",
      f.Path("folder.tga") + "\nis a folder, not a file",
  };
  for (const char* name : {"depth0.tga", "empty.bmp", "short.tga", "folder.tga"}) {
    f.dialogs.files.push_back(f.Path(name));
    f.bench().Sources().OpenSource(SourceAction::ImageFile);
  }
  EXPECT_EQ(f.dialogs.messages, expected);
  EXPECT_EQ(f.c().SourceCombo->currentText(), "   --- no SOURCE file loaded ---");

  f.dialogs.messages.clear();
  const QString level = f.WriteLevel("level.tr4");
  OpenStartupFiles(f.bench(), {{}, f.dir.path(), {}});
  OpenStartupFiles(f.bench(), {{}, f.Path("gone.tga"), {}});
  OpenStartupFiles(f.bench(), {{}, level, {}});
  emit f.c().Target->DragNDrop(f.Path("empty.bmp"));
  EXPECT_EQ(f.dialogs.messages,
            QStringList({f.dir.path() + "\nis a folder, not a file", f.Path("gone.tga") + "\nfile not found",
                         level + "\na Tomb Raider level, not a picture", f.Path("empty.bmp") + "\nthe file is empty"}));
  EXPECT_EQ(f.c().TargetCombo->currentText(), "   --- no TARGET file saved ---");
}

// The first save (Ctrl+S) offers an empty name in the folder last used; a caption is never read
// or written as a file.
TEST(Placeholders, NeverBecomeFileNames) {
  WindowFixture f;
  ASSERT_TRUE(f.bench().Sources().OpenFile(f.WritePicture("pic.tga", Coordinates(64, 64))));
  f.bench().Targets().Save();
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  EXPECT_EQ(f.dialogs.presets, QStringList({f.dir.path() + "/", f.dir.path() + "/"}));
  // The cancelled extraction is not what item 0 repeats: the picture is.
  f.bench().Sources().SourceRepeat();
  EXPECT_EQ(f.doc().LastSourceAction, SourceAction::ImageFile);
  EXPECT_EQ(f.tones.tones, 0);
  EXPECT_TRUE(f.dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace mosaicor::testing
