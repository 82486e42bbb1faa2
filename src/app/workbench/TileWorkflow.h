#pragma once
// The current tile and how tiles travel: the size selector, the mouse on both canvases (cut,
// resize, mask, paste, ranges, transforms), and the grid, transform and animation tabs.

#include <QImage>
#include <QObject>
#include <QSize>

#include "app/workbench/WindowState.h"
#include "core/canvas/CanvasTypes.h"

namespace mosaicor {

class ImageStack;
class Operations;
class TargetHistory;

// value wrapped into low..high, stepping round from one end to the other.
constexpr int WrapIntoRange(int value, int low, int high) {
  const int span = high - low + 1;
  return low + ((value - low) % span + span) % span;
}

class TileWorkflow : public QObject {
  Q_OBJECT

 public:
  TileWorkflow(Operations& operations, Document& doc, ViewState& view, ImageStack& source, ImageStack& target,
               TargetHistory& history);

  // The transform the Target waits to apply, as the transform tab's radio group shows it.
  static TransformTool TransformOf(const ImageStack& target);

  // A flat 64 x 64 tile of ClipTileColour becomes the current tile, ready to paste.
  void InitClipTile();
  // The tile becomes the current tile and the Target's clip, and the Target waits to paste it.
  void SetCurrentTile(const QImage& tile);
  // The size selector moved to `position` (its scroll bar runs 0..100); returns the position it
  // keeps, wrapped into 1..6.
  int SetTileSize(int position);

  void SourcePress(MouseButton button, ShiftState shift, int x, int y);
  void SourceMove(ShiftState shift, int x, int y);
  void SourceRelease(MouseButton button, ShiftState shift, int x, int y);
  void SourceDoubleClick();
  void TargetPress(MouseButton button, ShiftState shift, int x, int y);
  void TargetMove(ShiftState shift, int x, int y);
  void TargetRelease(MouseButton button, ShiftState shift, int x, int y);

  // Grid tab.
  void ResetGrid();
  void ShowGrid(bool down);
  void SetGridLines(bool down);
  void SetGridSize(int position);
  // Transform tab: one handler for the six buttons of its radio group.
  void SelectTransform(TransformTool tool);
  // Animation tabs.
  void StopAnimation(ImageStack& canvas);
  void SetAnimationSpeed(ImageStack& canvas, int speed);

 signals:
  // The picker's sample colour followed the mouse; nothing else changed.
  void SampleColourChanged();
  // A range was cut: its canvas's animation speed was set from code.
  void AnimSpeedChanged();

 private:
  // The cut just completed on the Source, resized as the selector asks.
  void ResizeSourceCut();
  void ApplyGridStyle();

  Operations& operations_;
  ImageStack& source_;
  ImageStack& target_;
  Document& doc_;
  ViewState& view_;
  TargetHistory& history_;
};

}  // namespace mosaicor
