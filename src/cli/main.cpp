// mosaicor-cli: the batch side of Mosaicor (level pages, animated textures, picture
// conversion, tile resampling, file information) over the same core as the desktop program.

#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/Console.h"

#include <QCoreApplication>

using namespace mosaicor;

namespace {

// Qt's own log lines (qt.gui.imageio and the like) are not the companion's to print: every failure
// already has its one line with the true reason, and scripts read stderr line by line.
void DropQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(DropQtMessage);
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();

  QString error;
  const auto options = ParseCommandLine(args, error);
  if (!options) {
    PrintText(stderr, QStringLiteral("mosaicor-cli: %1\nTry 'mosaicor-cli --help'.\n").arg(error));
    return 2;
  }
  switch (options->command) {
    case CliCommand::Help:
      PrintText(stdout, UsageText());
      return 0;
    case CliCommand::Version:
      PrintText(stdout, QStringLiteral("mosaicor-cli " MOSAICOR_VERSION
                                       "\nCopyright (c) 2026 The Mosaicor developers. MIT licence.\n"));
      return 0;
    case CliCommand::Pages: return RunPages(*options);
    case CliCommand::Animated: return RunAnimated(*options);
    case CliCommand::Convert: return RunConvert(*options);
    case CliCommand::Resize: return RunResize(*options);
    case CliCommand::Info: return RunInfo(*options);
    case CliCommand::Pack: return RunPack(*options);
    case CliCommand::Tiles: return RunTiles(*options);
    case CliCommand::Compact: return RunCompact(*options);
    case CliCommand::Retexture: return RunRetexture(*options);
    case CliCommand::Remap: return RunRemap(*options);
    case CliCommand::None: break;
  }
  return 2;
}
