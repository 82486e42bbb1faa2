#pragma once
// The cursor-box pictures of the canvas, drawn in code so the model needs no resources: black
// squares (transparent on the cursor layer) with red corner brackets, and for the 64-pixel
// transform cursors a red pictogram in the middle.

#include <QImage>
#include <QString>
#include <QStringList>

#include "core/canvas/CanvasTypes.h"

namespace mosaicor {

// "crNormal", "cr32", "cr16", "cr08", "crRotate", "crHFlip", "crVFlip", "crSwap", "crHand";
// a null picture for any other name.
QImage CursorPicture(const QString& name);

QStringList CursorPictureNames();

// The length of each corner bracket's arms for a box of the given side (64, 32, 16, 8).
int CursorBracketArm(int side);

// The picture name of a cursor box at 64 pixels: "crNormal", "crRotate", "crHFlip", "crVFlip",
// "crSwap", "crHand".
QString CursorBoxName(CursorBox box);

// The picture name for a cell width: "cr08", "cr16", "cr32", or the box's own at 64; empty otherwise.
QString CursorNameForCell(int cellWidth, CursorBox box);

}  // namespace mosaicor
