#include "workbench/ColourPots.h"

#include "workbench/SourceWorkflow.h"
#include "workbench/TileWorkflow.h"
#include "workbench/Workbench.h"

namespace mosaicor {

void ColourPots::FlatTile(QRgb colour) {
  bench_.State.ClipTileColour = colour;
  bench_.Tiles().InitClipTile();
}

void ColourPots::PanelMagentaOnClick() { FlatTile(bench_.State.TransparentColour); }
void ColourPots::PanelBlackOnClick() { FlatTile(bench_.State.EmptyColour); }
void ColourPots::PanelFillerOnClick() { FlatTile(bench_.State.FillerColour); }
void ColourPots::SourceColourSampleClick() { FlatTile(bench_.State.SampleColour); }

void ColourPots::PanelFillerOnDblClick() {
  WindowState& s = bench_.State;
  // The slot takes the colour in force as the dialog opens, whatever the user then does, so
  // the first eight custom colours remember the last eight filler colours.
  const QString line = QStringLiteral("Color%1=%2").arg(QChar('A' + s.FillerHistorySlot)).arg(BgrHex(s.FillerColour));
  s.CustomColours[s.FillerHistorySlot] = line;
  s.FillerHistorySlot = (s.FillerHistorySlot + 1) % 8;
  s.FillerColour = bench_.Dialogs.ChooseColour(s.FillerColour, s.CustomColours) | 0xFF000000u;
  FlatTile(s.FillerColour);
}

void ColourPots::SourceColourSampleOnDblClick() {
  WindowState& s = bench_.State;
  s.FillerColour = s.SampleColour;
  FlatTile(s.FillerColour);
}

void ColourPots::SpeedButtonOpaqueClick() {
  bench_.State.Transparency = TransparencyMode::Opaque;
  bench_.Sources().SourceRepeat();
  bench_.State.Picking = false;
  bench_.NotifyChanged();
}

void ColourPots::SpeedButtonMagentaClick() {
  bench_.State.Transparency = TransparencyMode::Magenta;
  bench_.Sources().SourceRepeat();
  bench_.State.Picking = false;
  bench_.NotifyChanged();
}

void ColourPots::SpeedButtonPickerOnClick() {
  // Nothing is reloaded: a level on show keeps the transparency it was extracted with.
  bench_.State.Transparency = TransparencyMode::Picker;
  bench_.State.Picking = true;
  bench_.NotifyChanged();
}

void ColourPots::SpeedButtonAlphaClick(bool down) {
  bench_.State.AlphaShown = down;
  bench_.Source.Layers().L2_Alpha().SetVisible(down);
  bench_.NotifyChanged();
}

}  // namespace mosaicor
