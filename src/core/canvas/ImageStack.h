#pragma once
// The canvas model: eight image layers stacked over a picture, the grid and its modes, the
// cutting and pasting cursors, selection, range outline and cut/paste, driven by mouse events in
// port coordinates. It knows no widgets: it tells a CanvasView what changed and asks it for the
// scroll position; the widget (CanvasWidget, the design's TFrameStack) composes the layers and feeds it events.
//
// The operations live in several files by job: ImageStackSetup (layers, port, properties),
// ImageStackGrid, ImageStackModes (mode and cursor setters), ImageStackMouse, ImageStackCut
// (selection, range, cut, paste), ImageStackAnimation (the animation preview), ImageStackTransforms
// (the transform cursors and the tile transforms) and ImageStackAlpha (the alpha view).

#include <QRect>
#include <QString>
#include <array>

#include "canvas/CanvasView.h"
#include "canvas/CellRun.h"
#include "canvas/FrameStackState.h"
#include "canvas/GridGeometry.h"
#include "canvas/ImageLayer.h"

class ImageStack : public FrameStackState, private LayerDamageSink {
 public:
  ImageStack();
  virtual ~ImageStack() = default;
  ImageStack(const ImageStack&) = delete;
  ImageStack& operator=(const ImageStack&) = delete;

  // Layers, bottom to top.
  ImageLayer L1_Image{"L1_Image", LayerForm::Argb32, this};
  ImageLayer L2_Alpha{"L2_Alpha", LayerForm::Argb32, this};
  ImageLayer L3_Temp{"L3_Temp", LayerForm::Argb32, this};
  ImageLayer L4_Clip{"L4_Clip", LayerForm::Argb32, this};
  ImageLayer L5_Grid{"L5_Grid", LayerForm::Indexed8, this};
  ImageLayer L6_Selection{"L6_Selection", LayerForm::Indexed8, this};
  ImageLayer L7_Cursor{"L7_Cursor", LayerForm::Argb32, this};
  ImageLayer L8_Overlay{"L8_Overlay", LayerForm::Argb32, this};
  std::array<const ImageLayer*, 8> Layers() const;

  void SetView(CanvasView* view) { view_ = view; }
  void SetClipboard(ClipboardSink* clipboard) { clipboard_ = clipboard; }

  // --- set-up and geometry ---
  void InitStack(int width, int height);
  void UpdateStack();
  void SizeLayers(int width, int height);
  void UpdateImagePort(int width, int height);
  void GetGridRect(QRect& rect) const { rect = GridRect; }
  QSize PortSize() const { return port_; }
  QRect PortRect() const { return QRect(QPoint(0, 0), port_); }
  GridGeometry Geometry() const;

  // --- published properties: the getters give the layer, the setters copy a picture in ---
  ImageLayer& Image() { return L1_Image; }
  void SetImage(const ImageLayer& layer) { L1_Image.SetPicture(layer.PictureCopy()); }
  QImage& Bitmap() { return L1_Image.Picture(); }
  void SetBitmap(const QImage& bitmap) { L1_Image.SetPicture(bitmap); }
  ImageLayer& Alpha() { return L2_Alpha; }
  void SetAlpha(const ImageLayer& layer) { L2_Alpha.SetPicture(layer.PictureCopy()); }
  ImageLayer& Clip() { return L4_Clip; }
  void SetClip(const ImageLayer& layer) { L4_Clip.SetPicture(layer.PictureCopy()); }
  void SetClipPicture(const QImage& picture) { L4_Clip.SetPicture(picture); }
  const ImageLayer& Grid() const { return L5_Grid; }
  ImageLayer& Grid() { return L5_Grid; }
  ImageLayer& Overlay() { return L8_Overlay; }
  void SetOverlay(const ImageLayer& layer) { L8_Overlay.SetPicture(layer.PictureCopy()); }

  // --- grid ---
  void InitGrid(int cellWidth, int cellHeight);
  void UpdateGrid();
  void ResetGrid();
  void DrawGridDotted();
  void DrawGridLines();

  // --- modes and cursors ---
  void SetModeToIdle();
  void SetModeToGrab();
  void SetModeToPaste();
  void SetModeToRange();
  void SetModeToAnim();
  void SetModeToScroll();
  void SetModeToTransform();
  void SetCursorToDefault();
  void SetCursorToPaste();
  void DrawPasteCursor();

  // --- mouse (port coordinates) ---
  void MouseIsOnMove(ShiftState shift, int x, int y);
  void MouseIsDown(MouseButton button, ShiftState shift, int x, int y);
  void MouseIsUp(MouseButton button, ShiftState shift, int x, int y);
  void MouseIsDoubleClick();
  void HandleMouseLeave();
  void TakeDownCell();
  void TakeUpCell();
  void AutoScroll(int left, int top);

  // --- selection, range, cut and paste ---
  void DrawSelection();
  void DrawRange();
  void CutSelection();
  void PasteClip(MouseButton button, ShiftState shift);

  // --- animation preview ---
  // MouseIsUp calls StartAnimation when a range is released; the widget's TimerAnim calls
  // ShiftCellsOnTimer. AnimRunning := false asks the animation to stop: it steps on until every
  // cell is back in place, and the tick after that ends it in Idle.
  virtual void StartAnimation();
  virtual void ShiftCellsOnTimer();
  // True from StartAnimation until the tick that ends it (AnimCell is held meanwhile).
  bool AnimExists() const { return !AnimCell.isNull(); }
  // Ends a running animation at once with every cell back in place, in Idle; for operations
  // that are about to change the picture. Nothing happens when no animation runs.
  void StopAnimationNow();

  // --- transforms (MouseIsUp runs ApplyTransform on every release in Transform mode) ---
  void SetCursorToRotate();
  void SetCursorToHFlip();
  void SetCursorToVFlip();
  void SetCursorToSwap();
  void SetCursorToShift();
  virtual void ApplyTransform();
  void RotateCell();
  void HFlipCell();
  void VFlipCell();
  void SwapCells();
  void ShiftCells();

  // --- alpha view: L2_Alpha := the picture's alpha as grey, for every pixel layout ---
  void ExtractAlpha();

 protected:
  void SetPointer(FramePointer pointer);
  // Mode plus the visibility of the selection, clip and cursor layers that goes with it.
  void EnterMode(CanvasMode mode);
  CanvasView* View() const { return view_; }
  ClipboardSink* Clipboard() const { return clipboard_; }

 private:
  void LayerDamaged(const QRect& portRect) override;
  void SetPort(QSize size);
  QRect CellOfPoint(int x, int y, int* index) const;
  // Animation preview.
  void StepAnimation();
  void RollScrollCell(QImage& picture, int by);
  void PutAnimatedCellsBack();
  void ReleaseAnimation();
  // Transforms.
  void SetTransformCursor(CursorBox box, FramePointer pointer);
  void TransformCell(QPoint (*destination)(int x, int y, int i, int w, int h));

  CanvasView* view_ = nullptr;
  ClipboardSink* clipboard_ = nullptr;
  QSize port_{0, 0};
  // The running animation's cells, on the grid as it was at the start, whatever the host does to
  // the grid meanwhile; and whether the scrolled cell lives in AnimCell (the picture does not
  // wholly hold it) rather than in the picture.
  GridGeometry animGeometry_;
  CellRun animRun_;
  QRegion animArea_;
  bool animScrollInWork_ = false;
};
