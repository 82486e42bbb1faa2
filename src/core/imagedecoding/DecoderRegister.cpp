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
      {QStringLiteral("Windows or OS/2 Bitmap"), {QStringLiteral(".BMP")}, ReadBmp, BmpBytesToRead},
      {QStringLiteral("Jpeg File Interchange"), {QStringLiteral(".JPG"), QStringLiteral(".JPEG")}, ReadJpeg},
      {QStringLiteral("Truevision Targa"), {QStringLiteral(".TGA")}, ReadTarga, TTargaGraphic::BytesToRead},
      {QStringLiteral("Tagged Image File"), {QStringLiteral(".TIF"), QStringLiteral(".TIFF")}, ReadTiff},
      {QStringLiteral("Adobe Photoshop"), {QStringLiteral(".PSD")}, ReadPsd},
      {QStringLiteral("Paint Shop Pro Image"), {QStringLiteral(".PSP"), QStringLiteral(".PSPIMAGE")}, ReadPsp},
      {QStringLiteral("ZSoft Paintbrush"), {QStringLiteral(".PCX")}, ReadPcx, PcxBytesToRead},
      {QStringLiteral("Portable Network Graphics"), {QStringLiteral(".PNG")}, ReadPng},
      {QStringLiteral("Graphics Interchange Format"), {QStringLiteral(".GIF")}, ReadGif, GifBytesToRead, ReadGifFrames},
      {QStringLiteral("Level Editor Sky"), {QStringLiteral(".RAW")}, ReadSkyRaw, SkyRawBytesToRead},
      {QStringLiteral("Level Editor Font"), {QStringLiteral(".PC")}, ReadFontPc, FontPcBytesToRead},
  }};
  return formats;
}

}  // namespace

const PictureDecoder* FindPictureDecoder(const QString& upperExtension) {
  // Built once and never changed: the readers keep no state.
  for (const PictureDecoder& format : Register())
    if (format.extensions.contains(upperExtension)) return &format;
  return nullptr;
}

}  // namespace mosaicor
