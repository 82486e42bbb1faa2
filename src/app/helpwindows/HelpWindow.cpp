#include "helpwindows/HelpWindow.h"

namespace mosaicor {

HelpWindow::HelpWindow()
    : DocumentWindow(":/MosaicorHelp", {"   Help", QSize(725, 592), "Spacer", Qt::ScrollBarAsNeeded}) {
  setObjectName("THelpForm");
}

}  // namespace mosaicor
