// The .PSP entry of the picture register, over our own Paint Shop Pro reader. Paint Shop Pro 8
// and later save the same format under .PSPIMAGE.

#include "imagedecoding/PspReader.h"

#include <memory>

namespace mosaicor {

namespace {

class PspFormat : public PictureDecoder {
 public:
  QString Name() const override { return QStringLiteral("Paint Shop Pro Image"); }
  QStringList Extensions() const override { return {QStringLiteral(".PSP"), QStringLiteral(".PSPIMAGE")}; }
  Result<DecodedPicture> Read(ByteSource& source) const override { return ReadPsp(source); }
};

}  // namespace

std::unique_ptr<PictureDecoder> MakePspFormat() { return std::make_unique<PspFormat>(); }

}  // namespace mosaicor
