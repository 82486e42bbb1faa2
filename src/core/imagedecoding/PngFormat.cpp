// The .PNG entry of the picture register, over Qt's PNG support.

#include "imagedecoding/PngReader.h"

#include <memory>

namespace mosaicor {

namespace {

class PngFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Portable Network Graphics"); }
  QStringList Extensions() const override { return {QStringLiteral(".PNG")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override { return ReadPng(source); }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakePngFormat() { return std::make_unique<PngFormat>(); }

}  // namespace mosaicor
