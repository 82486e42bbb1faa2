#include "CliRunner.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagedecoding/PictureDecoder.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

namespace mosaicor {

namespace {

TEST(CommandLine, HelpAndVersionSucceed) {
  const CliResult help = RunCli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains("mosaicor-cli resize   PICTURE    -o OUT --size WxH [--scroll-tile]"));
  const CliResult version = RunCli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("mosaicor-cli "));
  EXPECT_TRUE(version.out.contains("MIT licence"));
}

// Scripts take the extensions the companion reads from its help ("  levels    .phd .tub ...").
TEST(CommandLine, HelpListsEveryExtensionItReads) {
  const QString help = RunCli({"--help"}).out;
  const auto listed = [&help](const QString& kind) {
    return QRegularExpression("^  " + kind + " +(.+)$", QRegularExpression::MultilineOption)
        .match(help)
        .captured(1)
        .split(' ');
  };
  QStringList levels, pictures;
  for (const QString& extension : LevelExtensions()) levels << "." + extension.toLower();
  for (const PictureDecoder& format : PictureDecoders())
    for (const QString& extension : format.extensions) pictures << extension.toLower();
  EXPECT_EQ(listed("levels"), levels);
  EXPECT_EQ(listed("pictures"), pictures);
}

TEST(CommandLine, WrongCommandLinesExitWithTwo) {
  const QList<QStringList> wrong = {
      {},
      {"frobnicate", "a.tr4"},
      {"pages", "a.tr4"},                                  // no -o
      {"pages", "a.tr4", "-o"},                            // -o without value
      {"pages", "a.tr4", "-o", "x.tga", "--bogus"},        // unknown option
      {"pages", "a.tr4", "-o", "x.tga", "--transparency", "some"},
      {"convert", "a.bmp", "-o", "x.tga", "--transparency", "auto"},  // not an option of convert
      {"resize", "a.bmp", "-o", "x.tga"},                  // neither --size nor --scroll-tile
      {"resize", "a.bmp", "-o", "x.tga", "--size", "64"},
      {"resize", "a.bmp", "-o", "x.tga", "--size", "0x64"},
      {"resize", "a.bmp", "-o", "x.tga", "--size", "64x-1"},
      {"resize", "a.bmp", "b.bmp", "-o", "x.tga", "--size", "64x64"},
      {"pages", "a.tr4", "b.tr4", "-o", "/nonexistent-folder"},  // several inputs need a folder
      {"pages", "a.tr4", "-o", "x.bmp", "--alpha"},        // --alpha writes .tga only
      {"info"},
      {"animated", "a.tr4", "-o", "x.tga", "--split"},  // --split and --misc belong to pages
      {"convert", "a.bmp", "-o", "x.tga", "--misc"},
      {"pages", "a.tr4", "-o", "x.tga", "--brief"},     // --brief belongs to info
      {"pages", "a.tr4", "b.tr4", "-o", ".", "--format", "gif"},
      {"convert", "a.bmp", "-o", "x.tga", "--alpha-to-magenta", "12.5"},  // a threshold, not an input
      {"tiles", "a.tr4", "-o", "/nonexistent-folder/out.png"},          // a picture, not a folder
  };
  for (const QStringList& args : wrong) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString() << "\n" << result.err.toStdString();
  }
  EXPECT_TRUE(RunCli({"convert", "a.bmp", "-o", "x.tga", "--alpha-to-magenta", "12.5"}).err.contains("threshold"));
}

}  // namespace

}  // namespace mosaicor
