#pragma once
// The recovery file: what it takes to rebuild the Target after a crash (its picture, the page
// counters, its fill colour and the paths the window remembers). Written whole through QSaveFile,
// so a crash during a write leaves the previous file; read back with every count checked against
// the file's own size before anything is allocated.
//
// Layout, little-endian: "MSCRRECV", version (u32, 1), width pages, height pages, picture width,
// picture height (u32 each), fill colour (u32, 0xAARRGGBB), the time of the write (i64, ms since
// the epoch, UTC), the number of paths (u32), each path as two UTF-8 texts (its name, its value)
// of a u32 length and the bytes; then the picture's rows top first, four bytes a pixel (blue,
// green, red, alpha); nothing after.

#include <QDateTime>
#include <QIODevice>
#include <QImage>
#include <QRgb>
#include <QString>
#include <utility>
#include <vector>

#include "core/common/Outcome.h"

namespace mosaicor {

struct RecoveryState {
  QImage target;  // written as ARGB32; read back as ARGB32
  int widthPages = 1;
  int heightPages = 2;
  QRgb fill = 0xFF000000u;
  QDateTime savedAt;
  std::vector<std::pair<QString, QString>> paths;  // name, value
};

// Limits the reader holds a file to (the writer refuses what it could not read back).
inline constexpr int kRecoveryMaxPaths = 64;
inline constexpr int kRecoveryMaxText = 65536;  // bytes of one name or value

// Writes the state, replacing the file only once the new one is complete. Safe on any thread:
// it reads nothing but the state (whose picture the caller gives as a copy).
Outcome<> WriteRecoveryFile(const RecoveryState& state, const QString& fileName);

// Reads a state the writer wrote; a damaged, short or overlong file fails with the reason.
Result<RecoveryState> ReadRecovery(QIODevice& device);
Result<RecoveryState> ReadRecoveryFile(const QString& fileName);

}  // namespace mosaicor
