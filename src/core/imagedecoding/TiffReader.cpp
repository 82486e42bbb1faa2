#include "core/imagedecoding/TiffReader.h"

#include "core/imagedecoding/Orientation.h"
#include "core/imagedecoding/PictureLimits.h"
#include "core/imagedecoding/PixelRows.h"

#include <tiffio.h>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace mosaicor {

namespace {

// ---- libtiff over bytes in memory, with its messages kept per file instead of printed ----

struct MemoryFile {
  const uchar* data;
  toff_t size;
  toff_t position = 0;
  QString firstError;
};

tmsize_t ReadProc(thandle_t handle, void* buffer, tmsize_t count) {
  auto* file = static_cast<MemoryFile*>(handle);
  if (count <= 0 || file->position >= file->size) return 0;
  const tmsize_t n = tmsize_t(std::min<toff_t>(toff_t(count), file->size - file->position));
  std::memcpy(buffer, file->data + file->position, size_t(n));
  file->position += toff_t(n);
  return n;
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t) { return 0; }

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  auto* file = static_cast<MemoryFile*>(handle);
  const toff_t base = whence == SEEK_CUR ? file->position : whence == SEEK_END ? file->size : 0;
  // Offsets are unsigned; a position past 2^62 is damage, not a place to read.
  if (offset > (toff_t(1) << 62) || base + offset > (toff_t(1) << 62)) return toff_t(-1);
  file->position = base + offset;
  return file->position;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t handle) { return static_cast<MemoryFile*>(handle)->size; }

// Mapping lets libtiff decode straight from our bytes instead of copying each strip first.
int MapProc(thandle_t handle, void** base, toff_t* size) {
  auto* file = static_cast<MemoryFile*>(handle);
  *base = const_cast<uchar*>(file->data);
  *size = file->size;
  return 1;
}
void UnmapProc(thandle_t, void*, toff_t) {}

int KeepError(TIFF*, void* user, const char* module, const char* format, va_list args) {
  auto* file = static_cast<MemoryFile*>(user);
  if (file->firstError.isEmpty()) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    file->firstError = QStringLiteral("TIFF error: %1%2").arg(module ? QString::fromLatin1(module) + ": " : QString(),
                                                              QString::fromLatin1(text));
  }
  return 1;  // handled: libtiff's process-wide handler must not print it
}
int IgnoreWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
  void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

// libtiff's own buffers (strip offsets, a strip being decoded) are capped too.
constexpr tmsize_t kMaxLibtiffAllocation = tmsize_t(512) << 20;

TiffHandle Open(MemoryFile& file) {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxLibtiffAllocation);
  TIFFOpenOptionsSetErrorHandlerExtR(options, KeepError, &file);
  TIFFOpenOptionsSetWarningHandlerExtR(options, IgnoreWarning, nullptr);
  TIFF* tif = TIFFClientOpenExt("picture", "r", &file, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc,
                                UnmapProc, options);
  TIFFOpenOptionsFree(options);
  return TiffHandle(tif);
}

// ---- what the first image holds ----

struct Layout {
  uint32_t width = 0, height = 0;
  uint16_t bits = 1, samples = 1, photometric = 0, planar = PLANARCONFIG_CONTIG, compression = COMPRESSION_NONE;
  uint16_t sampleFormat = SAMPLEFORMAT_UINT, orientation = ORIENTATION_TOPLEFT;
  bool hasPhotometric = false;
  bool alpha = false, associatedAlpha = false;
  bool tiled = false;
  uint32_t tileWidth = 0, tileHeight = 0, rowsPerStrip = 0;
};

