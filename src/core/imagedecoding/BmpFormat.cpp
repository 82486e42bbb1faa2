// The .BMP entry of the picture register, over our own BMP reader.

#include "imagedecoding/BmpReader.h"

#include <memory>

namespace mosaicor {

namespace {

class BmpFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Windows or OS/2 Bitmap"); }
  QStringList Extensions() const override { return {QStringLiteral(".BMP")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override { return ReadBmp(source); }
  Result<qint64> BytesToRead(ByteSource& head, qint64 fileSize) const override {
    return BmpBytesToRead(head, fileSize);
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakeBmpFormat() { return std::make_unique<BmpFormat>(); }

}  // namespace mosaicor
