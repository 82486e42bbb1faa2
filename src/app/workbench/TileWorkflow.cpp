#include "workbench/TileWorkflow.h"

#include "canvas/ImageStack.h"
#include "graphics/RectCopy.h"
#include "resampling/CutSizing.h"
#include "workbench/TargetHistory.h"
#include "workbench/Workbench.h"

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

QSize RequestedTileSize(TileSizeMode mode, QSize selection) {
  return CutSizeFor(static_cast<CutSizeMode>(mode), selection);
}

void TileWorkflow::SetCurrentTile(const QImage& tile) {
  bench_.State.ClipTile = tile;
  bench_.Target.Layers().L4_Clip().SetPicture(tile);
  bench_.Target.Cursor().SetModeToPaste();
  bench_.NotifyChanged();
}

void TileWorkflow::InitClipTile() {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(bench_.State.ClipTileColour);
  SetCurrentTile(tile);
}

int TileWorkflow::ClipTileSizeScrollChange(int position) {
  const int kept = WrapIntoRange(position, 1, 6);
  bench_.State.TileSize = static_cast<TileSizeMode>(kept);
  bench_.NoActiveControls();
  bench_.NotifyChanged();
  return kept;
}

void TileWorkflow::SourceMouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WindowState& s = bench_.State;
  ImageStack& source = bench_.Source;
  if (s.Picking) {
    // The click ends picking; the sampled colour stays in the picker pot.
    s.Picking = false;
    bench_.NotifyChanged();
    return;
  }
  if (source.Cursor().Mode() == ModeIdle) {
    // Work starting on the Source cancels a paste or transform waiting on the Target.
    bench_.Target.Cursor().SetModeToIdle();
    s.Transform = TransformTool::None;
  }
  source.MouseIsDown(button, shift, x, y);
  s.ClipTile = source.Layers().L4_Clip().PictureCopy();
  bench_.NotifyChanged();
}

void TileWorkflow::SourceMouseMove(ShiftState shift, int x, int y) {
  WindowState& s = bench_.State;
  ImageStack& source = bench_.Source;
  if (s.Picking) {
    const ImageLayer& image = source.Layers().L1_Image();
    if (x >= 0 && y >= 0 && x < image.Width() && y < image.Height()) {
      const QRgb colour = image.PixelAt(x, y) | 0xFF000000u;
      if (colour != s.SampleColour) {
        s.SampleColour = colour;
        emit bench_.SampleColourChanged();
      }
    }
    return;
  }
  source.MouseIsOnMove(shift, x, y);
}

void TileWorkflow::SourceDblClick() {
  bench_.State.SourceDoubleClicked = true;
  bench_.Source.MouseIsDoubleClick();
  bench_.State.GridShown = bench_.Source.Layers().L5_Grid().Visible();
  bench_.NotifyChanged();
}

void TileWorkflow::ResizeSourceCut() {
  ImageStack& source = bench_.Source;
  const CutSizeMode mode = static_cast<CutSizeMode>(bench_.State.TileSize);
  const QSize selection = source.Cursor().SelectionRect().size();
  if (CutSizeFor(mode, selection) == selection) return;
  const QImage resized = SizeCut(source.Layers().L4_Clip().PictureCopy(), mode);
  if (!resized.isNull()) source.Layers().L4_Clip().SetPicture(resized);
}

void TileWorkflow::SourceMouseUp(MouseButton button, ShiftState shift, int x, int y) {
  WindowState& s = bench_.State;
  ImageStack& source = bench_.Source;
  if (s.SourceDoubleClicked) {
    s.SourceDoubleClicked = false;
    source.Cursor().SetModeToIdle();
    return;
  }
  const CanvasMode mode = source.Cursor().Mode();
  source.MouseIsUp(button, shift, x, y);
  if (mode == ModeGrab) {
    ResizeSourceCut();
    QImage tile = source.Layers().L4_Clip().PictureCopy();
    if (s.Transparency == TransparencyMode::Picker) MaskPickedColour(tile, s.SampleColour, s.TransparentColour);
    SetCurrentTile(tile);
  } else if (mode == ModeRange) {
    s.SourcePage = SourceTab::Animation;
    source.Animation().SetSpeed(1);
    emit bench_.AnimSpeedChanged();
  }
  bench_.NotifyChanged();
}

