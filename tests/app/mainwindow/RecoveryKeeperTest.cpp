// The recovery file: kept while the Target has unsaved changes, removed by a save and by a clean
// exit, offered back at start when its run did not end cleanly, never taken from a program that
// still runs. Every folder is a temporary one: the user's cache is never touched.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QSysInfo>

#include "WindowTestSupport.h"
#include "app/workbench/PackWorkflow.h"
#include "app/workbench/RecoveryKeeper.h"
#include "core/recovery/RecoveryFile.h"

namespace mosaicor::testing {
namespace {

struct RecoveryFixture : WindowFixture {
  QTemporaryDir cache;
  QString Folder() const { return cache.filePath(QStringLiteral("recovery")); }
  // An edit of the Target: one picture added as a tile.
  void Edit(QRgb colour) {
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(colour);
    ASSERT_TRUE(bench().Packs().AddPicturesAsTiles({WritePicture(QStringLiteral("p%1.tga").arg(colour), picture)}));
  }
  static bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 1000 && !done(); ++i) QTest::qWait(10);
    return done();
  }
};

TEST(Recovery, KeptWhileUnsavedRemovedBySaveAndByACleanExit) {
  RecoveryFixture f;
  auto keeper = std::make_unique<RecoveryKeeper>(f.bench(), f.Folder());
  const QString file = keeper->FileName();
  ASSERT_FALSE(file.isEmpty());
  f.Edit(qRgb(10, 20, 30));
  ASSERT_TRUE(f.WaitFor([&] { return QFile::exists(file) && !keeper->Writing(); }));
  Result<RecoveryState> kept = ReadRecoveryFile(file);
  ASSERT_TRUE(kept.Ok()) << kept.Text().toStdString();
  EXPECT_EQ(Rgb(kept->target), Rgb(Shown(f.target())));
  EXPECT_EQ(kept->heightPages, 2);

  // A change right after a write waits its turn; a save removes the file, and a later edit
  // brings it back.
  f.Edit(qRgb(40, 50, 60));
  QCoreApplication::processEvents();
  EXPECT_FALSE(keeper->Writing());
  ASSERT_TRUE(f.bench().Targets().SaveToFile(f.Path("saved.tga")));
  EXPECT_FALSE(QFile::exists(file));
  f.Edit(qRgb(70, 80, 90));
  ASSERT_TRUE(f.WaitFor([&] { return QFile::exists(file) && !keeper->Writing(); }));
  keeper.reset();
  EXPECT_FALSE(QFile::exists(file));
  EXPECT_TRUE(QDir(f.Folder()).entryList(QDir::Files).isEmpty());
}

