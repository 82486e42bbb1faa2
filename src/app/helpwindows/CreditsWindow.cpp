#include "app/helpwindows/CreditsWindow.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace mosaicor {

namespace {

// How this build carries Qt, and what the LGPL then lets a user do with it.
QString QtLinking() {
#if !defined(QT_STATIC)
  return QStringLiteral("The Qt libraries are linked dynamically, so you may replace them with your own build.");
#else
  return QStringLiteral(
             "In this build the Qt libraries are linked statically into the program. To use a Qt of your own, "
             "relink the program with it: its complete source, with the scripts that build it (scripts/windows "
             "builds the Windows programs and their static Qt from Debian's qt6-base source package; "
             "docs/platforms.md tells how), is published with every release as mosaicor-%1-source.tar.gz, beside "
             "the Windows installer and zip.")
      .arg(QStringLiteral(MOSAICOR_VERSION));
#endif
}

}  // namespace

CreditsWindow::CreditsWindow()
    : DocumentWindow(":/MosaicorCredits", {QCoreApplication::translate("mosaicor::CreditsWindow", "Credits"),
                                           QSize(724, 592),
                                           "SpacerLeft",
                                           Qt::ScrollBarAlwaysOn,
                                           {{QStringLiteral("qt-linking"), QtLinking()}}}) {
  setObjectName("TCreditsForm");
}

}  // namespace mosaicor
