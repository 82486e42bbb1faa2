#pragma once
// The canvas model: a picture under seven more layers (LayerStack), a grid (CanvasGrid), the
// cursor and selection (CanvasCursor) and the animation preview (AnimationPreview). It owns the
// parts, sets them up together, and routes the mouse events (port coordinates) and the tile
// transforms between them. It knows no widgets: the parts tell the CanvasView what changed and
// ask it for the scroll position; the widget (CanvasWidget, the design's TFrameStack) composes
// the layers and feeds it events.

#include "core/canvas/AnimationPreview.h"
#include "core/canvas/CanvasCursor.h"
#include "core/canvas/CanvasGrid.h"
#include "core/canvas/CanvasView.h"
#include "core/canvas/LayerStack.h"

namespace mosaicor {

class ImageStack {
 public:
  ImageStack() = default;
  ~ImageStack() {
    if (CanvasView* view = layers_.View()) view->ModelDestroyed();
  }
  ImageStack(const ImageStack&) = delete;
  ImageStack& operator=(const ImageStack&) = delete;

  LayerStack& Layers() { return layers_; }
  const LayerStack& Layers() const { return layers_; }
  CanvasGrid& Grid() { return grid_; }
  const CanvasGrid& Grid() const { return grid_; }
  CanvasCursor& Cursor() { return cursor_; }
  const CanvasCursor& Cursor() const { return cursor_; }
  AnimationPreview& Animation() { return animation_; }
  const AnimationPreview& Animation() const { return animation_; }

  void SetView(CanvasView* view) { layers_.SetView(view); }

  // --- set-up ---
  // Every part to its start state over a port of the given size, with a 64 x 64 grid, in Idle.
  void InitStack(int width, int height);
  // The layers and the port follow the picture's size. The colour of area added to the picture
  // is its owner's to choose (the Target's document), never the canvas's.
  void UpdateStack();
  // The port shows the given size of the layers (a smaller one hides without cropping).
  void UpdateImagePort(int width, int height);

  // --- mouse (port coordinates) ---
  void MouseIsOnMove(ShiftState shift, int x, int y);
  // By mode: Idle starts a selection (left) or a range (right); Paste pastes; a right press asks
  // an animation to stop, and leaves Transform mode.
  void MouseIsDown(MouseButton button, ShiftState shift, int x, int y);
  // By mode: Grab cuts the selection, Range starts the animation, Transform applies the transform.
  void MouseIsUp(MouseButton button, ShiftState shift, int x, int y);
  // Switches between the locked grid and FREE mode at the last mouse position.
  void MouseIsDoubleClick();
  void HandleMouseLeave() { cursor_.Park(); }

  // Asks a running animation to stop, and cuts SelectionRect into the clip (CanvasCursor::CutToClip).
  void CutSelection();

  // --- animation preview ---
  // Plays the range DownCell..UpCell.
  void StartAnimation();
  // Plays the cells first..last (reading order) of the grid as it is now; nothing plays in FREE
  // mode (a cell of -1).
  void StartAnimation(int first, int last);
  // The view's timer tick; ends in Idle once a stop request has come round.
  void ShiftCellsOnTimer();
  // Ends a running animation at once with every cell back in place, in Idle; for operations
  // that are about to change the picture. Nothing happens when no animation runs.
  void StopAnimationNow();

  // --- tile transforms, by the cursor box, on DownRect (and CursorRect) of the picture ---
  void ApplyTransform();
  void RotateCell();
  void HFlipCell();
  void VFlipCell();
  void SwapCells();
  void ShiftCells();

 private:
  void TransformCell(QImage (*transform)(const QImage& tile));
  QSize CellSize() const;

  LayerStack layers_;
  CanvasGrid grid_{layers_};
  CanvasCursor cursor_{layers_, grid_};
  AnimationPreview animation_{layers_};
};

}  // namespace mosaicor
