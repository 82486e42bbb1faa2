// The .PCX entry of the picture register, over our own PCX reader.

#include "imagedecoding/PcxReader.h"

#include <memory>

namespace mosaicor {

namespace {

class PcxFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("ZSoft Paintbrush"); }
  QStringList Extensions() const override { return {QStringLiteral(".PCX")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override { return ReadPcx(source); }
  Result<qint64> BytesToRead(ByteSource& head, qint64 fileSize) const override {
    return PcxBytesToRead(head, fileSize);
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakePcxFormat() { return std::make_unique<PcxFormat>(); }

}  // namespace mosaicor