TEST(Recovery, ALeftFileIsOfferedAndARunningProgramsFileIsNot) {
  RecoveryFixture f;
  QDir().mkpath(f.Folder());
  // What a run killed mid-work leaves: its file, and no lock that is held.
  RecoveryState left;
  left.target = Coordinates(512, 768);
  left.widthPages = 2;
  left.heightPages = 3;
  left.fill = qRgb(128, 0, 0);
  left.savedAt = QDateTime(QDate(2026, 3, 4), QTime(14, 32)).toUTC();
  left.paths = {{QStringLiteral("SavePath"), f.Path("work.tga")}};
  const QString leftFile = QDir(f.Folder()).filePath(QStringLiteral("gone.recovery"));
  ASSERT_TRUE(WriteRecoveryFile(left, leftFile).Ok());
  const QString damaged = QDir(f.Folder()).filePath(QStringLiteral("damaged.recovery"));
  WriteBytesToFile(damaged, "MSCRRECV and then nothing sensible");
  {
    QFile newer(damaged);
    ASSERT_TRUE(newer.open(QIODevice::ReadWrite));
    newer.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
  }

  // A run killed while its Target was clean leaves only its lock, of a process that is gone.
  const QString killedLock = QDir(f.Folder()).filePath(QStringLiteral("killed.lock"));
  WriteBytesToFile(killedLock, "2147483646\nmosaicor\n" + QSysInfo::machineHostName().toUtf8() + "\n");

  // Another program that runs keeps its file.
  WindowFixture other;
  RecoveryKeeper running(other.bench(), f.Folder());
  other.bench().Packs().AddPicturesAsTiles({f.WritePicture(QStringLiteral("o.tga"), Coordinates(64, 64))});
  ASSERT_TRUE(f.WaitFor([&] { return QFile::exists(running.FileName()) && !running.Writing(); }));

  RecoveryKeeper keeper(f.bench(), f.Folder());
  f.dialogs.recoveryAnswers = {RecoverAnswer::Recover};
  ASSERT_TRUE(keeper.OfferRecovery());
  ASSERT_EQ(f.dialogs.recoveryQuestions,
            QStringList{QStringLiteral("Recover the texture set you were building at 14:32?")});
  EXPECT_EQ(Rgb(Shown(f.target())), Rgb(left.target));
  EXPECT_EQ(f.c().TargetWidth->text(), QStringLiteral("2"));
  EXPECT_EQ(f.c().TargetHeight->text(), QStringLiteral("3"));
  EXPECT_EQ(f.targetDoc().Fill(), left.fill);
  EXPECT_EQ(f.doc().SaveFile, f.Path("work.tga"));
  EXPECT_FALSE(f.bench().History().IsClean());
  // The damaged file, the newer one, was told first and moved aside under the name told.
  const QString aside = QDir(f.Folder()).filePath(QStringLiteral("damaged.unreadable"));
  ASSERT_EQ(f.dialogs.messages.size(), 1);
  EXPECT_TRUE(f.dialogs.messages.front().startsWith(damaged + QStringLiteral("\nThe texture set left by a run")));
  EXPECT_TRUE(f.dialogs.messages.front().endsWith(QStringLiteral("The file is kept as %1.").arg(aside)));
  EXPECT_TRUE(QFile::exists(aside));
  EXPECT_FALSE(QFile::exists(leftFile) || QFile::exists(damaged));
  EXPECT_TRUE(QFile::exists(running.FileName()));

  // Closing the question unanswered keeps the file for the next start; only No removes it.
  ASSERT_TRUE(WriteRecoveryFile(left, leftFile).Ok());
  for (const RecoverAnswer answer : {RecoverAnswer::Later, RecoverAnswer::Discard}) {
    WindowFixture third;
    third.dialogs.recoveryAnswers = {answer};
    RecoveryKeeper declining(third.bench(), f.Folder());
    EXPECT_FALSE(declining.OfferRecovery());
    EXPECT_EQ(third.dialogs.recoveryQuestions.size(), 1);
    EXPECT_EQ(QFile::exists(leftFile), answer == RecoverAnswer::Later);
    EXPECT_TRUE(third.bench().History().IsClean());
  }
  // Locks left by runs killed without a file are cleaned up; the running programs' stay.
  EXPECT_FALSE(QFile::exists(killedLock));
  EXPECT_EQ(QDir(f.Folder()).entryList({QStringLiteral("*.lock")}).size(), 2);
}

TEST(Recovery, AFolderThatCannotBeWrittenIsToldOnceAtTheFirstEdit) {
  RecoveryFixture f;
  // A file where the folder would go: no folder can be made under it, even as root.
  ASSERT_TRUE(WriteBytesToFile(f.cache.filePath(QStringLiteral("blocked")), "a file"));
  RecoveryKeeper keeper(f.bench(), f.cache.filePath(QStringLiteral("blocked/recovery")));
  QStringList noted;
  QObject::connect(&keeper, &RecoveryKeeper::Noted, [&](const QString& text) { noted << text; });
  f.Edit(qRgb(10, 20, 30));
  f.Edit(qRgb(40, 50, 60));
  ASSERT_TRUE(f.WaitFor([&] { return !f.dialogs.messages.isEmpty(); }));
  QTest::qWait(50);
  ASSERT_EQ(f.dialogs.messages.size(), 1);
  EXPECT_TRUE(f.dialogs.messages.front().startsWith(QStringLiteral("The recovery file could not be written: ")));
  ASSERT_EQ(noted.size(), 1);
  EXPECT_TRUE(noted.front().startsWith(QStringLiteral("     The recovery file could not be written")));
}

}  // namespace
}  // namespace mosaicor::testing