Layout ReadLayout(TIFF* tif) {
  Layout l;
  TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &l.width);
  TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &l.height);
  TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &l.bits);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &l.samples);
  TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &l.planar);
  TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &l.compression);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &l.sampleFormat);
  TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &l.orientation);
  l.hasPhotometric = TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &l.photometric) == 1;
  uint16_t extraCount = 0;
  uint16_t* extra = nullptr;
  TIFFGetFieldDefaulted(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extra);
  const int colourSamples = l.photometric == PHOTOMETRIC_RGB ? 3 : 1;
  if (extraCount > 0 && extra && l.samples > colourSamples) {
    // An unspecified extra sample is taken for alpha, as libtiff's RGBA interface does.
    l.alpha = extra[0] != EXTRASAMPLE_UNSPECIFIED || l.samples > 3;
    l.associatedAlpha = extra[0] != EXTRASAMPLE_UNASSALPHA;
  } else if (l.photometric == PHOTOMETRIC_RGB && l.samples == 4) {
    l.alpha = l.associatedAlpha = true;  // four samples and no word about the fourth
  }
  l.tiled = TIFFIsTiled(tif);
  if (l.tiled) {
    TIFFGetField(tif, TIFFTAG_TILEWIDTH, &l.tileWidth);
    TIFFGetField(tif, TIFFTAG_TILELENGTH, &l.tileHeight);
  } else {
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &l.rowsPerStrip);
    l.rowsPerStrip = std::clamp<uint32_t>(l.rowsPerStrip, 1, std::max<uint32_t>(l.height, 1));
  }
  return l;
}

bool IsGrey(const Layout& l) {
  return l.photometric == PHOTOMETRIC_MINISBLACK || l.photometric == PHOTOMETRIC_MINISWHITE;
}

// The pixel format the file had, as the program names it.
PixelFormatCode FormatOf(const Layout& l) {
  if ((IsGrey(l) || l.photometric == PHOTOMETRIC_PALETTE) && l.samples == 1) {
    if (l.bits == 1) return PixelFormatCode::OneBit;
    if (l.bits <= 4) return PixelFormatCode::FourBits;
    return PixelFormatCode::EightBits;  // 16-bit grey is delivered as 8 bits
  }
  return l.alpha ? PixelFormatCode::ThirtyTwoBits : PixelFormatCode::TwentyFourBits;
}

// Our own row path covers the common layouts; the rest goes through libtiff's RGBA interface.
bool OwnPathReads(const Layout& l) {
  if (l.sampleFormat != SAMPLEFORMAT_UINT) return false;
  if (l.bits != 1 && l.bits != 2 && l.bits != 4 && l.bits != 8 && l.bits != 16) return false;
  if (l.samples > 1 && l.planar != PLANARCONFIG_CONTIG) return false;
  // Tiles must start on whole bytes to be copied into rows.
  if (l.tiled && (l.tileWidth == 0 || l.tileHeight == 0 || (qint64(l.tileWidth) * l.bits * l.samples) % 8 != 0))
    return false;
  if (l.photometric == PHOTOMETRIC_PALETTE) return l.samples == 1 && l.bits <= 8;
  if (IsGrey(l)) return l.samples == 1 || (l.samples >= 2 && l.alpha);
  if (l.photometric == PHOTOMETRIC_RGB) return l.samples >= 3;
  return false;
}

// The most bytes one byte of the file can decode to, per compression: refuses tiny files that
// claim huge pictures before anything is allocated for them.
qint64 MaxExpansion(uint16_t compression) {
  switch (compression) {
    case COMPRESSION_NONE: return 1;
    case COMPRESSION_PACKBITS: return 64;
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE: return 1100;
    case COMPRESSION_CCITTRLE:
    case COMPRESSION_CCITTRLEW:
    case COMPRESSION_CCITTFAX3:
    case COMPRESSION_CCITTFAX4:
    case COMPRESSION_JBIG: return 32768;
    default: return 16384;
  }
}

// ---- our own row path ----

