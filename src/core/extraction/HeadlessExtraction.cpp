#include "extraction/HeadlessExtraction.h"

#include "extraction/TombRaiderFileModule.h"
#include "level/LevelErrorText.h"

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
  } catch (...) {
    reason = LevelErrorText(std::current_exception());
  }
  return false;
}
