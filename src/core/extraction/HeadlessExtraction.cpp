#include "extraction/HeadlessExtraction.h"

#include "extraction/TombRaiderFileModule.h"
#include "level/EDecompressionError.h"
#include "level/MemoryFile.h"

#include <new>

bool ExtractLevelPicture(LevelPicture what, const QString& fileName, bool maskTransparency, QImage& picture,
                         QString& reason) {
  SilentLevelLoadHost host;
  TombRaiderFileModule module(host);
  PixelFormatCode sourcePixelFormat = PixelFormatCode::Device;
  try {
    const bool ok = what == LevelPicture::Pages
                        ? module.LoadLevelAs32BitsFile(picture, fileName, sourcePixelFormat, maskTransparency)
                        : module.LoadAnimAs32BitsFile(picture, fileName, sourcePixelFormat, maskTransparency);
    if (!ok) reason = LevelLoadFailureText(module.LastFailure());
    return ok;
  } catch (const EDecompressionError&) {
    reason = QStringLiteral("damaged compressed data");
  } catch (const EFileReadError& error) {
    reason = QString::fromStdString(error.what());
  } catch (const std::bad_alloc&) {
    reason = QStringLiteral("out of memory");
  } catch (const std::exception& error) {
    reason = QString::fromStdString(error.what());
  }
  return false;
}
