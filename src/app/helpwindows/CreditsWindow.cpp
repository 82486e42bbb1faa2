#include "helpwindows/CreditsWindow.h"

namespace mosaicor {

CreditsWindow::CreditsWindow()
    : DocumentWindow(":/MosaicorCredits", {"Credits", QSize(724, 592), "SpacerLeft", Qt::ScrollBarAlwaysOn}) {
  setObjectName("TCreditsForm");
}

}  // namespace mosaicor
