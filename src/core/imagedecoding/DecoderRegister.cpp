#include "imagedecoding/PictureDecoder.h"

#include <memory>
#include <vector>

namespace mosaicor {

// Each format file defines its maker; a new format adds its file and one line to each list below.
std::unique_ptr<PictureDecoder> MakeBmpFormat();
std::unique_ptr<PictureDecoder> MakeJpegFormat();
std::unique_ptr<PictureDecoder> MakeTargaFormat();
std::unique_ptr<PictureDecoder> MakeTiffFormat();
std::unique_ptr<PictureDecoder> MakePcxFormat();
std::unique_ptr<PictureDecoder> MakePngFormat();
std::unique_ptr<PictureDecoder> MakePsdFormat();
std::unique_ptr<PictureDecoder> MakePspFormat();

namespace {

std::vector<std::unique_ptr<PictureDecoder>> MakeRegister() {
  std::vector<std::unique_ptr<PictureDecoder>> formats;
  formats.push_back(MakeBmpFormat());
  formats.push_back(MakeJpegFormat());
  formats.push_back(MakeTargaFormat());
  formats.push_back(MakeTiffFormat());
  formats.push_back(MakePsdFormat());
  formats.push_back(MakePspFormat());
  formats.push_back(MakePcxFormat());
  formats.push_back(MakePngFormat());
  return formats;
}

}  // namespace

const PictureDecoder* FindPictureDecoder(const QString& upperExtension) {
  // Built once and never changed: the decoders are stateless.
  static const std::vector<std::unique_ptr<PictureDecoder>> formats = MakeRegister();
  for (const auto& format : formats)
    if (format->Extensions().contains(upperExtension)) return format.get();
  return nullptr;
}

}  // namespace mosaicor
