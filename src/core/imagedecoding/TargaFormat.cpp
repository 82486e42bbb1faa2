// The .TGA entry of the picture register, over TTargaGraphic.

#include "imagedecoding/PictureDecoder.h"
#include "imagedecoding/TargaGraphic.h"

#include <memory>

namespace mosaicor {

namespace {

class TargaFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Truevision Targa"); }
  QStringList Extensions() const override { return {QStringLiteral(".TGA")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override {
    TTargaGraphic graphic;
    if (Outcome<> loaded = graphic.LoadFromStream(source); !loaded) return loaded;
    return DecodedPicture{graphic.Bitmap(), graphic.PixelFormat()};
  }
  Result<qint64> BytesToRead(ByteSource& head, qint64 fileSize) const override {
    return TTargaGraphic::BytesToRead(head, fileSize);
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakeTargaFormat() { return std::make_unique<TargaFormat>(); }

}  // namespace mosaicor
