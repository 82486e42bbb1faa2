#include "extraction/HeadlessExtraction.h"

#include "extraction/LevelPages.h"
#include "extraction/TombRaiderFileModule.h"
#include "level/LevelErrorText.h"
#include "level/LevelReader.h"

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
    if (!ok) reason = module.LastFailureText();
    return ok;
  } catch (...) {
    reason = LevelErrorText(std::current_exception());
  }
  return false;
}

bool ExtractMiscPages(const QString& fileName, bool maskTransparency, QImage& pages, QString& reason) {
  try {
    LevelReader level;
    const LevelLoadFailure failure = LoadResultFailure(level.LoadFromFile(fileName, true));
    if (failure != LevelLoadFailure::None) {
      reason = LevelLoadFailureText(failure);
      return false;
    }
    pages = MiscPagesAs32Bits(level, maskTransparency);
    if (pages.isNull() && level.MiscTextiles32.size() >= 262144) throw std::bad_alloc();
    return true;
  } catch (...) {
    reason = LevelErrorText(std::current_exception());
  }
  return false;
}
