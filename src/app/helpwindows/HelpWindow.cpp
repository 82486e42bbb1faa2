#include "app/helpwindows/HelpWindow.h"

#include <QCoreApplication>

namespace mosaicor {

HelpWindow::HelpWindow()
    : DocumentWindow(":/MosaicorHelp", {QCoreApplication::translate("mosaicor::HelpWindow", "   Help"), QSize(725, 592),
                                        "Spacer", Qt::ScrollBarAsNeeded}) {
  setObjectName("THelpForm");
}

}  // namespace mosaicor
