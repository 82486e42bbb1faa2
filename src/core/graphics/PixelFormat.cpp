#include "graphics/PixelFormat.h"

namespace mosaicor {

QString PF2String(int code) {
  switch (code) {
    case 0: return QStringLiteral("DDB");
    case 1: return QStringLiteral("1 bit");
    case 2: return QStringLiteral("4 bits (16 col)");
    case 3: return QStringLiteral("8 bits (256 col)");
    case 4: return QStringLiteral("15 bits");
    case 5: return QStringLiteral("16 bits");
    case 6: return QStringLiteral("24 bits");
    case 7: return QStringLiteral("32 bits");
    case 8: return QStringLiteral("15 bits");
    default: return QStringLiteral("Unknown");
  }
}

}  // namespace mosaicor
