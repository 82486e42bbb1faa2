#pragma once
// The program's own pictures, compiled in as Qt resources: the window icon, the button glyphs and the
// help and credits documents. The drawings are SVG in the sources and PNG (1x and 2x) in the program,
// rendered at build time. The library that holds them is static, so nothing would pull the
// resource objects into the program unless someone asks for them: InitResources does that, and every
// loader here calls it first.

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace mosaicor {

// Registers the compiled-in resources; cheap and safe to call any number of times.
void InitResources();

// Names of the button glyphs, each loadable as ":/glyph/<name>.png".
const QStringList& GlyphNames();

// A button glyph by name (one of GlyphNames), sharp at its 20-pixel size at 100 % and 200 %.
QIcon LoadGlyph(const QString& name);

// The window icon: a mosaic of four tiles.
QIcon LoadWindowIcon();

// The picture of a PNG resource (":/PICKER.png") at size x size pixels, taken from its @2x rendering
// where that is nearer; a null picture when the resource is missing.
QImage LoadArt(const QString& resourcePath, int size);

}  // namespace mosaicor
