// Object libraries in the window: Extract Textures shows a .wad's pages on the Source, and File >
// Save into Object Library… writes the Target's pages into a .wad, keeping the old file beside it.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>

#include "ObjectLibraryWriter.h"
#include "WindowTestSupport.h"
#include "app/workbench/LibraryWorkflow.h"
#include "app/workbench/SourceWorkflow.h"
#include "core/level/ObjectLibrary.h"

namespace mosaicor::testing {
namespace {

TEST(ObjectLibraryWindow, ExtractTexturesShowsALibrarysPages) {
  WindowFixture f;
  const ObjectLibraryDescription description = MakeSampleObjectLibrary(2);
  const QString wad = f.Path("objects.wad");
  ASSERT_TRUE(WriteObjectLibraryFile(wad, description));
  f.dialogs.files.push_back(wad);
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  EXPECT_TRUE(f.dialogs.messages.isEmpty()) << f.dialogs.messages.join('\n').toStdString();
  EXPECT_EQ(Shown(f.source()), description.pages);
  EXPECT_EQ(f.doc().SourceFile, wad);
  // Save into Object Library then offers the library the Source shows.
  EXPECT_FALSE(f.bench().Libraries().SaveIntoObjectLibraryDialog());
  EXPECT_EQ(f.dialogs.presets.constLast(), wad);
}

TEST(ObjectLibraryWindow, SavesTheTargetsPagesKeepingTheOldFileAndRefusesAnotherSize) {
  WindowFixture f;
  ObjectLibraryPlaces places;
  const QString wad = f.Path("objects.wad"), backup = f.Path("objects.bak.wad");
  const QByteArray old = WriteObjectLibrary(MakeSampleObjectLibrary(2), &places);
  ASSERT_TRUE(WriteBytesToFile(wad, old));
  EXPECT_EQ(LibraryWorkflow::BackupName(wad), backup);
  ASSERT_NE(f.window->findChild<QAction*>(QStringLiteral("SaveIntoLibraryAction")), nullptr);

  // A one-page Target: refused with both sizes, nothing written.
  ASSERT_TRUE(f.bench().Targets().OpenTextureSet(f.WritePicture("one.tga", Coordinates(256, 256))));
  f.dialogs.files.push_back(wad);
  EXPECT_FALSE(f.bench().Libraries().SaveIntoObjectLibraryDialog());
  ASSERT_EQ(f.dialogs.messages.size(), 1);
  EXPECT_TRUE(f.dialogs.messages[0].contains(
      "the texture set is 256 x 256 pixels, but the object library's pages are 256 x 512"))
      << f.dialogs.messages[0].toStdString();
  EXPECT_EQ(ReadFileBytes(wad), old);
  EXPECT_FALSE(QFile::exists(backup));

  // Two pages: the library takes them, and the old file is kept.
  const QImage set = Coordinates(256, 512);
  ASSERT_TRUE(f.bench().Targets().OpenTextureSet(f.WritePicture("two.tga", set)));
  ASSERT_TRUE(f.bench().Libraries().SaveIntoObjectLibrary(wad));
  EXPECT_EQ(ReadFileBytes(backup), old);
  const LevelResult<ObjectLibrary> written = LoadObjectLibrary(wad);
  ASSERT_TRUE(written.Ok());
  EXPECT_EQ(Rgb(ObjectLibraryPages(written.Value())), Rgb(set));
  const qint64 pageEnd = places.pageData + places.pageBytes;
  EXPECT_EQ(written->Bytes.left(places.pageData), old.left(places.pageData));
  EXPECT_EQ(written->Bytes.mid(pageEnd), old.mid(pageEnd));

  // A second save finds the backup: kept unless the user lets it go.
  const QByteArray once = ReadFileBytes(wad);
  ASSERT_TRUE(f.bench().Targets().OpenTextureSet(f.WritePicture("other.tga", Coordinates(256, 512).mirrored())));
  EXPECT_FALSE(f.bench().Libraries().SaveIntoObjectLibrary(wad));
  EXPECT_EQ(f.dialogs.backupQuestions, QStringList{backup});
  EXPECT_EQ(ReadFileBytes(wad), once);
  EXPECT_EQ(ReadFileBytes(backup), old);
  f.dialogs.backupAnswers.push_back(true);
  EXPECT_TRUE(f.bench().Libraries().SaveIntoObjectLibrary(wad));
  EXPECT_EQ(ReadFileBytes(backup), once);
  EXPECT_NE(ReadFileBytes(wad), once);
}

}  // namespace
}  // namespace mosaicor::testing
