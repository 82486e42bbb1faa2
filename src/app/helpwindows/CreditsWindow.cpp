#include "app/helpwindows/CreditsWindow.h"

#include <QCoreApplication>

namespace mosaicor {

CreditsWindow::CreditsWindow()
    : DocumentWindow(":/MosaicorCredits", {QCoreApplication::translate("mosaicor::CreditsWindow", "Credits"),
                                           QSize(724, 592), "SpacerLeft", Qt::ScrollBarAlwaysOn}) {
  setObjectName("TCreditsForm");
}

}  // namespace mosaicor