QList<QRgb> ColourTable(TIFF* tif, const Layout& l) {
  const int count = 1 << std::min<int>(l.bits, 8);
  QList<QRgb> table(count);
  uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
  if (l.photometric == PHOTOMETRIC_PALETTE && TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue) && red &&
      green && blue) {
    // Some writers store 8-bit values in the 16-bit colour map.
    bool eightBit = true;
    for (int i = 0; i < count && eightBit; ++i) eightBit = red[i] < 256 && green[i] < 256 && blue[i] < 256;
    const int shift = eightBit ? 0 : 8;
    for (int i = 0; i < count; ++i) table[i] = qRgb(red[i] >> shift, green[i] >> shift, blue[i] >> shift);
    return table;
  }
  for (int i = 0; i < count; ++i) {
    const int level = i * 255 / (count - 1);
    table[i] = l.photometric == PHOTOMETRIC_MINISWHITE ? qRgb(255 - level, 255 - level, 255 - level)
                                                       : qRgb(level, level, level);
  }
  return table;
}

// Reads the image band by band (one strip, or one row of tiles) into packed rows.
class BandReader {
 public:
  BandReader(TIFF* tif, const Layout& l) : tif_(tif), l_(l), rowBytes_(TIFFScanlineSize64(tif)) {}
  tmsize_t RowBytes() const { return tmsize_t(rowBytes_); }
  uint32_t BandRows() const { return l_.tiled ? l_.tileHeight : l_.rowsPerStrip; }

  // Sizes the buffers; false when the file's tiling makes no sense for its picture.
  bool Prepare() {
    if (rowBytes_ <= 0) return false;
    const qint64 imageBytes = rowBytes_ * l_.height;
    band_.resize(size_t(rowBytes_ * std::min(BandRows(), l_.height)));
    if (!l_.tiled) return true;
    // Tiles may overhang the picture, but not by more than the picture itself holds.
    const qint64 tileBytes = TIFFTileSize64(tif_);
    if (tileBytes <= 0 || tileBytes > 4 * imageBytes + (qint64(1) << 20)) return false;
    tile_.resize(size_t(tileBytes));
    return true;
  }
  // Rows [top, top + rows) into Band(); false on a decoding error.
  bool Read(uint32_t top, uint32_t rows) {
    if (!l_.tiled) {
      const tmsize_t wanted = rows * rowBytes_;
      const tmsize_t got = TIFFReadEncodedStrip(tif_, TIFFComputeStrip(tif_, top, 0), band_.data(), wanted);
      if (got < 0) return false;
      // A short strip leaves black rows, not the rows of the strip before.
      if (got < wanted) std::memset(band_.data() + got, 0, size_t(wanted - got));
      return true;
    }
    const qint64 tileRowBytes = TIFFTileRowSize64(tif_);
    for (uint32_t x = 0; x < l_.width; x += l_.tileWidth) {
      if (TIFFReadEncodedTile(tif_, TIFFComputeTile(tif_, x, top, 0, 0), tile_.data(), tmsize_t(tile_.size())) < 0)
        return false;
      const qint64 offset = qint64(x) * l_.bits * l_.samples / 8;
      const qint64 bytes = std::min<qint64>(tileRowBytes, rowBytes_ - offset);
      for (uint32_t r = 0; r < rows; ++r)
        std::memcpy(band_.data() + r * rowBytes_ + offset, tile_.data() + r * tileRowBytes, size_t(bytes));
    }
    return true;
  }
  const uchar* Row(uint32_t r) const { return band_.data() + qint64(r) * rowBytes_; }

 private:
  TIFF* tif_;
  const Layout& l_;
  qint64 rowBytes_;
  std::vector<uchar> band_, tile_;
};

// Sample `index` of a row, scaled to 8 bits.
template <int Bits>
inline unsigned Sample8(const uchar* row, qint64 index) {
  if constexpr (Bits == 8) {
    return row[index];
  } else if constexpr (Bits == 16) {
    return reinterpret_cast<const uint16_t*>(row)[index] >> 8;  // libtiff swabs to native order
  } else {
    constexpr int perByte = 8 / Bits;
    constexpr unsigned max = (1u << Bits) - 1;
    const unsigned v = (row[index / perByte] >> ((perByte - 1 - int(index % perByte)) * Bits)) & max;
    return v * 255 / max;
  }
}

inline uchar Unpremultiply(unsigned value, unsigned alpha) {
  return alpha == 0 ? 0 : uchar(std::min(255u, (value * 255 + alpha / 2) / alpha));
}

