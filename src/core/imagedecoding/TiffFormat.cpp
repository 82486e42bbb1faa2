// The .TIF and .TIFF entry of the picture register, over libtiff.

#include "imagedecoding/TiffReader.h"

#include <memory>

namespace mosaicor {

namespace {

class TiffFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Tagged Image File"); }
  // .TIFF is the name most programs write today, .TIF the older one.
  QStringList Extensions() const override { return {QStringLiteral(".TIF"), QStringLiteral(".TIFF")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override { return ReadTiff(source); }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakeTiffFormat() { return std::make_unique<TiffFormat>(); }

}  // namespace mosaicor
