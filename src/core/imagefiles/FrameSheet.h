#pragma once
// The frames of an animated picture as consecutive cells: each frame made the tile a cut of it
// makes (resized by the size selector's mode), laid left to right and top to bottom, so that an
// animation range over them plays the picture. A picture with more frames than 64 pages of cells
// hold is refused before any frame is decoded.

#include "core/common/Outcome.h"
#include "core/resampling/CutSizing.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

namespace mosaicor {

// How many frames of `frame`'s size 64 pages `width` pixels wide hold, one per cell of that size.
int FramesIn64Pages(QSize frame, int width);

// Fails, saying how many frames the picture has, when they do not fit into 64 pages.
Outcome<> FramesFit(int frames, QSize frame, int width);

struct FrameSheet {
  QImage picture;  // ARGB32, `width` wide, as many cell rows high as the frames need
  QSize cell;      // every frame's size once resized
  QList<int> delaysMs;
  int Frames() const { return int(delaysMs.size()); }
  int Columns() const { return cell.width() > 0 ? picture.width() / cell.width() : 0; }
};

// Each frame of the picture file (a GIF's, or the one picture of any other file) as a cut resized by
// `mode`, laid into a sheet `width` pixels wide (widened to the frame when a frame is wider).
Result<FrameSheet> LoadFrameSheet(const QString& fileName, CutSizeMode mode, int width);

class ImageFileModule;
class TilePacker;
struct PackStyle;

// Every frame of the picture file (a GIF's, or the one picture of any other file) made a tile by
// `style` and placed into `packer`, all or none: a GIF whose frames do not all fit leaves the set
// as it was. Where each tile went, or why none was placed (a reading failure as the file module
// words it).
Result<QList<QRect>> PackPictureFrames(TilePacker& packer, const ImageFileModule& pictures, const QString& fileName,
                                       const PackStyle& style);

}  // namespace mosaicor