template <int Bits>
void ColourRow(const uchar* row, const Layout& l, QRgb* out) {
  const int samples = l.samples;
  if constexpr (Bits == 8) {
    if (l.photometric == PHOTOMETRIC_RGB && !l.alpha) {  // the common case, kept free of per-pixel tests
      if (samples == 3) return WidenRgb24ToRgb32(row, out, l.width);
      for (uint32_t x = 0; x < l.width; ++x, row += samples) out[x] = qRgb(row[0], row[1], row[2]);
      return;
    }
  }
  const bool rgb = l.photometric == PHOTOMETRIC_RGB;
  const bool white = l.photometric == PHOTOMETRIC_MINISWHITE;
  const int alphaIndex = rgb ? 3 : 1;
  for (uint32_t x = 0; x < l.width; ++x) {
    const qint64 i = qint64(x) * samples;
    unsigned r = Sample8<Bits>(row, i), g = r, b = r, a = 255;
    if (rgb) g = Sample8<Bits>(row, i + 1), b = Sample8<Bits>(row, i + 2);
    if (white) r = g = b = 255 - r;
    if (l.alpha) {
      a = Sample8<Bits>(row, i + alphaIndex);
      if (l.associatedAlpha && a < 255) r = Unpremultiply(r, a), g = Unpremultiply(g, a), b = Unpremultiply(b, a);
    }
    out[x] = qRgba(int(r), int(g), int(b), int(a));
  }
}

void IndexRow(const uchar* row, const Layout& l, uchar* out) {
  if (l.bits == 8) {
    std::memcpy(out, row, l.width);
  } else if (l.bits == 16) {
    const auto* words = reinterpret_cast<const uint16_t*>(row);
    for (uint32_t x = 0; x < l.width; ++x) out[x] = uchar(words[x] >> 8);
  } else {
    const int perByte = 8 / l.bits, mask = (1 << l.bits) - 1;
    for (uint32_t x = 0; x < l.width; ++x)
      out[x] = uchar((row[x / perByte] >> ((perByte - 1 - int(x % perByte)) * l.bits)) & mask);
  }
}

// Colour rows of 1, 2, 4, 8 and 16 bits a sample (RGB with 4 bits a sample is seen in the wild).
using ColourRowFunction = void (*)(const uchar*, const Layout&, QRgb*);
constexpr ColourRowFunction ColourRows[] = {ColourRow<1>, ColourRow<2>, ColourRow<4>, ColourRow<8>, ColourRow<16>};
int BitsIndex(int bits) { return bits == 1 ? 0 : bits == 2 ? 1 : bits == 4 ? 2 : bits == 8 ? 3 : 4; }

