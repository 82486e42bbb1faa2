#include "app/workbench/TileWorkflow.h"

#include "app/workbench/Operations.h"
#include "app/workbench/TargetHistory.h"
#include "core/canvas/ImageStack.h"
#include "core/graphics/RectCopy.h"
#include "core/packing/SetGeometry.h"
#include "core/resampling/CutSizing.h"

namespace mosaicor {

namespace {

QString TransformEditName(TransformTool tool) {
  switch (tool) {
    case TransformTool::Rotate:
      return QCoreApplication::translate("mosaicor::TargetHistory", "Rotate tile");
    case TransformTool::HFlip:
      return QCoreApplication::translate("mosaicor::TargetHistory", "Mirror tile");
    case TransformTool::VFlip:
      return QCoreApplication::translate("mosaicor::TargetHistory", "Invert tile");
    case TransformTool::Swap:
      return QCoreApplication::translate("mosaicor::TargetHistory", "Swap tiles");
    case TransformTool::Move:
      return QCoreApplication::translate("mosaicor::TargetHistory", "Move tile");
    case TransformTool::None:
      break;
  }
  return QCoreApplication::translate("mosaicor::TargetHistory", "Transform");
}

}  // namespace

TileWorkflow::TileWorkflow(Operations& operations, Document& doc, ViewState& view, ImageStack& source,
                           ImageStack& target, TargetHistory& history)
    : operations_(operations), source_(source), target_(target), doc_(doc), view_(view), history_(history) {}

TransformTool TileWorkflow::TransformOf(const ImageStack& target) {
  if (target.Cursor().Mode() != ModeTransform) return TransformTool::None;
  switch (target.Cursor().CursorName()) {
    case CursorBox::Rotate:
      return TransformTool::Rotate;
    case CursorBox::HFlip:
      return TransformTool::HFlip;
    case CursorBox::VFlip:
      return TransformTool::VFlip;
    case CursorBox::Swap:
      return TransformTool::Swap;
    case CursorBox::Hand:
      return TransformTool::Move;
    case CursorBox::Normal:
      break;
  }
  return TransformTool::None;
}

void TileWorkflow::SetCurrentTile(const QImage& tile) {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  doc_.ClipTile = tile;
  target_.Layers().L4_Clip().SetPicture(tile);
  target_.Cursor().SetModeToPaste();
}

void TileWorkflow::InitClipTile() {
  QImage tile(kSetCellSide, kSetCellSide, QImage::Format_ARGB32);
  tile.fill(doc_.ClipTileColour);
  SetCurrentTile(tile);
}

int TileWorkflow::SetTileSize(int position) {
  const Operations::Operation operation(operations_, Change::View);
  const int kept = WrapIntoRange(position, 1, 6);
  view_.TileSize = static_cast<TileSizeMode>(kept);
  return kept;
}

void TileWorkflow::SourcePress(MouseButton button, ShiftState shift, int x, int y) {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  if (view_.Picking) {
    // The click ends picking; the sampled colour stays in the picker pot.
    view_.Picking = false;
    return;
  }
  // Work starting on the Source cancels a paste or transform waiting on the Target.
  if (source_.Cursor().Mode() == ModeIdle) target_.Cursor().SetModeToIdle();
  source_.MouseIsDown(button, shift, x, y);
  doc_.ClipTile = source_.Layers().L4_Clip().PictureCopy();
}

void TileWorkflow::SourceMove(ShiftState shift, int x, int y) {
  if (view_.Picking) {
    const ImageLayer& image = source_.Layers().L1_Image();
    if (x >= 0 && y >= 0 && x < image.Width() && y < image.Height()) {
      const QRgb colour = image.PixelAt(x, y) | 0xFF000000u;
      if (colour != doc_.SampleColour) {
        doc_.SampleColour = colour;
        emit SampleColourChanged();
      }
    }
    return;
  }
  source_.MouseIsOnMove(shift, x, y);
}

void TileWorkflow::SourceDoubleClick() {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  view_.SourceDoubleClicked = true;
  source_.MouseIsDoubleClick();
}

void TileWorkflow::ResizeSourceCut() {
  const QImage cut = source_.Layers().L4_Clip().PictureCopy();
  // A keyed Source's cut is resized with its key as transparency and keyed again, so the resize
  // blends no magenta into the shape's edges.
  const bool keyed = view_.AlphaToMagenta && view_.SourceHasTransparency;
  const QImage resized = keyed && CutSizeFor(view_.TileSize, cut.size()) != cut.size()
                             ? SizeCutKeyed(cut, view_.TileSize, {view_.AlphaThreshold, view_.CleanFringe})
                             : SizeCut(cut, view_.TileSize);
  // A cut of the size asked for comes back as it is.
  if (!resized.isNull() && resized.cacheKey() != cut.cacheKey()) source_.Layers().L4_Clip().SetPicture(resized);
}

void TileWorkflow::SourceRelease(MouseButton button, ShiftState shift, int x, int y) {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  if (view_.SourceDoubleClicked) {
    view_.SourceDoubleClicked = false;
    source_.Cursor().SetModeToIdle();
    return;
  }
  const CanvasMode mode = source_.Cursor().Mode();
  source_.MouseIsUp(button, shift, x, y);
  if (mode == ModeGrab) {
    ResizeSourceCut();
    QImage tile = source_.Layers().L4_Clip().PictureCopy();
    if (view_.Transparency == TransparencyMode::Picker)
      MaskPickedColour(tile, doc_.SampleColour, doc_.TransparentColour);
    SetCurrentTile(tile);
  } else if (mode == ModeRange) {
    view_.SourcePage = SourceTab::Animation;
    source_.Animation().SetSpeed(1);
    emit AnimSpeedChanged();
  }
}

void TileWorkflow::TargetPress(MouseButton button, ShiftState shift, int x, int y) {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  if (target_.Cursor().Mode() == ModeIdle) view_.TargetPage = TargetTab::Transform;
  if (button == MouseButton::Left && target_.Cursor().Mode() == ModePaste)
    history_.BeginEdit(QCoreApplication::translate("mosaicor::TargetHistory", "Paste tile"));
  else if (button == MouseButton::Left && target_.Cursor().Mode() == ModeTransform)
    history_.BeginEdit(TransformEditName(TransformOf(target_)));
  target_.MouseIsDown(button, shift, x, y);
}

void TileWorkflow::TargetMove(ShiftState shift, int x, int y) { target_.MouseIsOnMove(shift, x, y); }

void TileWorkflow::TargetRelease(MouseButton button, ShiftState shift, int x, int y) {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  const CanvasMode mode = target_.Cursor().Mode();
  target_.MouseIsUp(button, shift, x, y);
  history_.EndEdit();
  if (mode == ModeGrab) {
    // A tile cut on the Target is ready to paste at once, as it was cut.
    target_.Cursor().SetModeToPaste();
    doc_.ClipTile = target_.Layers().L4_Clip().PictureCopy();
  } else if (mode == ModeRange) {
    view_.TargetPage = TargetTab::Animation;
    target_.Animation().SetSpeed(1);
    emit AnimSpeedChanged();
  }
}

void TileWorkflow::ResetGrid() {
  const Operations::Operation operation(operations_, Change::View);
  source_.Grid().ResetGrid();
}

void TileWorkflow::ShowGrid(bool down) {
  const Operations::Operation operation(operations_, Change::View);
  for (ImageStack* canvas : {&source_, &target_}) {
    canvas->Layers().L5_Grid().SetVisible(down);
    canvas->Grid().UpdateGrid();
  }
}

void TileWorkflow::ApplyGridStyle() {
  for (ImageStack* canvas : {&source_, &target_}) {
    canvas->Grid().GridStyle = view_.GridLines ? GridStyleKind::Lines : GridStyleKind::Dotted;
    canvas->Grid().UpdateGrid();
  }
}

void TileWorkflow::SetGridLines(bool down) {
  const Operations::Operation operation(operations_, Change::View);
  view_.GridLines = down;
  ApplyGridStyle();
}

void TileWorkflow::SetGridSize(int position) {
  const Operations::Operation operation(operations_, Change::View);
  position = std::clamp(position, 0, 3);
  view_.GridSizePosition = position;
  const int size = 8 << position;
  for (ImageStack* canvas : {&source_, &target_}) {
    canvas->Grid().CellWidth = size;
    canvas->Grid().CellHeight = size;
    canvas->Grid().InitGrid(size, size);
    canvas->Cursor().SetModeToIdle();
  }
  ApplyGridStyle();
}

void TileWorkflow::SelectTransform(TransformTool tool) {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  CanvasCursor& cursor = target_.Cursor();
  switch (tool) {
    case TransformTool::None:
      cursor.SetCursorToDefault();
      break;
    case TransformTool::Rotate:
      cursor.SetCursorToRotate();
      break;
    case TransformTool::HFlip:
      cursor.SetCursorToHFlip();
      break;
    case TransformTool::VFlip:
      cursor.SetCursorToVFlip();
      break;
    case TransformTool::Swap:
      cursor.SetCursorToSwap();
      break;
    case TransformTool::Move:
      cursor.SetCursorToShift();
      break;
  }
}

void TileWorkflow::SetAnimationSpeed(ImageStack& canvas, int speed) { canvas.Animation().SetSpeed(speed); }

void TileWorkflow::StopAnimation(ImageStack& canvas) {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  canvas.Animation().AnimRunning = false;
}

}  // namespace mosaicor
