#include "PspWriter.h"

#include <zlib.h>

namespace mosaicor {

namespace {

void Put8(QByteArray& out, unsigned v) { out.append(char(v & 0xFF)); }
void Put16(QByteArray& out, unsigned v) {
  Put8(out, v);
  Put8(out, v >> 8);
}
void Put32(QByteArray& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutBox(QByteArray& out, const PspBox& box) {
  for (int v : {box.left, box.top, box.right, box.bottom}) Put32(out, uint32_t(v));
}

// Version 3 headers carry the length of the first chunk; later ones only the total.
QByteArray Block(const PspSpec& spec, int id, const QByteArray& info, const QByteArray& rest = {}) {
  QByteArray out("~BK", 4);
  Put16(out, unsigned(id));
  if (spec.majorVersion <= 3) Put32(out, uint32_t(info.size()));
  Put32(out, uint32_t(info.size() + rest.size()));
  return out + info + rest;
}

// An information chunk: from version 4 on it starts with its own length.
QByteArray Chunk(const PspSpec& spec, const QByteArray& fields) {
  if (spec.majorVersion <= 3) return fields;
  QByteArray out;
  Put32(out, uint32_t(fields.size() + 4));
  return out + fields;
}

QByteArray ChannelBlock(const PspSpec& spec, const PspChannelSpec& channel, int compression) {
  const QByteArray packed = PspCompress(channel.bytes, compression);
  QByteArray fields;
  Put32(fields, uint32_t(packed.size()));
  Put32(fields, uint32_t(channel.bytes.size()));
  Put16(fields, unsigned(channel.bitmapType));
  Put16(fields, unsigned(channel.channelType));
  return Block(spec, 5, Chunk(spec, fields), packed);
}

QByteArray PaletteBlock(const PspSpec& spec, const QList<uint32_t>& palette) {
  QByteArray fields, entries;
  Put32(fields, uint32_t(palette.size()));
  for (uint32_t rgb : palette) Put32(entries, rgb & 0xFFFFFF);  // blue, green, red, 0
  return Block(spec, 2, Chunk(spec, fields), entries);
}

QByteArray ImageBlock(const PspSpec& spec) {
  QByteArray fields;
  Put32(fields, uint32_t(spec.width));
  Put32(fields, uint32_t(spec.height));
  fields.append(8, '\0');  // resolution
  Put8(fields, 1);
  Put16(fields, unsigned(spec.compression));
  Put16(fields, unsigned(spec.bitDepth));
  Put16(fields, 1);
  Put32(fields, spec.bitDepth >= 24 ? 1u << 24 : 1u << spec.bitDepth);
  Put8(fields, spec.greyscale ? 1 : 0);
  Put32(fields, 0);
  Put32(fields, 0);
  Put16(fields, unsigned(spec.layers.size()));
  if (spec.majorVersion > 3) Put32(fields, 1);  // graphic contents: raster layers
  return Block(spec, 0, Chunk(spec, fields));
}

QByteArray CompositeBank(const PspSpec& spec) {
  QByteArray info, rest;
  Put32(info, 8);
  Put32(info, uint32_t(spec.composites.size()));
  for (const PspCompositeSpec& c : spec.composites) {
    QByteArray fields;
    Put32(fields, 24);
    Put32(fields, uint32_t(c.width));
    Put32(fields, uint32_t(c.height));
    Put16(fields, unsigned(c.bitDepth));
    Put16(fields, c.jpeg ? 3u : unsigned(c.compression));
    Put16(fields, 1);
    Put32(fields, c.bitDepth >= 24 ? 1u << 24 : 1u << c.bitDepth);
    Put16(fields, unsigned(c.compositeType));
    rest += Block(spec, 17, fields);
  }
  for (const PspCompositeSpec& c : spec.composites) {
    if (c.jpeg) {
      QByteArray fields;
      Put32(fields, 14);
      Put32(fields, 4);
      Put32(fields, uint32_t(c.width * c.height * 3));
      Put16(fields, 0);
      rest += Block(spec, 18, fields, QByteArray("\xFF\xD8\xFF\xD9", 4));
      continue;
    }
    QByteArray fields, sub;
    Put32(fields, 8);
    Put16(fields, 1);
    Put16(fields, unsigned(c.channels.size()));
    if (!c.palette.isEmpty()) sub += PaletteBlock(spec, c.palette);
    for (const PspChannelSpec& channel : c.channels) sub += ChannelBlock(spec, channel, c.compression);
    rest += Block(spec, 9, fields, sub);
  }
  return Block(spec, 16, info, rest);
}

QByteArray LayerBlock(const PspSpec& spec, const PspLayerSpec& layer) {
  QByteArray fields, rest;
  const QByteArray name("Raster");
  if (spec.majorVersion <= 3) {
    fields = name.leftJustified(256, '\0');
  } else {
    Put16(fields, unsigned(name.size()));
    fields.append(name);
  }
  Put8(fields, unsigned(layer.type));
  PutBox(fields, layer.imageRect);
  PutBox(fields, layer.savedRect);
  Put8(fields, unsigned(layer.opacity));
  Put8(fields, 0);  // normal blending
  Put8(fields, layer.visible ? 1 : 0);
  Put8(fields, 0);
  Put8(fields, 0);
  PutBox(fields, {});
  PutBox(fields, {});
  fields.append(3, '\0');
  Put16(fields, 5);
  for (int i = 0; i < 5; ++i) Put32(fields, 0xFFFF), Put32(fields, 0xFFFF);
  if (spec.majorVersion <= 3) {
    Put16(fields, layer.channels.isEmpty() ? 0 : 1);
    Put16(fields, unsigned(layer.channels.size()));
  } else {
    if (layer.extensionBlock) rest += Block(spec, 33, QByteArray(24, '\0'));
    QByteArray bitmap;
    Put32(bitmap, 8);
    Put16(bitmap, layer.channels.isEmpty() ? 0 : 1);
    Put16(bitmap, unsigned(layer.channels.size()));
    rest += bitmap;
  }
  for (const PspChannelSpec& channel : layer.channels) rest += ChannelBlock(spec, channel, spec.compression);
  return Block(spec, 4, Chunk(spec, fields), rest);
}

}  // namespace

QByteArray PspCompress(const QByteArray& bytes, int compression) {
  if (compression == 2) {
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray out(qsizetype(size), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.constData()),
              uLong(bytes.size()), 6);
    out.truncate(qsizetype(size));
    return out;
  }
  if (compression != 1) return bytes;
  QByteArray out;
  const qsizetype n = bytes.size();
  qsizetype i = 0;
  while (i < n) {
    qsizetype run = 1;
    while (i + run < n && run < 127 && bytes[i + run] == bytes[i]) ++run;
    if (run >= 3) {
      out.append(char(128 + run));
      out.append(bytes[i]);
      i += run;
      continue;
    }
    qsizetype literal = 0;
    while (i + literal < n && literal < 128 &&
           !(i + literal + 2 < n && bytes[i + literal] == bytes[i + literal + 1] &&
             bytes[i + literal] == bytes[i + literal + 2]))
      ++literal;
    out.append(char(literal));
    out.append(bytes.mid(i, literal));
    i += literal;
  }
  return out;
}

QByteArray PspPlaneOf(const QImage& picture, int which) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  QByteArray out;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      out.append(char(which == 0 ? qRed(p) : which == 1 ? qGreen(p) : which == 2 ? qBlue(p) : qAlpha(p)));
    }
  return out;
}

QByteArray PspIndexRows(const QByteArray& indices, int width, int height, int bits) {
  if (bits == 8) return indices;
  const int stride = (width * bits + 31) / 32 * 4;
  QByteArray out(qsizetype(stride) * height, '\0');
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int v = uchar(indices[qsizetype(y) * width + x]);
      char& byte = out[qsizetype(y) * stride + x * bits / 8];
      byte = char(byte | (v << (8 - bits - (x * bits) % 8)));
    }
  return out;
}

QByteArray WritePsp(const PspSpec& spec) {
  QByteArray out("Paint Shop Pro Image File\n\x1a");
  out.append(32 - out.size(), '\0');
  Put16(out, unsigned(spec.majorVersion));
  Put16(out, 0);
  out += ImageBlock(spec);
  if (!spec.composites.isEmpty()) out += CompositeBank(spec);
  if (!spec.palette.isEmpty()) out += PaletteBlock(spec, spec.palette);
  QByteArray layers;
  for (const PspLayerSpec& layer : spec.layers) layers += LayerBlock(spec, layer);
  out += Block(spec, 3, QByteArray(), layers);
  return out + spec.trailer;
}

}  // namespace mosaicor
