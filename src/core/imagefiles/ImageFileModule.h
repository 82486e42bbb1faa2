#pragma once
// The picture-file operations of the program (behind PictureDialogs, the design's TFIO): loading a picture by the
// upper-cased extension of its name, bringing it to the 32-bit working format while reporting the format it had, and
// saving a texture set as 24-bit TGA, BMP, JPG or PNG. Failures are shown through the FileMessages the module was made
// with; each operation returns its success.

#include "graphics/PixelFormat.h"
#include "imagefiles/FileMessages.h"

#include <QImage>
#include <QString>

// The two messages of the picture-file module; the values are the design's message numbers.
enum class FileErrorKind : int { UnsupportedFormat = 1, UnsupportedCompression = 2 };

class ImageFileModule {
 public:
  // UnsupportedFormat: the file's extension names no supported format. UnsupportedCompression:
  // the file cannot be decoded.
  static QString FileErrorText(FileErrorKind kind, const QString& upperExtension);
  // ".JPG" for "a/b.jpg"; empty when the name has no extension.
  static QString UpperExtension(const QString& fileName);

  explicit ImageFileModule(FileMessages& messages) : messages_(messages) {}

  // The file's picture in the format its decoder delivers, and that format's code.
  bool LoadImageFile(QImage& image, const QString& fileName, PixelFormatCode* format = nullptr);
  // LoadImageFile, then the 32-bit working format (ARGB32): 15-bit and custom pictures take their
  // alpha from bit 15, 32-bit ones keep theirs, all others get alpha 0. SourcePixelFormat is 0
  // unless the load succeeds.
  bool LoadImageAs32BitsFile(QImage& image, const QString& fileName, PixelFormatCode& SourcePixelFormat);

  // Saves the top-left shownWidth x shownHeight part of the picture (the part the canvas shows)
  // in 24 bits, in the format the extension names.
  bool SaveImageAs24BitsFile(const QImage& image, int shownWidth, int shownHeight, const QString& fileName);
  // Saves the picture as it is: .BMP in its own depth (24 or 32 bits), .JPG/.JPEG, .TGA and .PNG (24 bits).
  bool SaveImageFile(const QImage& image, const QString& fileName);
  bool SaveAsUncompTGA24bits(const QImage& image, const QString& fileName);

  // The message of the kind, with what is really wrong (empty when the sentence says it all).
  void ShowFileError(FileErrorKind kind, const QString& upperExtension, const QString& reason = QString());
  // Why the last load or save failed, in the decoder's or writer's own words.
  const QString& LastError() const { return lastError_; }

 private:
  bool Fail(const QString& message);
  // A file that cannot be decoded: the UnsupportedCompression sentence, with the reason beside it.
  bool FailToDecode(const QString& upperExtension, const QString& reason);

  FileMessages& messages_;
  QString lastError_;
};
