// Object libraries in the companion: pages and info read a .wad's pages as a level's, and retexture
// writes a new library whose page bytes come from a texture set, refusing what does not fit.

#include "CliRunner.h"
#include "ObjectLibraryWriter.h"
#include "TestFiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

struct Library {
  QTemporaryDir dir;
  ObjectLibraryDescription description = MakeSampleObjectLibrary(2);
  ObjectLibraryPlaces places;
  QString wad = dir.filePath("objects.wad");
  QByteArray bytes = WriteObjectLibrary(description, &places);
  Library() { EXPECT_TRUE(WriteBytesToFile(wad, bytes)); }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST(ObjectLibraryCommands, PagesInfoAndRetextureRoundTrip) {
  Library library;
  const CliResult info = RunCli({"info", library.wad});
  EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
  for (const char* line : {"generation: WAD", "wad_version: 129", "pages: 2", "object_textures: 3"})
    EXPECT_TRUE(info.out.contains(QString::fromLatin1(line) + '\n')) << info.out.toStdString();

  const CliResult pages = RunCli({"pages", library.wad, "-o", library.Path("pages.png")});
  ASSERT_EQ(pages.exitCode, 0) << pages.err.toStdString();
  const QImage shown(library.Path("pages.png"));
  EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
            library.description.pages.convertToFormat(QImage::Format_RGB32));

  // A new set of the same size: the pages turned over.
  const QImage set = library.description.pages.mirrored(true, true).convertToFormat(QImage::Format_RGB32);
  ASSERT_TRUE(set.save(library.Path("set.png")));
  const QString newWad = library.Path("new.wad");
  const CliResult retextured = RunCli({"retexture", library.wad, "--pages", library.Path("set.png"), "-o", newWad});
  ASSERT_EQ(retextured.exitCode, 0) << retextured.err.toStdString();
  EXPECT_TRUE(retextured.err.isEmpty()) << retextured.err.toStdString();
  const QByteArray written = ReadFileBytes(newWad);
  ASSERT_EQ(written.size(), library.bytes.size());
  const qint64 pageEnd = library.places.pageData + library.places.pageBytes;
  EXPECT_EQ(written.left(library.places.pageData), library.bytes.left(library.places.pageData));
  EXPECT_EQ(written.mid(pageEnd), library.bytes.mid(pageEnd));
  EXPECT_NE(written, library.bytes);
  ASSERT_EQ(RunCli({"pages", newWad, "-o", library.Path("new.png")}).exitCode, 0);
  EXPECT_EQ(QImage(library.Path("new.png")).convertToFormat(QImage::Format_RGB32), set);
}

TEST(ObjectLibraryCommands, RefusesAWrongSizeADamagedLibraryAndAnOutputThatIsAnInput) {
  Library library;
  const QString newWad = library.Path("new.wad");
  ASSERT_TRUE(WriteBytesToFile(newWad, "old"));
  // One page where the library has two: both sizes said, NEWWAD untouched.
  ASSERT_TRUE(library.description.pages.copy(0, 0, 256, 256).save(library.Path("small.png")));
  const CliResult small = RunCli({"retexture", library.wad, "--pages", library.Path("small.png"), "-o", newWad});
  EXPECT_EQ(small.exitCode, 1);
  EXPECT_TRUE(
      small.err.contains("small.png: the texture set is 256 x 256 pixels, but the object library's pages are "
                         "256 x 512"))
      << small.err.toStdString();
  EXPECT_EQ(ReadFileBytes(newWad), "old");

  // A library cut inside its pages.
  ASSERT_TRUE(library.description.pages.save(library.Path("set.png")));
  const QString cut = library.Path("cut.wad");
  ASSERT_TRUE(WriteBytesToFile(cut, library.bytes.left(library.places.pageData + 5000)));
  for (const QStringList& args : {QStringList{"pages", cut, "-o", library.Path("cut.png")}, QStringList{"info", cut},
                                  QStringList{"retexture", cut, "--pages", library.Path("set.png"), "-o", newWad}}) {
    const CliResult refused = RunCli(args);
    EXPECT_EQ(refused.exitCode, 1) << args.join(' ').toStdString();
    EXPECT_TRUE(refused.err.contains("cut.wad: object library ends early in the texture pages at offset 36 (0x24)"))
        << refused.err.toStdString();
  }
  EXPECT_EQ(ReadFileBytes(newWad), "old");

  // NEWWAD naming the library or the set, by another spelling or a link, is refused before either is read.
  ASSERT_TRUE(QFile::link(library.Path("set.png"), library.Path("set-link.wad")));
  const QString sameWad = library.dir.path() + "/./objects.wad";
  for (const QString& out : {sameWad, library.Path("set-link.wad")}) {
    const CliResult refused = RunCli({"retexture", library.wad, "--pages", library.Path("set.png"), "-o", out});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(": the output would overwrite this input")) << refused.err.toStdString();
  }
  EXPECT_EQ(ReadFileBytes(library.wad), library.bytes);
  // A library is no picture.
  EXPECT_EQ(RunCli({"convert", library.wad, "-o", library.Path("x.tga")}).err,
            library.wad + ": an object library, not a picture\n");
  EXPECT_EQ(RunCli({"retexture", library.wad, "-o", newWad}).exitCode, 2);  // no --pages
  EXPECT_EQ(
      RunCli({"retexture", library.wad, "--pages", library.Path("set.png"), "-o", library.Path("x.tga")}).exitCode, 2);
}

}  // namespace
}  // namespace mosaicor
