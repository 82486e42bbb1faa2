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

  void PanelMagentaOnClick();
  void PanelBlackOnClick();
  void PanelFillerOnClick();
  // Always follows a click, which has already made a flat tile of the old filler colour.
  void PanelFillerOnDblClick();
  void SourceColourSampleClick();
  void SourceColourSampleOnDblClick();

  void SpeedButtonOpaqueClick();
  void SpeedButtonMagentaClick();
  void SpeedButtonPickerOnClick();
  void SpeedButtonAlphaClick(bool down);

 private:
  void FlatTile(QRgb colour);
  void ChooseTransparency(TransparencyMode mode);

  Workbench& bench_;
  Document& doc_;
  ViewState& view_;
  TileWorkflow& tiles_;
  SourceWorkflow& sources_;
};

}  // namespace mosaicor
