// What the shell around the companion leaves to it: names in any script reach a redirected stream
// as UTF-8; on Windows, where the shell expands no wildcard, keeps no device name from a file and
// turns `"out\"` into a quote, the companion does and says the rest itself.

#include "CliRunner.h"
#include "PictureWriters.h"
#include "TestFiles.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace mosaicor {

namespace {

class Shell : public testing::Test {
 protected:
  QString Write(const QString& name) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteBytesToFile(path, WriteTga24(MakeFPicture(8, 8))));
    return path;
  }
  QTemporaryDir dir;
};

TEST_F(Shell, ANameInAnyScriptIsPrintedAsUtf8WhenRedirected) {
  const QString name = QString::fromUtf8("Текстуры É.tga");
  const QString picture = Write(name);
  const CliResult info = RunCli({"info", "--brief", picture});
  ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
  EXPECT_TRUE(info.out.startsWith(picture + ": ")) << info.out.toStdString();
  const CliResult failed = RunCli({"info", dir.filePath(QString::fromUtf8("нет.tga"))});
  EXPECT_EQ(failed.err, dir.filePath(QString::fromUtf8("нет.tga")) + ": file not found\n");
}

#if defined(_WIN32)
TEST_F(Shell, WildcardsInInputsAreExpandedOnWindows) {
  Write("b.tga"), Write("a.tga"), Write("c.bmp.txt");
  const QString folder = QDir::toNativeSeparators(dir.path()) + '\\';
  const CliResult info = RunCli({"info", "--brief", folder + "*.tga"});
  ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
  EXPECT_EQ(info.out.count('\n'), 2);
  EXPECT_TRUE(info.out.startsWith(folder + "a.tga: ")) << info.out.toStdString();
  EXPECT_TRUE(info.out.contains("\n" + folder + "b.tga: ")) << info.out.toStdString();
  const CliResult none = RunCli({"info", folder + "*.pcx"});
  EXPECT_EQ(none.err, folder + "*.pcx: file not found\n");
}

TEST_F(Shell, DeviceNamesAsOutAreRefusedBeforeAnythingIsRead) {
  const QString picture = Write("a.tga");
  for (const QString& out : QStringList{"NUL.tga", "con.tga", "COM1.tga", "aux.bmp", "LPT1.png"}) {
    const CliResult result = RunCli({"convert", dir.filePath("missing.tga"), "-o", dir.filePath(out)});
    EXPECT_EQ(result.exitCode, 2) << out.toStdString();
    EXPECT_TRUE(result.err.contains("names a device on Windows, not a file")) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("missing.tga")) << result.err.toStdString();
  }
  EXPECT_EQ(RunCli({"convert", picture, "-o", dir.filePath("nullable.tga")}).exitCode, 0);
}

TEST_F(Shell, AQuoteBentIntoAnArgumentIsNamed) {
  const QString a = Write("a.tga"), b = Write("b.tga");
  // cmd.exe: mosaicor-cli convert a.tga b.tga -o "multi out\"  hands the program: multi out"
  const CliResult result = RunCli({"convert", a, b, "-o", dir.filePath("multi out\"")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.contains("leave that backslash out")) << result.err.toStdString();
}
#endif

}  // namespace

}  // namespace mosaicor
