#include "core/graphics/PixelFormat.h"

#include <QCoreApplication>

namespace mosaicor {

QString PF2String(int code) {
  switch (code) {
    case 0:
      return QStringLiteral("DDB");
    case 1:
      return QCoreApplication::translate("PixelFormat", "1 bit");
    case 2:
      return QCoreApplication::translate("PixelFormat", "4 bits (16 col)");
    case 3:
      return QCoreApplication::translate("PixelFormat", "8 bits (256 col)");
    case 4:
      return QCoreApplication::translate("PixelFormat", "15 bits");
    case 5:
      return QCoreApplication::translate("PixelFormat", "16 bits");
    case 6:
      return QCoreApplication::translate("PixelFormat", "24 bits");
    case 7:
      return QCoreApplication::translate("PixelFormat", "32 bits");
    case 8:
      return QCoreApplication::translate("PixelFormat", "15 bits");
    default:
      return QCoreApplication::translate("PixelFormat", "Unknown");
  }
}

}  // namespace mosaicor
