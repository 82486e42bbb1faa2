#pragma once
// The cursor and selection of a canvas: the interaction mode, the cursor box that follows the
// pointer (snapping to the grid unless in FREE mode), the cells where the mouse went down and up,
// the selection frame and the animation range outline on L6_Selection, cutting the selection into
// L4_Clip and pasting it, the frame's mouse pointer, and scrolling the view when the box nears
// its edge. Coordinates are port pixels.

#include <QRect>

#include "core/canvas/CanvasTypes.h"

namespace mosaicor {

class CanvasGrid;
class LayerStack;

class CanvasCursor {
 public:
  CanvasCursor(LayerStack& layers, const CanvasGrid& grid) : layers_(layers), grid_(grid) {}
  CanvasCursor(const CanvasCursor&) = delete;
  CanvasCursor& operator=(const CanvasCursor&) = delete;

  // The last mouse event, as received (TakeMouse).
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  // Reading-order index and rectangle of the cell where the mouse went down; -1 in FREE mode.
  int DownCell() const { return downCell_; }
  QRect DownRect() const { return downRect_; }
  // The same for the cell where it went up (the cursor box then).
  int UpCell() const { return upCell_; }
  QRect CursorRect() const { return cursorRect_; }
  // The current or last cut.
  QRect SelectionRect() const { return selectionRect_; }
  CanvasMode Mode() const { return mode_; }
  CursorBox CursorName() const { return cursorName_; }  // the active cursor box
  // Every cut also goes to the view's ExportCut.
  bool AutoExport() const { return autoExport_; }
  void SetAutoExport(bool on) { autoExport_ = on; }

  // The start state: Idle, nothing exported.
  void Reset() {
    mode_ = ModeIdle;
    autoExport_ = false;
  }
  // Keeps the position of a mouse event, in port coordinates.
  void TakeMouse(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
  }
  // The rectangle the next cut takes (the mouse-down cell, when a selection starts).
  void SetSelectionRect(const QRect& rect) { selectionRect_ = rect; }

  // The pointer the frame shows over the canvas.
  FramePointer Pointer() const { return pointer_; }

  // --- modes: each also shows or hides the selection, clip and cursor layers ---
  void EnterMode(CanvasMode mode);
  void SetModeToIdle();
  void SetModeToGrab();
  void SetModeToPaste();
  void SetModeToRange();
  void SetModeToTransform();

  // --- cursor boxes ---
  void SetCursorToDefault();
  void SetCursorToPaste();
  void DrawPasteCursor();
  void SetCursorToRotate();
  void SetCursorToHFlip();
  void SetCursorToVFlip();
  void SetCursorToSwap();
  void SetCursorToShift();

  // --- the pointer ---
  // Moves the cursor box (and the clip) to the pointer, scrolls, and redraws the selection or
  // range being dragged.
  void FollowPointer(int x, int y);
  // The pointer left the canvas: the cursor box and clip are parked off the port.
  void Park();
  // DownCell and DownRect, or UpCell and CursorRect, := the cell under (MouseX, MouseY).
  void TakeDownCell();
  void TakeUpCell();
  void AutoScroll(int left, int top);

  // --- selection, range, cut and paste ---
  void DrawSelection();
  void DrawRange();
  // L4_Clip := the picture under SelectionRect (exported when AutoExport); then Idle. The canvas's
  // CutSelection also asks a running animation to stop.
  void CutToClip();
  // Left button: L4_Clip is drawn on the picture where it stands; Ctrl keeps Paste mode.
  void PasteClip(MouseButton button, ShiftState shift);

 private:
  void SetPointer(FramePointer pointer);
  void SetCursorBox(CursorBox box);
  void SetTransformCursor(CursorBox box, FramePointer pointer);
  QRect CellOfPoint(int x, int y, int* index) const;

  LayerStack& layers_;
  const CanvasGrid& grid_;
  FramePointer pointer_ = FramePointer::Default;
  int mouseX_ = 0;
  int mouseY_ = 0;
  int downCell_ = 0;
  QRect downRect_;
  int upCell_ = 0;
  QRect cursorRect_;
  QRect selectionRect_;
  CanvasMode mode_ = ModeIdle;
  CursorBox cursorName_ = CursorBox::Normal;
  bool autoExport_ = false;
};

}  // namespace mosaicor