QImage::Format ImageFormatOf(const Layout& l) {
  if (l.samples == 1 && l.bits == 1) return QImage::Format_Mono;
  if (l.samples == 1) return QImage::Format_Indexed8;
  return l.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

Result<QImage> ReadOwnPath(TIFF* tif, const Layout& l) {
  BandReader reader(tif, l);
  if (!reader.Prepare()) return Failure<>{QStringLiteral("the TIFF picture's strips or tiles do not fit it")};
  const QImage::Format format = ImageFormatOf(l);
  QImage image(int(l.width), int(l.height), format);
  if (image.isNull())
    return Failure<>{QStringLiteral("not enough memory for a %1 x %2 picture").arg(l.width).arg(l.height)};
  if (l.samples == 1) image.setColorTable(ColourTable(tif, l));
  const uint32_t bandRows = reader.BandRows();
  for (uint32_t top = 0; top < l.height; top += bandRows) {
    const uint32_t rows = std::min(bandRows, l.height - top);
    if (!reader.Read(top, rows)) return Failure<>{QStringLiteral("the TIFF picture data is damaged")};
    for (uint32_t r = 0; r < rows; ++r) {
      uchar* out = image.scanLine(int(top + r));
      if (format == QImage::Format_Mono)
        std::memcpy(out, reader.Row(r), (l.width + 7) / 8);
      else if (format == QImage::Format_Indexed8)
        IndexRow(reader.Row(r), l, out);
      else
        ColourRows[BitsIndex(l.bits)](reader.Row(r), l, reinterpret_cast<QRgb*>(out));
    }
  }
  return image;
}

// ---- everything else, through libtiff's RGBA interface ----

Result<QImage> ReadThroughRgba(TIFF* tif, const Layout& l) {
  char message[1024] = {};
  if (!TIFFRGBAImageOK(tif, message))
    return Failure<>{QStringLiteral("unsupported TIFF layout: %1").arg(QString::fromLatin1(message))};
  // The RGBA interface premultiplies alpha; its words are 0xAABBGGRR.
  QImage image(int(l.width), int(l.height), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull())
    return Failure<>{QStringLiteral("not enough memory for a %1 x %2 picture").arg(l.width).arg(l.height)};
  auto* raster = reinterpret_cast<uint32_t*>(image.bits());
  if (!TIFFReadRGBAImageOriented(tif, l.width, l.height, raster, ORIENTATION_TOPLEFT, 0))
    return Failure<>{QStringLiteral("the TIFF picture data is damaged")};
  const qint64 count = qint64(l.width) * l.height;
  for (qint64 i = 0; i < count; ++i) {
    const uint32_t v = raster[i];
    raster[i] = (v & 0xFF00FF00u) | ((v & 0xFFu) << 16) | ((v >> 16) & 0xFFu);
  }
  return l.alpha ? image.convertToFormat(QImage::Format_ARGB32) : image.convertToFormat(QImage::Format_RGB32);
}

bool HasTiffSignature(const uchar* p, qsizetype size) {
  if (size < 8) return false;
  const bool little = p[0] == 'I' && p[1] == 'I' && (p[2] == 42 || p[2] == 43) && p[3] == 0;
  const bool big = p[0] == 'M' && p[1] == 'M' && p[2] == 0 && (p[3] == 42 || p[3] == 43);
  return little || big;
}

}  // namespace

Result<DecodedPicture> ReadTiff(ByteSource& source) {
  if (!HasTiffSignature(source.Here(), source.Remaining())) return Failure<>{QStringLiteral("not a TIFF file")};
  MemoryFile file{source.Here(), toff_t(source.Remaining()), 0, QString()};
  const TiffHandle tif = Open(file);
  auto fail = [&](const QString& why) { return Failure<>{file.firstError.isEmpty() ? why : file.firstError}; };
  if (!tif) return fail(QStringLiteral("not a readable TIFF file"));

  Layout l = ReadLayout(tif.get());
  if (auto allowed = PictureSizeAllowed(l.width, l.height); !allowed) return allowed;
  if (l.compression == COMPRESSION_JPEG && l.photometric == PHOTOMETRIC_YCBCR) {
    // libtiff's JPEG codec hands out RGB rows itself; no subsampled samples to undo.
    TIFFSetField(tif.get(), TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
    l.photometric = PHOTOMETRIC_RGB;
  }
  const qint64 decodedBytes = std::max<qint64>(TIFFScanlineSize64(tif.get()), 1) * l.height;
  if (decodedBytes > 8 * kMaxPicturePixels)
    return fail(QStringLiteral("the TIFF picture has too many samples per pixel (%1)").arg(l.samples));
  if (decodedBytes > (qint64(1) << 20) + qint64(file.size) * MaxExpansion(l.compression))
    return fail(QStringLiteral("the file is too short for its %1 x %2 picture").arg(l.width).arg(l.height));

  const bool own = l.hasPhotometric && OwnPathReads(l);
  Result<QImage> read = own ? ReadOwnPath(tif.get(), l) : ReadThroughRgba(tif.get(), l);
  if (!read) return fail(read.Text());
  QImage image = std::move(read).Value();
  if (own && l.orientation != ORIENTATION_TOPLEFT) image = Oriented(std::move(image), l.orientation);
  source.Seek(source.Size());
  return DecodedPicture{std::move(image), FormatOf(l)};
}

}  // namespace mosaicor
