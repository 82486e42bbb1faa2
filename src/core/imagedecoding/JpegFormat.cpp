// The .JPG and .JPEG entry of the picture register, over libjpeg-turbo.

#include "imagedecoding/JpegReader.h"

#include <memory>

namespace mosaicor {

namespace {

class JpegFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Jpeg File Interchange"); }
  // .JPEG is as common a name as .JPG; the rare .JPE stays unknown.
  QStringList Extensions() const override { return {QStringLiteral(".JPG"), QStringLiteral(".JPEG")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override { return ReadJpeg(source); }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakeJpegFormat() { return std::make_unique<JpegFormat>(); }

}  // namespace mosaicor
