// Undo and redo of every kind of Target edit, the memory bound, the unsaved-changes question,
// and Save without a dialog.

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QMenuBar>

#include "TestFiles.h"
#include "WindowTestSupport.h"

namespace mosaicor::testing {
namespace {

struct HistoryFixture : WindowFixture {
  HistoryFixture() {
    emit c().Source->DragNDrop(WritePicture("source.tga", Coordinates(256, 256)));
    QApplication::processEvents();
  }
  TargetHistory& history() { return bench().History(); }
  // Undoes and redoes the last edit, checking the Target's pixels and size each way.
  void RoundTrip(const QImage& before) {
    const QImage after = Shown(target());
    ASSERT_NE(after, before);
    history().Undo();
    EXPECT_EQ(Shown(target()), before);
    history().Redo();
    EXPECT_EQ(Shown(target()), after);
  }
};

TEST(History, PastesAndTransformsRoundTrip) {
  HistoryFixture f;
  QImage before = Shown(f.target());
  emit f.c().PanelMagenta->clicked();
  Click(f.c().Target, QPoint(70, 70));
  EXPECT_EQ(f.history().UndoName(), "Paste tile");
  f.RoundTrip(before);

  f.c().CopyButton->click();
  for (QToolButton* tool : {f.c().SpeedButtonRotate, f.c().SpeedButtonHFlip, f.c().SpeedButtonVFlip}) {
    tool->click();
    before = Shown(f.target());
    Click(f.c().Target, QPoint(10, 10));
    f.RoundTrip(before);
  }
  f.c().SpeedButtonSwap->click();
  before = Shown(f.target());
  Drag(f.c().Target, QPoint(10, 10), QPoint(200, 200));
  EXPECT_EQ(f.history().UndoName(), "Swap tiles");
  f.RoundTrip(before);
  f.c().SpeedButtonMove->click();
  before = Shown(f.target());
  Drag(f.c().Target, QPoint(10, 10), QPoint(200, 10));
  f.RoundTrip(before);
}

TEST(History, WholePictureEditsRoundTripWithTheirCounters) {
  HistoryFixture f;
  QImage before = Shown(f.target());
  f.c().CopyButton->click();
  EXPECT_EQ(f.history().UndoName(), "Copy All");
  f.RoundTrip(before);

  f.c().TargetHeightScrollBar->setValue(3);
  before = Shown(f.target());
  f.dialogs.saveAnswers.push_back(SaveAnswer::Discard);
  emit f.c().Target->DragNDrop(f.WritePicture("two.tga", Coordinates(512, 256)));
  EXPECT_EQ(f.pages().width, 2);
  f.history().Undo();
  EXPECT_EQ(Shown(f.target()), before);
  EXPECT_EQ(f.pages().width, 1);
  EXPECT_EQ(f.pages().height, 3);
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(256, 768));
  f.history().Redo();
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(512, 256));

  f.dialogs.saveAnswers.push_back(SaveAnswer::Discard);
  before = Shown(f.target());
  f.bench().Targets().CreateNewTarget();
  EXPECT_EQ(f.history().UndoName(), "Create New");
  f.RoundTrip(before);

  f.dialogs.files.push_back(f.WritePicture("set.tga", Coordinates(256, 512)));
  f.dialogs.saveAnswers.push_back(SaveAnswer::Discard);
  before = Shown(f.target());
  f.bench().Targets().ReloadTarget();
  f.RoundTrip(before);
}

TEST(History, ACtrlSeriesOfFivePastesUndoesOneAtATime) {
  HistoryFixture f;
  emit f.c().PanelBlack->clicked();
  f.c().CopyButton->click();
  emit f.c().PanelMagenta->clicked();
  std::vector<QImage> states{Shown(f.target())};
  for (int i = 0; i < 5; ++i) {
    Click(f.c().Target, QPoint(10 + 64 * (i % 4), 10 + 64 * (i / 4)), Qt::LeftButton, Qt::ControlModifier);
    states.push_back(Shown(f.target()));
  }
  EXPECT_EQ(f.target().Cursor().Mode(), ModePaste);
  for (int i = 5; i > 0; --i) {
    EXPECT_EQ(Shown(f.target()), states[i]);
    f.history().Undo();
  }
  EXPECT_EQ(Shown(f.target()), states[0]);
  EXPECT_TRUE(f.history().CanUndo());  // Copy All is still there
}