void TileWorkflow::TargetMouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WindowState& s = bench_.State;
  ImageStack& target = bench_.Target;
  if (button == MouseButton::Right && target.Cursor().Mode() == ModeTransform) s.Transform = TransformTool::None;
  if (target.Cursor().Mode() == ModeIdle) s.TargetPage = TargetTab::Transform;
  if (button == MouseButton::Left && target.Cursor().Mode() == ModePaste)
    bench_.History().BeginEdit(QCoreApplication::translate("mosaicor::TargetHistory", "Paste tile"));
  else if (button == MouseButton::Left && target.Cursor().Mode() == ModeTransform)
    bench_.History().BeginEdit(TransformEditName(s.Transform));
  target.MouseIsDown(button, shift, x, y);
  bench_.NotifyChanged();
}

void TileWorkflow::TargetMouseMove(ShiftState shift, int x, int y) { bench_.Target.MouseIsOnMove(shift, x, y); }

void TileWorkflow::TargetMouseUp(MouseButton button, ShiftState shift, int x, int y) {
  WindowState& s = bench_.State;
  ImageStack& target = bench_.Target;
  const CanvasMode mode = target.Cursor().Mode();
  target.MouseIsUp(button, shift, x, y);
  bench_.History().EndEdit();
  if (mode == ModeGrab) {
    // A tile cut on the Target is ready to paste at once, as it was cut.
    target.Cursor().SetModeToPaste();
    s.ClipTile = target.Layers().L4_Clip().PictureCopy();
  } else if (mode == ModeRange) {
    s.TargetPage = TargetTab::Animation;
    target.Animation().SetSpeed(1);
    emit bench_.AnimSpeedChanged();
  }
  bench_.NotifyChanged();
}

void TileWorkflow::SpeedButtonResetClick() {
  bench_.Source.Grid().ResetGrid();
  bench_.NotifyChanged();
}

void TileWorkflow::SpeedButtonViewClick(bool down) {
  bench_.State.GridShown = down;
  for (ImageStack* canvas : {&bench_.Source, &bench_.Target}) {
    canvas->Layers().L5_Grid().SetVisible(down);
    canvas->Grid().UpdateGrid();
  }
  bench_.NotifyChanged();
}

void TileWorkflow::ApplyGridStyle() {
  for (ImageStack* canvas : {&bench_.Source, &bench_.Target}) {
    canvas->Grid().GridStyle = bench_.State.GridLines ? GridStyleKind::Lines : GridStyleKind::Dotted;
    canvas->Grid().UpdateGrid();
  }
}

void TileWorkflow::SpeedButtonStyleClick(bool down) {
  bench_.State.GridLines = down;
  ApplyGridStyle();
  bench_.NotifyChanged();
}

void TileWorkflow::ScrollBarGridChange(int position) {
  position = std::clamp(position, 0, 3);
  bench_.State.GridSizePosition = position;
  const int size = 8 << position;
  for (ImageStack* canvas : {&bench_.Source, &bench_.Target}) {
    canvas->Grid().CellWidth = size;
    canvas->Grid().CellHeight = size;
    canvas->Grid().InitGrid(size, size);
    canvas->Cursor().SetModeToIdle();
  }
  ApplyGridStyle();
  bench_.NoActiveControls();
  bench_.NotifyChanged();
}

void TileWorkflow::SelectTransform(TransformTool tool) {
  ImageStack& target = bench_.Target;
  bench_.State.Transform = tool;
  switch (tool) {
    case TransformTool::None:
      target.Cursor().SetCursorToDefault();
      break;
    case TransformTool::Rotate:
      target.Cursor().SetCursorToRotate();
      break;
    case TransformTool::HFlip:
      target.Cursor().SetCursorToHFlip();
      break;
    case TransformTool::VFlip:
      target.Cursor().SetCursorToVFlip();
      break;
    case TransformTool::Swap:
      target.Cursor().SetCursorToSwap();
      break;
    case TransformTool::Move:
      target.Cursor().SetCursorToShift();
      break;
  }
  bench_.NotifyChanged();
}

void TileWorkflow::StopAnimation(ImageStack& canvas) {
  canvas.Animation().AnimRunning = false;
  bench_.NotifyChanged();
}

}  // namespace mosaicor
