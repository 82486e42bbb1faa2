// Set-up of the canvas model: the layers' start state, sizing them to the picture, the port.

#include <algorithm>

#include "canvas/CursorPictures.h"
#include "canvas/ImageStack.h"

namespace {

// The selection layer is never shorter than this, whatever the picture.
constexpr int MinSelectionHeight = 1537;

}  // namespace

ImageStack::ImageStack() = default;

std::array<const ImageLayer*, 8> ImageStack::Layers() const {
  return {&L1_Image, &L2_Alpha, &L3_Temp, &L4_Clip, &L5_Grid, &L6_Selection, &L7_Cursor, &L8_Overlay};
}

GridGeometry ImageStack::Geometry() const {
  GridGeometry g;
  g.CellWidth = std::max(CellWidth, 1);
  g.CellHeight = std::max(CellHeight, 1);
  g.OffsetX = GridOffsetX;
  g.OffsetY = GridOffsetY;
  g.Cols = GridCols;
  g.Rows = GridRows;
  return g;
}

void ImageStack::LayerDamaged(const QRect& portRect) {
  const QRect r = portRect.intersected(PortRect());
  if (view_ && !r.isEmpty()) view_->Invalidate(r);
}

void ImageStack::SetPort(QSize size) {
  size = size.expandedTo(QSize(0, 0));
  if (size == port_) return;
  port_ = size;
  if (view_) {
    view_->PortResized(size);
    view_->Invalidate(PortRect());
  }
}

void ImageStack::InitStack(int width, int height) {
  ClearColor = CanvasColours::Clear;
  BackColor = CanvasColours::Back;
  GridColor = CanvasColours::Grid;
  SelectionColor = CanvasColours::Selection;
  RangeColor = CanvasColours::Range;

  // Every layer blackened over the port it covers now, hidden, transparent, filling the port.
  for (ImageLayer* layer :
       {&L1_Image, &L2_Alpha, &L3_Temp, &L4_Clip, &L5_Grid, &L6_Selection, &L7_Cursor, &L8_Overlay}) {
    layer->MoveTo(QPoint(0, 0));
    layer->FillsPort = true;
    layer->AutoSize = false;
    layer->SetVisible(false);
    layer->SetTransparent(true);
    layer->SetKeyColour(ClearColor);
    layer->SetFillColour(ClearColor);
    layer->Fill(PortRect(), ClearColor);
  }
  L1_Image.SetTransparent(false);
  L1_Image.SetVisible(true);
  L2_Alpha.SetTransparent(false);
  L3_Temp.FillsPort = false;
  L4_Clip.SetTransparent(false);
  L4_Clip.FillsPort = false;
  L4_Clip.AutoSize = true;
  L4_Clip.Park();
  L6_Selection.FillsPort = false;
  L6_Selection.AutoSize = true;
  L7_Cursor.FillsPort = false;
  L7_Cursor.AutoSize = true;
  L7_Cursor.SetVisible(true);
  L7_Cursor.Park();
  L8_Overlay.SetVisible(true);

  L7_Cursor.SetPicture(CursorPicture("crNormal"));
  SizeLayers(width, height);
  SetPort(QSize(width, height));
  InitGrid(64, 64);
  if (view_) view_->AcceptDrops();
  Mode = ModeIdle;
  AutoExport = false;
  AnimRunning = false;
}

void ImageStack::SizeLayers(int width, int height) {
  const QSize size(std::max(width, 0), std::max(height, 0));
  for (ImageLayer* layer : {&L1_Image, &L2_Alpha, &L3_Temp, &L5_Grid, &L6_Selection, &L8_Overlay})
    layer->SetPictureSize(size);
  L6_Selection.SetPictureSize(QSize(size.width(), std::max(size.height(), MinSelectionHeight)));
}

void ImageStack::UpdateStack() {
  const QSize size = L1_Image.PictureSize();
  L1_Image.SetFillColour(BackColor);
  SizeLayers(size.width(), size.height());
  SetPort(size);
}

void ImageStack::UpdateImagePort(int width, int height) { SetPort(QSize(width, height)); }

void ImageStack::SetPointer(FramePointer pointer) {
  Pointer = pointer;
  if (view_) view_->PointerChanged(pointer);
}
