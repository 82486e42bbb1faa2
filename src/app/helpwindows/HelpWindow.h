#pragma once
// The user manual ("   Help"), opened from the about window and from the Help menu.

#include "app/helpwindows/DocumentWindow.h"

namespace mosaicor {

class HelpWindow : public DocumentWindow {
  Q_OBJECT

 public:
  HelpWindow();
};


}  // namespace mosaicor
