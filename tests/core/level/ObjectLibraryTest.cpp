// Object libraries: their pages read as level pages are, damaged files refused with where they end,
// and a retexture that changes the page bytes and nothing else.

#include "ObjectLibraryWriter.h"
#include "core/level/ObjectLibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

LevelResult<ObjectLibrary> FromBytes(const QByteArray& bytes) {
  LevelResult<ObjectLibraryLayout> layout = ReadObjectLibraryLayout(bytes);
  if (!layout) return layout.Status();
  return ObjectLibrary{bytes, layout.Value()};
}

TEST(ObjectLibrary, ReadsItsPagesOneBelowTheOtherWithMagentaKept) {
  QTemporaryDir dir;
  ObjectLibraryDescription description = MakeSampleObjectLibrary(2);
  description.version = 130;
  description.textureRecords = 5;
  const QString path = dir.filePath("objects.WAD");
  ASSERT_TRUE(WriteObjectLibraryFile(path, description));
  EXPECT_TRUE(HasObjectLibraryExtension(path));

  const LevelResult<ObjectLibrary> library = LoadObjectLibrary(path);
  ASSERT_TRUE(library.Ok()) << library.Text().toStdString();
  EXPECT_EQ(library->Layout.Version, 130u);
  EXPECT_EQ(library->Layout.TextureRecords, 5u);
  EXPECT_EQ(library->Layout.PageDataOffset, 8 + 5 * 8 + 4);
  EXPECT_EQ(library->Layout.PageCount, 2);
  const QImage pages = ObjectLibraryPages(library.Value());
  EXPECT_EQ(pages.format(), QImage::Format_ARGB32);
  EXPECT_EQ(pages, description.pages);
  EXPECT_EQ(pages.pixel(66, 256 + 66), qRgb(255, 0, 255));
}

TEST(ObjectLibrary, RefusesDamagedFilesWithWhereTheyEnd) {
  ObjectLibraryPlaces places;
  const QByteArray whole = WriteObjectLibrary(MakeSampleObjectLibrary(1), &places);
  const struct {
    QByteArray bytes;
    LevelFailure kind;
    const char* text;
  } cases[] = {
      {whole.left(3), LevelFailure::Damaged, "object library ends early in the version at offset 0 (0x0)"},
      {QByteArray("\x80\0\0\0\0\0\0\0", 8) + whole.mid(8), LevelFailure::UnknownVersion,
       "unknown object library version 128 (versions 129 and 130 are read)"},
      {whole.left(6), LevelFailure::Damaged, "object library ends early in the texture record count at offset 4 (0x4)"},
      {whole.left(20), LevelFailure::Damaged, "object library ends early in the texture records at offset 8 (0x8)"},
      {whole.left(places.pageData - 2), LevelFailure::Damaged,
       "object library ends early in the texture page byte count at offset 32 (0x20)"},
      {whole.left(places.pageData + 1000), LevelFailure::Damaged,
       "object library ends early in the texture pages at offset 36 (0x24)"},
  };
  for (const auto& c : cases) {
    const LevelResult<ObjectLibrary> read = FromBytes(c.bytes);
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.FailureKind(), c.kind) << c.text;
    EXPECT_EQ(read.Text().toStdString(), c.text);
  }
  // Counts near 2^32 are checked against the file before anything is allocated.
  QByteArray huge = whole;
  huge[4] = huge[5] = huge[6] = huge[7] = char(0xFF);
  EXPECT_FALSE(FromBytes(huge).Ok());
  huge = whole;
  huge[places.pageData - 1] = char(0xFF);
  EXPECT_FALSE(FromBytes(huge).Ok());
  EXPECT_EQ(LoadObjectLibrary(QStringLiteral("/nonexistent/objects.wad")).FailureKind(), LevelFailure::FileMissing);
}

TEST(ObjectLibrary, RetexturesThePageBytesAndNothingElse) {
  ObjectLibraryPlaces places;
  const ObjectLibraryDescription description = MakeSampleObjectLibrary(2);
  const LevelResult<ObjectLibrary> library = FromBytes(WriteObjectLibrary(description, &places));
  ASSERT_TRUE(library.Ok());
  QImage set = description.pages.mirrored(true, false).convertToFormat(QImage::Format_RGB888);
  const Result<QByteArray> retextured = RetexturedObjectLibrary(library.Value(), set);
  ASSERT_TRUE(retextured.Ok()) << retextured.Text().toStdString();
  const QByteArray& bytes = retextured.Value();
  ASSERT_EQ(bytes.size(), library->Bytes.size());
  EXPECT_EQ(bytes.left(places.pageData), library->Bytes.left(places.pageData));
  EXPECT_EQ(bytes.mid(places.pageData + places.pageBytes), library->Bytes.mid(places.pageData + places.pageBytes));
  const LevelResult<ObjectLibrary> again = FromBytes(bytes);
  ASSERT_TRUE(again.Ok());
  EXPECT_EQ(ObjectLibraryPages(again.Value()), set.convertToFormat(QImage::Format_ARGB32));

  const Result<QByteArray> refused = RetexturedObjectLibrary(library.Value(), set.copy(0, 0, 256, 256));
  ASSERT_FALSE(refused.Ok());
  EXPECT_EQ(refused.Text().toStdString(),
            "the texture set is 256 x 256 pixels, but the object library's pages are 256 x 512");
}

}  // namespace
}  // namespace mosaicor
