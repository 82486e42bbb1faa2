// Interaction modes of the canvas model and the cursor boxes that go with them.

#include "canvas/CursorPictures.h"
#include "canvas/ImageStack.h"

void ImageStack::EnterMode(CanvasMode mode) {
  struct Look {
    bool selection, clip, cursor;
  };
  static constexpr Look looks[] = {
      {false, false, true},   // Idle
      {true, false, false},   // Grab
      {false, true, true},    // Paste
      {true, false, false},   // Range
      {false, false, false},  // Anim
      {false, false, false},  // Scroll
      {false, false, true},   // Transform
  };
  Mode = mode;
  const Look& look = looks[mode];
  L6_Selection.SetVisible(look.selection);
  L4_Clip.SetVisible(look.clip);
  L7_Cursor.SetVisible(look.cursor);
}

void ImageStack::SetModeToIdle() {
  EnterMode(ModeIdle);
  SetCursorToDefault();
}

void ImageStack::SetModeToGrab() {
  EnterMode(ModeGrab);
  L6_Selection.SetFillColour(SelectionColor);
}

void ImageStack::SetModeToPaste() {
  EnterMode(ModePaste);
  SetCursorToPaste();
}

void ImageStack::SetModeToRange() {
  EnterMode(ModeRange);
  L6_Selection.SetFillColour(RangeColor);
}

void ImageStack::SetModeToAnim() { EnterMode(ModeAnim); }

void ImageStack::SetModeToScroll() { EnterMode(ModeScroll); }

void ImageStack::SetModeToTransform() { EnterMode(ModeTransform); }

void ImageStack::SetCursorToDefault() {
  L4_Clip.SetVisible(false);
  Mode = ModeIdle;
  SetPointer(FramePointer::Default);
  CursorName = CursorBox::Normal;
  const QString box = CursorNameForCell(CellWidth, CursorBox::Normal);
  if (!box.isEmpty()) L7_Cursor.SetPicture(CursorPicture(box));
}

void ImageStack::SetCursorToPaste() {
  L4_Clip.SetVisible(true);
  Mode = ModePaste;
  SetPointer(FramePointer::Move);
  DrawPasteCursor();
}

void ImageStack::DrawPasteCursor() {
  // Drawn on the layer rather than handed over as a picture, so the layer knows it is all black
  // but for the frame: a moving preview then costs its border, not its area.
  L7_Cursor.Blank(L4_Clip.PictureSize());
  L7_Cursor.Frame(QRect(QPoint(0, 0), L4_Clip.PictureSize()), SelectionColor);
}
