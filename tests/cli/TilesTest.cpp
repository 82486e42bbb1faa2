// mosaicor-cli tiles: the files and their names, tiles.json, --all, several levels sharing tiles,
// --sheet, and the command line and input failures of the contract.

#include "CliRunner.h"
#include "TestFiles.h"
#include "LevelWriter.h"

#include "core/extraction/LevelPages.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/level/LevelReader.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

using G = LevelGeneration;

class Tiles : public testing::Test {
 protected:
  QString Level(const QString& name, G generation = G::TR4) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteLevelFile(path, MakeKnownTexturesLevel(generation)));
    return path;
  }
  QString Out(const QString& name = "out") const { return dir.filePath(name); }
  QJsonObject Json(const QString& folder) const {
    QFile file(QDir(folder).filePath("tiles.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).object();
  }
  QStringList Files(const QString& folder) const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
  QTemporaryDir dir;
};

// A level's page picture in NONE mode, as the tiles are cut from it.
QImage Pages(const QString& path) {
  LevelReader level;
  EXPECT_TRUE(level.LoadFromFile(path, false).Ok());
  return LevelPagesAs32Bits(level, false);
}

// A written picture as the program reads it.
QImage Load(const QString& path) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  EXPECT_TRUE(ImageFileModule().LoadImageAs32BitsFile(picture, path, format).Ok()) << path.toStdString();
  return picture;
}

// The colours of a picture, its alpha dropped (the files are 24-bit).
QImage Rgb(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }

TEST_F(Tiles, OneFilePerUniqueTileNamedByPageAndPositionAndDescribed) {
  const QString level = Level("known.tr4");
  // The level given twice is read once, by its file name.
  const CliResult result = RunCli({"tiles", level, QDir(dir.path()).filePath("./known.tr4"), "-o", Out()});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(result.err, level + ": 1 object texture skipped: its page does not exist\n");
  EXPECT_EQ(Files(Out()),
            QStringList({"known_p00_x000_y000_64x64.png", "known_p00_x066_y066_32x32.png",
                         "known_p00_x128_y000_64x64.png", "known_p01_x002_y066_128x64.png",
                         "known_p02_x016_y016_16x16.png", "known_p02_x032_y016_16x16.png", "tiles.json"}));
  const QImage wide(QDir(Out()).filePath("known_p01_x002_y066_128x64.png"));
  EXPECT_EQ(Rgb(wide), Rgb(Pages(level).copy(2, 256 + 66, 128, 64)));

  const QJsonObject json = Json(Out());
  EXPECT_EQ(json["summary"].toObject(), QJsonObject({{"levels", QJsonArray{"known.tr4"}},
                                                     {"object_textures", 9},
                                                     {"unique_tiles", 6},
                                                     {"skipped", 1},
                                                     {"sheets", QJsonArray{}}}));
  const QJsonArray tiles = json["tiles"].toArray();
  ASSERT_EQ(tiles.size(), 6);
  const QJsonObject twice = tiles[1].toObject();
  EXPECT_EQ(twice["file"], "known_p00_x066_y066_32x32.png");
  EXPECT_EQ(twice["width"], 32);
  EXPECT_EQ(twice["height"], 32);
  EXPECT_FALSE(twice.contains("sheet"));
  const QJsonArray places = twice["places"].toArray();
  ASSERT_EQ(places.size(), 2);
  EXPECT_EQ(places[1].toObject(), QJsonObject({{"level", "known.tr4"},
                                               {"page", 1},
                                               {"x", 200},
                                               {"y", 200},
                                               {"object_textures", QJsonArray{5}},
                                               {"attribute", 0},
                                               {"triangle", false},
                                               {"animated", false}}));
  EXPECT_EQ(tiles[0].toObject()["places"].toArray()[0].toObject()["object_textures"], QJsonArray({0, 1}));
  EXPECT_EQ(tiles[0].toObject()["places"].toArray()[0].toObject()["attribute"], 1);
  EXPECT_EQ(tiles[2].toObject()["places"].toArray()[0].toObject()["triangle"], true);
  EXPECT_EQ(tiles[4].toObject()["places"].toArray()[0].toObject()["animated"], true);
}

