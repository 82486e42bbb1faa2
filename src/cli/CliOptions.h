#pragma once
// The companion's command line, parsed once into plain values. Parsing knows which options
// each command takes; anything else is a usage error (exit status 2).

#include <QString>
#include <QStringList>
#include <optional>

enum class CliCommand { None, Pages, Animated, Convert, Resize, Info, Help, Version };

struct CliOptions {
  CliCommand command = CliCommand::None;
  QStringList inputs;
  QString output;           // -o OUT
  bool maskTransparency = false;  // --transparency auto
  bool alpha = false;       // --alpha
  QString format;           // --format tga|bmp|jpg|png, lower case; empty when not given
  int width = 0, height = 0;  // --size WxH
  bool scrollTile = false;  // --scroll-tile
  bool quiet = false;       // --quiet
  bool verbose = false;     // --verbose
};

// Parses argv (without the program name). On a usage error returns nothing and sets error.
std::optional<CliOptions> ParseCommandLine(const QStringList& args, QString& error);

QString UsageText();
