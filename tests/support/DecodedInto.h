#pragma once
// A decoder's result in the shape most decoder tests look at: the picture on success, the reason
// otherwise (the picture is then left as it was).

#include "core/imagedecoding/PictureDecoder.h"

namespace mosaicor {

inline bool DecodedInto(Result<DecodedPicture> result, DecodedPicture& picture, QString& error) {
  if (!result) {
    error = result.Text();
    return false;
  }
  picture = std::move(result).Value();
  return true;
}

}  // namespace mosaicor
