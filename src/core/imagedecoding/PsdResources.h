#pragma once
// What the image resources of a Photoshop file say about its composite: whether extra channels are
// saved selections, and the orientation its rows are to be shown in.

#include <QtGlobal>

namespace mosaicor {

struct PsdResourceFacts {
  bool alphaChannelNames = false;  // extra channels are named selections, not transparency
  int orientation = 1;             // 1 to 8 as in EXIF; 1 is as stored
  // The version information names Photoshop as the writer. Photoshop flattens a transparent
  // composite on white; other programs (ImageMagick among them) store its colours as they are.
  bool writtenByPhotoshop = false;
};

// Reads the resource section's `length` bytes; a damaged block ends the walk with what was found.
PsdResourceFacts ReadPsdResources(const uchar* data, qsizetype length);

}  // namespace mosaicor
