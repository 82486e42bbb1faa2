#pragma once
// The public state record of a canvas: the fields the canvas operations keep and that the main
// window reads or writes (cell size, grid style, mode, selection, animation flags, colours).
// Coordinates are port pixels, origin top-left; rectangles are QRects (width and height, so
// their exclusive right and bottom are x + width and y + height).

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include "canvas/CanvasTypes.h"

struct FrameStackState {
  int MouseX = 0;  // last mouse event, as received
  int MouseY = 0;
  int CellWidth = 64;  // grid cell size (host writes)
  int CellHeight = 64;
  int GridOffsetX = 0;  // 0 <= offset < cell size
  int GridOffsetY = 0;
  int GridCols = 0;  // whole cells across and down the port
  int GridRows = 0;
  QRect GridRect;                                   // area of the whole cells
  bool GridLocked = true;                           // the cursor snaps to the grid; false in FREE mode
  GridStyleKind GridStyle = GridStyleKind::Dotted;  // host writes
  int DownCell = 0;                                 // reading-order index of the mouse-down cell, -1 in FREE mode
  QRect DownRect;
  int UpCell = 0;  // reading-order index of the mouse-up cell, -1 in FREE mode
  QRect CursorRect;
  QRect SelectionRect;  // the current or last cut (host reads)
  CanvasMode Mode = ModeIdle;
  CursorBox CursorName = CursorBox::Normal;  // the active cursor box
  bool AutoExport = false;                   // every cut also goes to the clipboard

  // Animation preview.
  int AnimFirst = 0;
  int AnimLast = 0;
  int AnimPeriod = 1;
  int AnimPhase = 0;
  bool AnimRunning = false;  // false asks a running animation to stop (host writes)
  int AnimInterval = 80;     // base timer interval in milliseconds (host reads)
  QRect AnimCellRect;
  QImage AnimCell;           // work picture while an animation runs, null otherwise
  QByteArray AnimRowBuffer;  // one pixel row of AnimCell while an animation runs

  QRgb ClearColor = CanvasColours::Clear;
  QRgb BackColor = CanvasColours::Back;
  QRgb GridColor = CanvasColours::Grid;
  QRgb SelectionColor = CanvasColours::Selection;
  QRgb RangeColor = CanvasColours::Range;

  // The pointer the frame shows over the canvas.
  FramePointer Pointer = FramePointer::Default;
};
