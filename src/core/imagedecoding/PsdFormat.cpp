// The .PSD entry of the picture register, over our own Photoshop reader.

#include "imagedecoding/PsdReader.h"

#include <memory>

namespace mosaicor {

namespace {

class PsdFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Adobe Photoshop"); }
  QStringList Extensions() const override { return {QStringLiteral(".PSD")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override { return ReadPsd(source); }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakePsdFormat() { return std::make_unique<PsdFormat>(); }

}  // namespace mosaicor
