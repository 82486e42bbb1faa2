#pragma once
// The public sample pictures of the shared test data: decoding one through our own register,
// the suites' list of decoded references, and comparing a picture with its reference.

#include "core/imagedecoding/PictureDecoder.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

namespace mosaicor {

// Decodes the file with the decoder registered for its extension (".tiff" samples go to the .TIF
// decoder). False with a reason when the file cannot be opened, has no decoder or does not read.
bool DecodeSampleFile(const QString& path, DecodedPicture& picture, QString& error);

// A reference picture: TGA references through our own decoder (Qt reads no run-length TGA),
// others through Qt. Null when it cannot be read.
QImage LoadReferencePicture(const QString& path);

// (sample, reference) paths relative to root, from root/REFERENCES.tsv; empty when it is absent.
QList<QPair<QString, QString>> ReadReferenceList(const QString& root);

// The largest difference of a colour channel between two pictures of one size, over the pixels
// the reference does not make fully transparent (their colour means nothing).
int LargestChannelDifference(const QImage& ours, const QImage& reference);

}  // namespace mosaicor
