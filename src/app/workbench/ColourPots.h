#pragma once
// The colour pots (transparent, empty, filler, picked), the filler colour dialog with its
// history of the last eight filler colours, the colour picker, and the transparency tab.

#include <QRgb>

#include "app/workbench/WindowState.h"

namespace mosaicor {

class SourceWorkflow;
class TileWorkflow;
class Workbench;

class ColourPots {
 public:
  explicit ColourPots(Workbench& bench);

  void ChooseMagentaPot();
  void ChooseBlackPot();
  void ChooseFillerPot();
  // Always follows a click, which has already made a flat tile of the old filler colour.
  void ChangeFillerColour();
  void ChoosePickedPot();
  void TakePickedAsFiller();

  // Opaque and magenta reload the Source with that transparency; the picker starts picking.
  void ChooseTransparency(TransparencyMode mode);
  void ShowAlpha(bool shown);

 private:
  void FlatTile(QRgb colour);

  Workbench& bench_;
  Document& doc_;
  ViewState& view_;
  TileWorkflow& tiles_;
  SourceWorkflow& sources_;
};

}  // namespace mosaicor
