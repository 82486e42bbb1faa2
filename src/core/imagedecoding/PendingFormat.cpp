// Formats that are registered (so their files are offered and recognised) but whose decoder is
// not written yet: every file of theirs is reported as unreadable.

#include "imagedecoding/PictureDecoder.h"

#include <memory>

namespace {

class PendingFormat : public PictureDecoder {
 public:
  PendingFormat(QString name, QString extension) : name_(std::move(name)), extension_(std::move(extension)) {}
  QString Name() const override { return name_; }
  QStringList Extensions() const override { return {extension_}; }
  bool Read(ByteSource&, DecodedPicture&, QString& error) const override {
    error = QStringLiteral("no decoder for %1 files yet").arg(extension_);
    return false;
  }

 private:
  QString name_;
  QString extension_;
};

}  // namespace

std::unique_ptr<PictureDecoder> MakePendingFormat(const QString& name, const QString& extension) {
  return std::make_unique<PendingFormat>(name, extension);
}
