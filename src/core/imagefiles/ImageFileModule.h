#pragma once
// The picture-file operations of the program (behind PictureDialogs, the design's TFIO): loading a picture by the
// upper-cased extension of its name, bringing it to the 32-bit working format while reporting the format it had, and
// saving a texture set as 24-bit TGA, BMP, JPG or PNG. Each operation returns its outcome: on failure the program's
// sentence for it (Text) and, where the sentence alone does not say it, what is really wrong with the file (Reason).
// The window and the companion tell the two as common/FailureMessage.h words them.

#include "core/common/Outcome.h"
#include "core/graphics/PixelFormat.h"
#include "core/imagedecoding/PictureDecoder.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <span>

namespace mosaicor {

// The two messages of the picture-file module; the values are the design's message numbers.
enum class FileErrorKind : int { UnsupportedFormat = 1, UnsupportedCompression = 2 };

using PictureOutcome = Outcome<>;

// One entry of the table of the formats the program saves: the extensions it saves under (upper case with the dot,
// as PictureDecoder names them) and its writers.
struct PictureWriter {
  QStringList extensions;
  Outcome<> (*save)(const QImage& picture, const QString& fileName) = nullptr;
  // The file's bytes for the picture in 24 bits. Null for the level editors' sky and font, which hold one
  // 256 x 256 page and are no format for a texture set.
  Result<QByteArray> (*encode24)(const QImage& picture) = nullptr;

  bool SavesTextureSets() const { return encode24 != nullptr; }
};

// Every format the program saves, the texture set's usual one (.TGA) first.
std::span<const PictureWriter> PictureWriters();
// The writer for an extension (upper case, dot included), or nullptr.
const PictureWriter* FindPictureWriter(const QString& upperExtension);

class ImageFileModule {
 public:
  // UnsupportedFormat: the file's extension names no supported format. UnsupportedCompression:
  // the file cannot be decoded.
  static QString FileErrorText(FileErrorKind kind, const QString& upperExtension);
  // ".JPG" for "a/b.jpg"; empty when the name has no extension.
  static QString UpperExtension(const QString& fileName);

  // The file's picture in the format its decoder delivers, and that format's code.
  PictureOutcome LoadImageFile(QImage& image, const QString& fileName, PixelFormatCode* format = nullptr) const;
  // Every frame of the file's picture (a GIF's in order, any other picture as its one frame), each
  // brought to the 32-bit working format as LoadImageAs32BitsFile does and handed on as it is
  // decoded. The refusals of `reading` come back as they are.
  PictureOutcome LoadFramesAs32BitsFile(const QString& fileName, const FrameReading& reading) const;
  // LoadImageFile, then the 32-bit working format (ARGB32): 15-bit and custom pictures take their
  // alpha from bit 15, 32-bit ones keep theirs, all others get alpha 0. SourcePixelFormat is 0
  // unless the load succeeds.
  PictureOutcome LoadImageAs32BitsFile(QImage& image, const QString& fileName,
                                       PixelFormatCode& SourcePixelFormat) const;

  // Saves the top-left shownWidth x shownHeight part of the picture (the part the canvas shows)
  // in 24 bits, in the format the extension names.
  PictureOutcome SaveImageAs24BitsFile(const QImage& image, int shownWidth, int shownHeight,
                                       const QString& fileName) const;
  // Saves the picture as it is: .BMP in its own depth (24 or 32 bits), .JPG/.JPEG, .TGA and .PNG (24 bits); a
  // 256 x 256 picture also as the level editors' sky (.RAW) and font (.PC).
  PictureOutcome SaveImageFile(const QImage& image, const QString& fileName) const;
  PictureOutcome SaveAsUncompTGA24bits(const QImage& image, const QString& fileName) const;
  // The bytes SaveImageAs24BitsFile writes for the whole picture under this file name's extension.
  Result<QByteArray> EncodeAs24Bits(const QImage& image, const QString& fileName) const;

 private:
  struct PictureBytes {
    const PictureDecoder* decoder;
    QByteArray bytes;
    QString extension;
  };
  // The decoder for the file's extension and the bytes of the file it needs, or why not.
  Result<PictureBytes> ReadPictureBytes(const QString& fileName) const;
};

}  // namespace mosaicor
