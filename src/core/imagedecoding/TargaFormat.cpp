// The .TGA entry of the picture register, over TTargaGraphic.

#include "imagedecoding/PictureDecoder.h"
#include "imagedecoding/TargaGraphic.h"

#include <memory>

namespace {

class TargaFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Truevision Targa"); }
  QStringList Extensions() const override { return {QStringLiteral(".TGA")}; }
  bool Read(ByteSource& source, DecodedPicture& picture, QString& error) const override {
    TTargaGraphic graphic;
    if (!graphic.LoadFromStream(source)) {
      error = graphic.Error();
      return false;
    }
    picture.image = graphic.Bitmap();
    picture.format = graphic.PixelFormat();
    return true;
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakeTargaFormat() { return std::make_unique<TargaFormat>(); }
