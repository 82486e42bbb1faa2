// The .TIF entry of the picture register, over libtiff.

#include "imagedecoding/TiffReader.h"

#include <memory>

namespace {

class TiffFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Tagged Image File"); }
  // Only .TIF: a .TIFF name is not a picture name here.
  QStringList Extensions() const override { return {QStringLiteral(".TIF")}; }
  bool Read(ByteSource& source, DecodedPicture& picture, QString& error) const override {
    return ReadTiff(source, picture, error);
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakeTiffFormat() { return std::make_unique<TiffFormat>(); }