TEST(History, APasteKeepsOnlyItsRectangleAndTheHistoryStaysUnderItsBound) {
  HistoryFixture f;
  emit f.c().PanelMagenta->clicked();
  Click(f.c().Target, QPoint(10, 10), Qt::LeftButton, Qt::ControlModifier);
  // One buffer per painted rectangle, swapped with the picture's pixels both ways.
  EXPECT_EQ(f.history().MemoryUsed(), 64 * 64 * 4);
  f.history().SetMemoryLimit(10 * 64 * 64 * 4);
  for (int i = 0; i < 40; ++i) Click(f.c().Target, QPoint(10, 10 + i % 8 * 64), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_LE(f.history().MemoryUsed(), 10 * 64 * 64 * 4);
  EXPECT_EQ(f.history().UndoCount(), 10u);
}

TEST(History, UndoStopsARunningPreviewFirst) {
  HistoryFixture f;
  f.c().CopyButton->click();
  const QImage copied = Shown(f.target());
  // A range of two cells drawn with the right button starts the preview.
  Press(f.c().Target, QPoint(10, 10), Qt::RightButton);
  Move(f.c().Target, QPoint(80, 10), Qt::RightButton);
  Release(f.c().Target, QPoint(80, 10), Qt::RightButton);
  ASSERT_TRUE(f.target().Animation().AnimExists());
  f.target().ShiftCellsOnTimer();
  f.history().Undo();
  EXPECT_FALSE(f.target().Animation().AnimExists());
  f.history().Redo();
  EXPECT_EQ(Shown(f.target()), copied);
}

TEST(UnsavedChanges, TheQuestionOnCloseCreateNewAndReload) {
  HistoryFixture f;
  EXPECT_TRUE(f.history().IsClean());
  f.c().CopyButton->click();
  EXPECT_FALSE(f.history().IsClean());
  EXPECT_TRUE(f.window->isWindowModified());
  const QImage made = Shown(f.target());

  // Cancel leaves everything as it was.
  f.dialogs.saveAnswers.push_back(SaveAnswer::Cancel);
  f.bench().Targets().CreateNewTarget();
  EXPECT_EQ(Shown(f.target()), made);
  EXPECT_EQ(f.c().TargetCombo->currentText(), "   --- no TARGET file saved ---");
  f.dialogs.saveAnswers.push_back(SaveAnswer::Cancel);
  f.bench().Targets().ReloadTarget();
  EXPECT_EQ(f.dialogs.presets.size(), 0);
  QCloseEvent close;
  f.dialogs.saveAnswers.push_back(SaveAnswer::Cancel);
  QCoreApplication::sendEvent(f.window.get(), &close);
  EXPECT_FALSE(close.isAccepted());

  // Save asks for a file the first time, then writes it, and the close goes on.
  const QString out = f.Path("kept.tga");
  f.dialogs.saveAnswers.push_back(SaveAnswer::Save);
  f.dialogs.files.push_back(out);
  QCloseEvent again;
  QCoreApplication::sendEvent(f.window.get(), &again);
  EXPECT_TRUE(again.isAccepted());
  EXPECT_TRUE(QFile::exists(out));
  EXPECT_TRUE(f.history().IsClean());

  // Discard goes on without saving.
  f.c().TargetHeightScrollBar->setValue(3);
  emit f.c().PanelMagenta->clicked();
  Click(f.c().Target, QPoint(10, 10));
  f.dialogs.saveAnswers.push_back(SaveAnswer::Discard);
  f.bench().Targets().CreateNewTarget();
  EXPECT_EQ(f.pages().height, 2);
  EXPECT_EQ(f.dialogs.saveQuestions, 5);
}

TEST(UnsavedChanges, APageCounterIsAStepAndUndoingBackToTheSavedSetIsClean) {
  HistoryFixture f;
  QAction* undo = f.window->menuBar()->actions().at(1)->menu()->actions().at(0);
  EXPECT_FALSE(undo->isEnabled());
  f.c().TargetHeightScrollBar->setValue(3);
  EXPECT_FALSE(f.history().IsClean());
  EXPECT_TRUE(f.window->isWindowModified());
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), "Undo Page count");
  undo->trigger();
  EXPECT_TRUE(f.history().IsClean());
  EXPECT_FALSE(f.window->isWindowModified());
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(f.c().TargetHeightScrollBar->value(), 2);
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(256, 512));
  f.bench().Redo();
  EXPECT_EQ(f.c().TargetHeightScrollBar->value(), 3);
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(256, 768));
  EXPECT_FALSE(f.history().IsClean());
}

TEST(UnsavedChanges, SaveWritesTheLastFileWithoutADialogAndAFailedSaveKeepsTheMark) {
  HistoryFixture f;
  f.c().CopyButton->click();
  const QString out = f.Path("set.tga");
  f.dialogs.files.push_back(out);
  EXPECT_TRUE(f.bench().Targets().Save());
  EXPECT_EQ(f.dialogs.presets.size(), 1);
  emit f.c().PanelMagenta->clicked();
  Click(f.c().Target, QPoint(10, 10));
  EXPECT_TRUE(f.bench().Targets().Save());
  EXPECT_EQ(f.dialogs.presets.size(), 1);  // no second dialog
  EXPECT_TRUE(f.history().IsClean());

  emit f.c().PanelBlack->clicked();
  Click(f.c().Target, QPoint(80, 10));
  ASSERT_FALSE(f.history().IsClean());
  f.dialogs.files.push_back(f.Path("no/such/folder/set.tga"));
  f.bench().Targets().SaveTargetAs();
  EXPECT_FALSE(f.history().IsClean());
  EXPECT_EQ(f.doc().SaveFile, out);
}

// After a Reload the Target box shows the reloaded set: Save writes that one, not the set saved
// before, which stays as it was.
TEST(UnsavedChanges, SaveWritesTheSetTheTargetBoxShows) {
  HistoryFixture f;
  const QString first = f.Path("fringe.tga"), reloaded = f.Path("dups.tga");
  ASSERT_TRUE(f.bench().Targets().SaveToFile(reloaded));
  f.dialogs.files.push_back(first);
  f.bench().Targets().SaveTargetAs();
  const QByteArray firstBytes = ReadFileBytes(first);
  f.dialogs.files.push_back(reloaded);
  f.bench().Targets().ReloadTarget();
  emit f.c().PanelMagenta->clicked();
  Click(f.c().Target, QPoint(10, 10));
  const int dialogs = f.dialogs.presets.size();
  ASSERT_TRUE(f.bench().Targets().Save());
  EXPECT_EQ(f.dialogs.presets.size(), dialogs);  // no dialog
  EXPECT_EQ(ReadFileBytes(first), firstBytes);
  EXPECT_NE(ReadFileBytes(reloaded), firstBytes);
}

}  // namespace
}  // namespace mosaicor::testing
