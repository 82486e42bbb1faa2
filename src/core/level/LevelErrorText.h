#pragma once
// Lines of text about a level that did not read whole, where a line is what the user gets (the
// companion's failure lines).

#include <QString>

namespace mosaicor {

struct LevelPlace;
// "level file ends early", and where: "... in the object textures at offset 1234 (0x4d2)".
QString LevelEndsEarlyText(const LevelPlace& place);

}  // namespace mosaicor
