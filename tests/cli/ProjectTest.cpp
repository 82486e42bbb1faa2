// compact --project and remap: the level editor's project rewritten beside its compacted set.

#include "CliRunner.h"

#include "PictureWriters.h"
#include "ProjectWriter.h"
#include "TestFiles.h"
#include "TestPictures.h"

#include "core/canvas/TileTransforms.h"
#include "core/imagefiles/ImageFileModule.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class ProjectCompact : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  QByteArray Read(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // A 512-wide set (the editor reads each row of eight cells as two of four): an F at cell 1 and
  // its quarter turn at 11, a black cell 2 that faces show, an animated cell 4.
  void WriteFiles(const QByteArray& textureFile = "set.tga") {
    set.fill(0xFF000000u);
    QPainter painter(&set);
    const QImage f = MakeFPicture(64, 64);
    painter.drawImage(64, 0, f);
    painter.drawImage(3 * 64, 64, RotatedTile(f));
    painter.fillRect(4 * 64, 0, 64, 64, QColor(20, 200, 20));
    painter.end();
    ASSERT_TRUE(WriteBytesToFile(Path("set.tga"), WriteTga24(set)));
    ProjectSpec spec;
    spec.textureFile = textureFile;
    for (int texture : {1, 11, 2, 4, 256})
      for (int rotation = 0; rotation < 4; ++rotation)
        spec.faces.push_back({texture, rotation % 2 == 1, rotation, 3 - rotation});
    spec.partial = {QRect(3 * 64 + 10, 2 * 64 + 5, 30, 12)};  // inside cell 11
    spec.animationRanges = {{4, 4}};
    spec.footsteps[11] = 5;
    spec.trailer = QByteArray("NG") + QByteArray(10, '\x02');
    project = WriteProject(spec);
    ASSERT_TRUE(WriteBytesToFile(Path("set.prj"), project));
  }
  QImage set{512, 256, QImage::Format_ARGB32};
  QByteArray project;
  QTemporaryDir dir;
};

TEST_F(ProjectCompact, EveryFaceShowsWhatItShowedAndRemapAppliesTheSameMap) {
  WriteFiles();
  const CliResult result = RunCli({"compact", Path("set.tga"), "-o", Path("new.tga"), "--symmetric", "--map",
                                   Path("m.csv"), "--project", Path("set.prj"), "--project-out", Path("new.prj")});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
  const QByteArray rewritten = Read("new.prj");
  EXPECT_EQ(rewritten.size(), project.size());
  EXPECT_TRUE(rewritten.endsWith(QByteArray("NG") + QByteArray(10, '\x02')));
  QImage compacted;
  PixelFormatCode format = PixelFormatCode::Device;
  ASSERT_TRUE(ImageFileModule().LoadImageAs32BitsFile(compacted, Path("new.tga"), format).Ok());
  EXPECT_EQ(FacePixels(compacted, rewritten), FacePixels(set, project));
  // 11 has other footsteps than 1, so it stays a cell of its own; 4 is animated and stays.
  EXPECT_EQ(Read("m.csv"), "old_cell,new_cell,transform\n1,0,none\n2,1,none\n4,4,none\n11,2,none\n");

  const CliResult remap = RunCli({"remap", Path("set.prj"), "--map", Path("m.csv"), "-o", Path("again.prj")});
  ASSERT_EQ(remap.exitCode, 0) << remap.err.toStdString();
  EXPECT_EQ(Read("again.prj"), rewritten);
}

TEST_F(ProjectCompact, ARefusedProjectLeavesNothingWritten) {
  WriteFiles();
  const QStringList outputs = {"-o", Path("new.tga"), "--map", Path("m.csv"), "--project-out", Path("new.prj")};
  ASSERT_TRUE(WriteBytesToFile(Path("cut.prj"), project.left(project.size() / 2)));
  const CliResult cut = RunCli(QStringList{"compact", Path("set.tga"), "--project", Path("cut.prj")} + outputs);
  EXPECT_EQ(cut.exitCode, 1);
  EXPECT_TRUE(cut.err.startsWith(Path("cut.prj") + ": damaged project: it ends early")) << cut.err.toStdString();
  QByteArray big = project;
  big[8] = '2';
  ASSERT_TRUE(WriteBytesToFile(Path("big.prj"), big));
  const CliResult refused = RunCli(QStringList{"compact", Path("set.tga"), "--project", Path("big.prj")} + outputs);
  EXPECT_EQ(refused.err, Path("big.prj") + ": a project with 128-pixel tiles (\"big textures\"): not supported\n");
  for (const char* name : {"new.tga", "m.csv", "new.prj"}) EXPECT_FALSE(QFile::exists(Path(name))) << name;

  // NEWPRJ over PRJ is refused before anything is read: the damaged project is not even looked at.
  const CliResult over = RunCli({"compact", Path("set.tga"), "-o", Path("new.tga"), "--project", Path("cut.prj"),
                                 "--project-out", Path("cut.prj")});
  EXPECT_EQ(over.exitCode, 1);
  EXPECT_EQ(over.err, Path("cut.prj") + ": the output would overwrite this input\n");
  const CliResult remapOver = RunCli({"remap", Path("set.prj"), "--map", Path("m.csv"), "-o", Path("set.prj")});
  EXPECT_EQ(remapOver.exitCode, 1);
  EXPECT_EQ(remapOver.err, Path("set.prj") + ": the output would overwrite this input\n");
  EXPECT_EQ(Read("set.prj"), project);
}

TEST_F(ProjectCompact, AnotherTextureFileNameIsToldNotRefused) {
  WriteFiles("C:\\levels\\old.tga");
  const CliResult result = RunCli({"compact", Path("set.tga"), "-o", Path("new.tga"), "--project", Path("set.prj"),
                                   "--project-out", Path("new.prj")});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.err.contains("its texture file is C:\\levels\\old.tga, not set.tga")) << result.err.toStdString();
  EXPECT_TRUE(QFile::exists(Path("new.prj")));
}

TEST_F(ProjectCompact, RemapRefusesAMapThatMovesAnAnimatedCell) {
  WriteFiles();
  ASSERT_TRUE(
      WriteBytesToFile(Path("m.csv"), "old_cell,new_cell,transform\n1,0,none\n2,1,none\n4,3,none\n11,2,none\n"));
  const CliResult result = RunCli({"remap", Path("set.prj"), "--map", Path("m.csv"), "-o", Path("new.prj")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, Path("set.prj") + ": the map moves cell 4, which is animated\n");
  EXPECT_FALSE(QFile::exists(Path("new.prj")));
}

}  // namespace

}  // namespace mosaicor
