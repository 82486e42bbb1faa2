// The .PSD entry of the picture register, over our own Photoshop reader.

#include "imagedecoding/PsdReader.h"

#include <memory>

namespace {

class PsdFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Adobe Photoshop"); }
  QStringList Extensions() const override { return {QStringLiteral(".PSD")}; }
  bool Read(ByteSource& source, DecodedPicture& picture, QString& error) const override {
    DecodedPicture decoded;
    if (!ReadPsd(source, decoded, error)) return false;
    picture = std::move(decoded);
    return true;
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakePsdFormat() { return std::make_unique<PsdFormat>(); }
