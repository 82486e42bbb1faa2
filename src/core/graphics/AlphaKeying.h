#pragma once
// Turning a picture's alpha into the magenta key the level editors understand: pixels below a
// threshold become magenta, the rest opaque with their own colour. The soft edge of a cut-out
// would otherwise leave a rim of half-transparent colour (or of the magenta it was drawn on)
// that shows as a pink or dark halo once the editor keys magenta out; cleaning the fringe gives
// that rim the colour of the shape it belongs to.

#include "core/graphics/KeyColours.h"

#include <QImage>
#include <QRgb>

namespace mosaicor {

inline constexpr int kDefaultAlphaThreshold = 128;
inline constexpr int kMinAlphaThreshold = 1;
inline constexpr int kMaxAlphaThreshold = 254;
// A colour this close to magenta (Euclidean, in RGB) next to the key shows as a pink fringe.
inline constexpr int kNearMagentaDistance = 48;

struct AlphaKeying {
  int threshold = kDefaultAlphaThreshold;  // alpha below this becomes magenta
  bool cleanFringe = false;
};

// True when the 32-bit picture has transparency worth keying: some pixel below 255 and some above
// 0. Pictures loaded without alpha carry 0 throughout, and are left alone.
bool HasTransparency(const QImage& picture);

// The picture (RGB32 or any format with alpha) holds a pixel of the magenta key's colour.
bool HoldsMagentaKey(const QImage& picture);

// Whether keying has anything to do: the picture has transparency, or it holds the key (a picture
// drawn onto magenta, its rim anti-aliased against it).
bool WorthKeying(const QImage& picture);

// The picture keyed: opaque throughout, magenta where alpha was below the threshold. A picture
// without transparency counts as opaque, its magenta being the key. With cleanFringe, every pixel
// that is left opaque but was half transparent or near magenta, and reaches the key through such
// pixels, takes the colour of the nearest pixel that was fully opaque and not near magenta, as
// found through its neighbours (within kFringeReach pixels each way); one that finds none keeps
// its own colour, or becomes the key when that colour is near magenta.
// Null when memory runs out.
QImage KeyAlphaToMagenta(const QImage& picture, const AlphaKeying& keying);

inline constexpr int kFringeReach = 16;

}  // namespace mosaicor
