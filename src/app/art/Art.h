#pragma once
// The program's own pictures, compiled in as Qt resources: the window icon, the button glyphs and the
// help and credits documents. The library that holds them is static, so nothing would pull the
// resource objects into the program unless someone asks for them: InitResources does that, and every
// loader here calls it first.

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace mosaicor {

// Registers the compiled-in resources; cheap and safe to call any number of times.
void InitResources();

// Names of the button glyphs, each loadable as ":/glyph/<name>".
const QStringList& GlyphNames();

// A button glyph by name (one of GlyphNames), sharp at every size and screen scale.
QIcon LoadGlyph(const QString& name);

// The window icon: a mosaic of four tiles.
QIcon LoadWindowIcon();

// Renders an SVG resource into a square ARGB picture of size x size pixels; a null picture when the
// resource is missing or not a valid drawing.
QImage RenderSvg(const QString& resourcePath, int size);

}  // namespace mosaicor
