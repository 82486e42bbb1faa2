// The desktop program's start-up: the main window (which creates the picture and level modules
// it uses), then the about, help and credits windows; files named on the command line open as
// a drop on the Source and a Reload of the Target would; then the event loop runs until the
// main window closes.

#include <QCommandLineParser>

#include "art/Art.h"
#include "helpwindows/AboutWindow.h"
#include "helpwindows/CreditsWindow.h"
#include "helpwindows/HelpWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SafeApplication.h"
#include "platform/TonePlayer.h"
#include "workbench/SourceWorkflow.h"
#include "workbench/TargetWorkflow.h"
#include "workbench/Workbench.h"

int main(int argc, char** argv) {
  mosaicor::SafeApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Mosaicor"));
  QCoreApplication::setApplicationVersion(QStringLiteral(MOSAICOR_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Builds texture sets for the classic Tomb Raider level editors."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("SOURCE"),
                               QStringLiteral("A level or picture to open in the Source canvas."), QStringLiteral("[SOURCE]"));
  const QCommandLineOption target(QStringLiteral("target"), QStringLiteral("A texture set to open in the Target canvas."),
                                  QStringLiteral("TEXTURESET"));
  parser.addOption(target);
  parser.process(app);
  mosaicor::InitResources();
  app.setWindowIcon(mosaicor::LoadWindowIcon());

  TonePlayer tones;
  mosaicor::MainWindow window(tones);
  mosaicor::CreditsWindow credits;
  mosaicor::HelpWindow help;
  mosaicor::AboutWindow about(&window, help, credits);  // after the window, so it goes first
  window.SetAboutWindow(&about);
  window.SetHelpWindow(&help);
  window.show();

  mosaicor::Workbench& bench = window.Bench();
  const QStringList sources = parser.positionalArguments();
  if (!sources.isEmpty()) bench.Sources().OpenFile(sources.constFirst());
  if (parser.isSet(target)) bench.Targets().OpenTextureSet(parser.value(target));
  bench.NotifyChanged();
  return app.exec();
}
