#pragma once
// The colour pots (transparent, empty, filler, picked), the filler colour dialog with its
// history of the last eight filler colours, the colour picker, and the transparency tab.

#include <QRgb>

#include "app/workbench/WindowState.h"

namespace mosaicor {

class Chooser;
class ImageStack;
class Operations;
class SourceWorkflow;
class TileWorkflow;

class ColourPots {
 public:
  ColourPots(Operations& operations, Chooser& dialogs, Document& doc, ViewState& view, ImageStack& source,
             TileWorkflow& tiles, SourceWorkflow& sources);

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

  Operations& operations_;
  Chooser& dialogs_;
  Document& doc_;
  ViewState& view_;
  ImageStack& source_;
  TileWorkflow& tiles_;
  SourceWorkflow& sources_;
};

}  // namespace mosaicor
