#include "core/imagedecoding/PictureDecoder.h"

#include <array>

#include "core/imagedecoding/BmpReader.h"
#include "core/imagedecoding/GifReader.h"
#include "core/imagedecoding/JpegReader.h"
#include "core/imagedecoding/LevelEditorRaw.h"
#include "core/imagedecoding/PcxReader.h"
#include "core/imagedecoding/PngReader.h"
#include "core/imagedecoding/PsdReader.h"
#include "core/imagedecoding/PspReader.h"
#include "core/imagedecoding/TargaGraphic.h"
#include "core/imagedecoding/TiffReader.h"

namespace mosaicor {

namespace {

Result<DecodedPicture> ReadTarga(ByteSource& source) {
  TTargaGraphic graphic;
  if (Outcome<> loaded = graphic.LoadFromStream(source); !loaded) return loaded;
  return DecodedPicture{graphic.Bitmap(), graphic.PixelFormat()};
}

// Our own readers for BMP, TGA, PSD, PSP and PCX; libjpeg-turbo, libtiff and Qt's PNG support for
// the rest. .JPEG is as common a name as .JPG (the rare .JPE stays unknown); .TIFF is the name
// most programs write today, .TIF the older one; Paint Shop Pro 8 and later save the same format
// under .PSPIMAGE. GIF goes through Qt; the level editors' sky and font files are known by name and size.
const std::array<PictureDecoder, 11>& Register() {
  static const std::array<PictureDecoder, 11> formats{{
      {QT_TRANSLATE_NOOP("PictureFormat", "Windows or OS/2 Bitmap"), {QStringLiteral(".BMP")}, ReadBmp, BmpBytesToRead},
      {QT_TRANSLATE_NOOP("PictureFormat", "Jpeg File Interchange"),
       {QStringLiteral(".JPG"), QStringLiteral(".JPEG")},
       ReadJpeg},
      {QT_TRANSLATE_NOOP("PictureFormat", "Truevision Targa"),
       {QStringLiteral(".TGA")},
       ReadTarga,
       TTargaGraphic::BytesToRead},
      {QT_TRANSLATE_NOOP("PictureFormat", "Tagged Image File"),
       {QStringLiteral(".TIF"), QStringLiteral(".TIFF")},
       ReadTiff},
      {QT_TRANSLATE_NOOP("PictureFormat", "Adobe Photoshop"), {QStringLiteral(".PSD")}, ReadPsd},
      {QT_TRANSLATE_NOOP("PictureFormat", "Paint Shop Pro Image"),
       {QStringLiteral(".PSP"), QStringLiteral(".PSPIMAGE")},
       ReadPsp},
      {QT_TRANSLATE_NOOP("PictureFormat", "ZSoft Paintbrush"), {QStringLiteral(".PCX")}, ReadPcx, PcxBytesToRead},
      {QT_TRANSLATE_NOOP("PictureFormat", "Portable Network Graphics"), {QStringLiteral(".PNG")}, ReadPng},
      {QT_TRANSLATE_NOOP("PictureFormat", "Graphics Interchange Format"),
       {QStringLiteral(".GIF")},
       ReadGif,
       GifBytesToRead,
       ReadGifFrames},
      {QT_TRANSLATE_NOOP("PictureFormat", "Level Editor Sky"), {QStringLiteral(".RAW")}, ReadSkyRaw, SkyRawBytesToRead},
      {QT_TRANSLATE_NOOP("PictureFormat", "Level Editor Font"), {QStringLiteral(".PC")}, ReadFontPc, FontPcBytesToRead},
  }};
  return formats;
}

}  // namespace

std::span<const PictureDecoder> PictureDecoders() { return Register(); }

const PictureDecoder* FindPictureDecoder(const QString& upperExtension) {
  // Built once and never changed: the readers keep no state.
  for (const PictureDecoder& format : Register())
    if (format.extensions.contains(upperExtension)) return &format;
  return nullptr;
}

}  // namespace mosaicor
