// The workbench without a window: the Target's history as steps that swap what they keep, the
// signals the window follows, and one Changed per user operation.

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>

#include "TestPictures.h"
#include "WorkbenchRig.h"
#include "app/workbench/ClipboardExchange.h"
#include "app/workbench/ColourPots.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/TileWorkflow.h"

namespace mosaicor {
namespace {

TEST(TargetHistorySteps, OverlappingPaintsOfOneEditUndoAndRedoExactly) {
  WorkbenchRig rig;
  ImageLayer& picture = rig.target.Layers().L1_Image();
  picture.SetPicture(MakeCoordinatePicture(256, 512));
  const QImage before = picture.PictureCopy();
  TargetHistory& history = rig.bench.History();
  auto fill = [&](const QRect& rect, QRgb colour) {
    picture.Paint(rect, [&](QImage& pixels) { QPainter(&pixels).fillRect(rect, QColor(colour)); });
  };
  history.BeginEdit(QStringLiteral("Move tile"));
  fill(QRect(0, 0, 128, 128), 0xFFFF0000u);
  fill(QRect(64, 64, 128, 128), 0xFF00FF00u);
  history.EndEdit();
  const QImage after = picture.PictureCopy();
  EXPECT_EQ(history.MemoryUsed(), 2 * 128 * 128 * 4);
  rig.bench.Undo();
  EXPECT_EQ(picture.PictureCopy(), before);
  rig.bench.Redo();
  EXPECT_EQ(picture.PictureCopy(), after);
}

TEST(TargetHistorySteps, SignalsFollowUndoRedoAndTheCleanState) {
  WorkbenchRig rig;
  TargetHistory& history = rig.bench.History();
  QSignalSpy canUndo(&history, &TargetHistory::canUndoChanged);
  QSignalSpy canRedo(&history, &TargetHistory::canRedoChanged);
  QSignalSpy clean(&history, &TargetHistory::cleanChanged);
  rig.bench.Targets().SetPageCount(PageCounter::Width, 2);
  rig.bench.Targets().CopyAll();
  EXPECT_EQ(canUndo.count(), 1);
  ASSERT_EQ(clean.count(), 1);
  EXPECT_FALSE(clean.at(0).at(0).toBool());
  rig.bench.Undo();
  rig.bench.Undo();
  EXPECT_TRUE(history.IsClean());
  EXPECT_EQ(rig.target.Layers().PortSize(), QSize(256, 512));
  EXPECT_EQ(canUndo.count(), 2);
  EXPECT_EQ(canRedo.count(), 1);
  EXPECT_EQ(clean.count(), 2);
  rig.bench.Redo();
  EXPECT_EQ(rig.target.Layers().PortSize(), QSize(512, 512));
  EXPECT_FALSE(history.IsClean());
}

TEST(WorkbenchOperations, EachUserOperationIsReflectedOnceAndTheButtonsReadTheModels) {
  WorkbenchRig rig;
  Workbench& bench = rig.bench;
  QSignalSpy changed(&bench.Ops(), &Operations::Changed);
  bench.Pots().ChooseMagentaPot();
  bench.Targets().CopyAll();
  bench.Targets().CreateNewTarget();
  bench.Tiles().SelectTransform(TransformTool::Swap);
  EXPECT_EQ(changed.count(), 4);
  EXPECT_EQ(bench.Transform(), TransformTool::Swap);
  bench.ReturnToIdle();
  EXPECT_EQ(bench.Transform(), TransformTool::None);
  EXPECT_EQ(bench.TargetComboText(), "   --- Create New");
  bench.Clipboard().SetAutoExport(true);
  EXPECT_TRUE(bench.AutoExport());
  EXPECT_TRUE(rig.target.Cursor().AutoExport());
}

}  // namespace
}  // namespace mosaicor
