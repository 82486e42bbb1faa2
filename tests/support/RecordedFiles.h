#pragma once
// The picture-file operations with their failures kept, for tests that look at what the window
// or the companion would have said: the sentence, the reason beside it, how many failures.

#include "core/imagefiles/ImageFileModule.h"

#include <QString>

namespace mosaicor {

struct RecordedFailures {
  QString last;
  QString lastReason;
  int count = 0;

  // Notes a failure; says whether the operation succeeded.
  bool Record(const PictureOutcome& outcome) {
    if (outcome) return true;
    last = outcome.Text();
    lastReason = outcome.Reason();
    ++count;
    return false;
  }
  // The last failure as the companion prints it: "sentence (reason)".
  QString LastLine() const { return lastReason.isEmpty() ? last : QStringLiteral("%1 (%2)").arg(last, lastReason); }
};

class RecordingFileModule {
 public:
  explicit RecordingFileModule(RecordedFailures& failures) : failures_(failures) {}
  bool LoadImageFile(QImage& image, const QString& fileName, PixelFormatCode* format = nullptr) {
    return failures_.Record(files_.LoadImageFile(image, fileName, format));
  }
  bool LoadImageAs32BitsFile(QImage& image, const QString& fileName, PixelFormatCode& format) {
    return failures_.Record(files_.LoadImageAs32BitsFile(image, fileName, format));
  }
  bool SaveImageAs24BitsFile(const QImage& image, int shownWidth, int shownHeight, const QString& fileName) {
    return failures_.Record(files_.SaveImageAs24BitsFile(image, shownWidth, shownHeight, fileName));
  }
  bool SaveImageFile(const QImage& image, const QString& fileName) {
    return failures_.Record(files_.SaveImageFile(image, fileName));
  }
  bool SaveAsUncompTGA24bits(const QImage& image, const QString& fileName) {
    return failures_.Record(files_.SaveAsUncompTGA24bits(image, fileName));
  }

 private:
  RecordedFailures& failures_;
  ImageFileModule files_;
};

}  // namespace mosaicor
