// The desktop program's start-up: the command line, then the language, then the main window (which
// creates the picture and level modules it uses), then the about, help and credits windows; files
// named on the command line open as a drop on the Source and a Reload of the Target would; then the
// event loop runs until the main window closes.

#include "app/art/Art.h"
#include "app/helpwindows/AboutWindow.h"
#include "app/helpwindows/CreditsWindow.h"
#include "app/helpwindows/HelpWindow.h"
#include "app/mainwindow/CommandLine.h"
#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/SafeApplication.h"
#include "app/platform/TonePlayer.h"
#include "app/texts/WindowLanguage.h"
#include "app/workbench/RecoveryKeeper.h"

#include <QLocale>

using namespace mosaicor;

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Mosaicor"));
  // --version prints the name and this text, so the licence rides on the version's second line.
  QCoreApplication::setApplicationVersion(
      QStringLiteral(MOSAICOR_VERSION "\nCopyright (c) 2026 The Mosaicor developers. MIT licence."));
  // The command line is read before the window system is reached, so --help, --version and a
  // wrong option answer on a machine without a display.
  StartupFiles files;
  {
    const QCoreApplication commandLine(argc, argv);
    files = ParseCommandLine(QCoreApplication::arguments());
  }

  SafeApplication app(argc, argv);
  // Translators belong to the application that runs the window, so they are installed only now.
  InstallTranslations(files.language.isEmpty() ? ResolveLanguage({}, QLocale::system().uiLanguages()) : files.language);
  InitResources();
  app.setWindowIcon(LoadWindowIcon());

  TonePlayer tones;
  MainWindow window(tones);
  CreditsWindow credits;
  HelpWindow help;
  AboutWindow about(&window, help, credits);  // after the window, so it goes first
  window.SetAboutWindow(&about);
  window.SetHelpWindow(&help);
  window.show();

  // Work left by a run that did not end cleanly is offered before anything else is opened.
  RecoveryKeeper recovery(window.Bench(), RecoveryKeeper::DefaultFolder());
  QObject::connect(&recovery, &RecoveryKeeper::Noted, &window, &MainWindow::ShowNote);
  recovery.OfferRecovery();
  OpenStartupFiles(window.Bench(), files);
  return app.exec();
}
