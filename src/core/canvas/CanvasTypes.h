#pragma once
// Small types shared by the canvas model and its widget: the interaction modes, mouse buttons
// and modifier keys as the canvas receives them, the frame's mouse pointers and the colours.

#include <QRgb>

namespace mosaicor {

// Interaction mode of a canvas (the `Mode` field); the values are fixed, the host stores them.
enum CanvasMode : int {
  ModeIdle = 0,
  ModeGrab = 1,
  ModePaste = 2,
  ModeRange = 3,
  ModeAnim = 4,
  ModeScroll = 5,
  ModeTransform = 6,
};

// How the grid layer is drawn (the `GridStyle` field); the host keeps the values 1 and 2.
enum class GridStyleKind : int { None = 0, Dotted = 1, Lines = 2 };

// The cursor box of the canvas (the `CursorName` field): the plain box, or the box of one of the
// tile transforms. CursorBoxName gives the name its picture goes by.
enum class CursorBox { Normal, Rotate, HFlip, VFlip, Swap, Hand };

enum class MouseButton { Left, Right, Middle };

// The set of held modifier keys and buttons that comes with a mouse event.
using ShiftState = unsigned;
constexpr ShiftState ssShift = 1u << 0;
constexpr ShiftState ssAlt = 1u << 1;
constexpr ShiftState ssCtrl = 1u << 2;
constexpr ShiftState ssLeft = 1u << 3;
constexpr ShiftState ssRight = 1u << 4;
constexpr ShiftState ssMiddle = 1u << 5;
constexpr ShiftState ssDouble = 1u << 6;

// The mouse pointer the frame shows over the canvas.
enum class FramePointer { Default, Move, Crosshair, Drag, MultiDrag };

// Colours of the canvas, as 0xFFRRGGBB values.
namespace CanvasColours {
constexpr QRgb Clear = 0xFF000000u;          // key colour of the transparent layers
constexpr QRgb Grid = 0xFFE0E0E0u;           // frames of whole grid cells
constexpr QRgb Selection = 0xFFFFFF00u;      // yellow selection and paste frames
constexpr QRgb Range = 0xFF00FF00u;          // green animation range outline
constexpr QRgb GridOuterRing = 0xFF202020u;  // first pass of the dotted grid
constexpr QRgb CursorMark = 0xFFFF0000u;     // red corner brackets and pictograms of the cursor boxes
}  // namespace CanvasColours

// The parking position that takes a layer off the port while keeping its visibility flag.
constexpr int ParkedX = -512;

}  // namespace mosaicor
