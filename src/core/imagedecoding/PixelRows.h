#pragma once
// Row conversions the decoders share for their common layouts: colour planes merged into
// interleaved pixels, and packed RGB samples widened to 32-bit words. They run once per pixel of
// every large picture, so each has a vector path beside the plain one; both give the same bytes.

#include <QRgb>
#include <QtGlobal>

namespace mosaicor {

// Blue, green, red bytes (QImage::Format_BGR888) from three planes of `width` bytes.
void MergePlanesToBgr24(const uchar* red, const uchar* green, const uchar* blue, uchar* out, qsizetype width);

// Opaque 32-bit pixels (qRgb) from three planes.
void MergePlanesToRgb32(const uchar* red, const uchar* green, const uchar* blue, QRgb* out, qsizetype width);

// 32-bit pixels with straight alpha (qRgba) from four planes.
void MergePlanesToArgb32(const uchar* red, const uchar* green, const uchar* blue, const uchar* alpha, QRgb* out,
                         qsizetype width);

// Opaque 32-bit pixels from packed red, green, blue samples, three bytes a pixel.
void WidenRgb24ToRgb32(const uchar* rgb, QRgb* out, qsizetype width);

}  // namespace mosaicor