TEST_F(Tiles, AllWritesOneFilePerObjectTextureInTheFormatAsked) {
  const CliResult result = RunCli({"tiles", Level("known.tr2", G::TR2), "-o", Out(), "--all", "--format", "tga"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QStringList files = Files(Out());
  EXPECT_EQ(files.size(), 9);  // 8 object textures on existing pages, and tiles.json
  // Textures 0 and 1 lie on one rectangle: the second file is numbered.
  EXPECT_TRUE(files.contains("known_p00_x000_y000_64x64.tga"));
  EXPECT_TRUE(files.contains("known_p00_x000_y000_64x64_2.tga"));
  EXPECT_EQ(Json(Out())["summary"].toObject()["unique_tiles"], 8);
}

TEST_F(Tiles, LevelsOfOneRunShareTilesAndOneSheet) {
  const QString a = Level("a.tr4"), b = Level("b.tr4");
  const QString sheet = dir.filePath("set.tga");
  const CliResult result = RunCli({"tiles", a, b, "-o", Out(), "--sheet", sheet, "--transparency", "auto"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(Files(Out()).size(), 7);  // b's tiles are a's: written once, named after a
  const QJsonObject json = Json(Out());
  EXPECT_EQ(json["summary"].toObject()["levels"], QJsonArray({"a.tr4", "b.tr4"}));
  EXPECT_EQ(json["summary"].toObject()["sheets"], QJsonArray({"set.tga"}));
  const QJsonObject wide = json["tiles"].toArray()[3].toObject();
  EXPECT_EQ(wide["places"].toArray().size(), 2);
  EXPECT_EQ(wide["places"].toArray()[1].toObject()["level"], "b.tr4");
  // The largest tile goes first: the 128 x 64 at the top-left of the sheet, as its file has it.
  EXPECT_EQ(wide["sheet"].toObject(), QJsonObject({{"file", "set.tga"}, {"x", 0}, {"y", 0}}));
  const QImage set = Load(sheet);
  ASSERT_EQ(set.size(), QSize(256, 256));
  EXPECT_EQ(Rgb(set.copy(0, 0, 128, 64)), Rgb(QImage(QDir(Out()).filePath(wide["file"].toString()))));
}

TEST_F(Tiles, AFailingLevelIsReportedAndTheOthersWritten) {
  const QString good = Level("good.trc", G::TR5);
  const QString bad = dir.filePath("bad.tr4");
  ASSERT_TRUE(WriteBytesToFile(bad, "TR4\0garbage"));
  const CliResult result = RunCli({"tiles", bad, good, "-o", Out("new/deeper")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.startsWith(bad + ": ")) << result.err.toStdString();
  EXPECT_EQ(result.err.count(bad), 1);  // one line for the failure; the good level tells its skipped record
  EXPECT_EQ(Json(Out("new/deeper"))["summary"].toObject()["levels"], QJsonArray({"good.trc"}));
  // Nothing read, nothing written: not even the folder.
  EXPECT_EQ(RunCli({"tiles", bad, "-o", Out("none")}).exitCode, 1);
  EXPECT_FALSE(QFileInfo::exists(Out("none")));

  // A level misnamed as a picture, and named again as the sheet: it is never written over.
  const QString misnamed = Level("level.tga");
  const QByteArray before = ReadFileBytes(misnamed);
  const CliResult over = RunCli({"tiles", misnamed, "-o", Out("over"), "--sheet", misnamed});
  EXPECT_EQ(over.exitCode, 1);
  EXPECT_TRUE(over.err.contains("the output would overwrite this input")) << over.err.toStdString();
  EXPECT_EQ(ReadFileBytes(misnamed), before);
}

TEST_F(Tiles, CommandLineErrorsComeFirst) {
  const QString level = Level("known.tr4");
  ASSERT_TRUE(WriteBytesToFile(Out("file"), "x"));
  for (const QStringList& args :
       {QStringList{"tiles", level, "-o", Out("file")}, QStringList{"tiles", level, "-o", Out(), "--format", "jpg"},
        QStringList{"tiles", level, "-o", Out(), "--width", "512"},
        QStringList{"tiles", level, "-o", Out(), "--sheet", Out("set.txt")},
        QStringList{"tiles", level, "-o", Out(), "--alpha"}, QStringList{"tiles", level}}) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(Out()));
}

}  // namespace

}  // namespace mosaicor
