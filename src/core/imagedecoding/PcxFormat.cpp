// The .PCX entry of the picture register, over our own PCX reader.

#include "imagedecoding/PcxReader.h"

#include <memory>

namespace {

class PcxFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("ZSoft Paintbrush"); }
  QStringList Extensions() const override { return {QStringLiteral(".PCX")}; }
  bool Read(ByteSource& source, DecodedPicture& picture, QString& error) const override {
    return ReadPcx(source, picture, error);
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakePcxFormat() { return std::make_unique<PcxFormat>(); }
