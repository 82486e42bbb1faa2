#pragma once
// Names that Windows gives to devices rather than files: CON, PRN, AUX, NUL, COM1-9 and LPT1-9 in any
// folder and with any extension ("C:\sets\nul.tga" is the null device), and paths in the device
// namespace (\\.\..., \\?\GLOBALROOT...). Readers refuse them like any other file that is not a
// plain file: a device may answer for ever or wait for input. Elsewhere these are ordinary names.

#include <QString>

namespace mosaicor {

bool IsDeviceName(const QString& path);

}  // namespace mosaicor
