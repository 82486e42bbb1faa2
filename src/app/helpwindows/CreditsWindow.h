#pragma once
// The credits ("Credits"): the libraries the program is built on and their licences.

#include "app/helpwindows/DocumentWindow.h"

namespace mosaicor {

class CreditsWindow : public DocumentWindow {
  Q_OBJECT

 public:
  CreditsWindow();
};


}  // namespace mosaicor
