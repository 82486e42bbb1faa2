#include "app/workbench/ColourPots.h"

#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "app/workbench/Workbench.h"

namespace mosaicor {

ColourPots::ColourPots(Workbench& bench)
    : bench_(bench), doc_(bench.Doc), view_(bench.View), tiles_(bench.Tiles()), sources_(bench.Sources()) {}

void ColourPots::FlatTile(QRgb colour) {
  doc_.ClipTileColour = colour;
  tiles_.InitClipTile();
}

void ColourPots::ChooseMagentaPot() { FlatTile(doc_.TransparentColour); }
void ColourPots::ChooseBlackPot() { FlatTile(doc_.EmptyColour); }
void ColourPots::ChooseFillerPot() { FlatTile(doc_.FillerColour); }
void ColourPots::ChoosePickedPot() { FlatTile(doc_.SampleColour); }

void ColourPots::ChangeFillerColour() {
  // The slot takes the colour in force as the dialog opens, whatever the user then does, so
  // the first eight custom colours remember the last eight filler colours.
  const QString line =
      QStringLiteral("Color%1=%2").arg(QChar('A' + doc_.FillerHistorySlot)).arg(BgrHex(doc_.FillerColour));
  doc_.CustomColours[doc_.FillerHistorySlot] = line;
  doc_.FillerHistorySlot = (doc_.FillerHistorySlot + 1) % 8;
  doc_.FillerColour = bench_.Dialogs.ChooseColour(doc_.FillerColour, doc_.CustomColours) | 0xFF000000u;
  FlatTile(doc_.FillerColour);
}

void ColourPots::TakePickedAsFiller() {
  doc_.FillerColour = doc_.SampleColour;
  FlatTile(doc_.FillerColour);
}

void ColourPots::ChooseTransparency(TransparencyMode mode) {
  const Workbench::Operation operation(bench_);
  view_.Transparency = mode;
  view_.Picking = mode == TransparencyMode::Picker;
  // Nothing is reloaded for the picker: a level on show keeps the transparency it was extracted with.
  if (mode != TransparencyMode::Picker) sources_.SourceRepeat();
}

void ColourPots::ShowAlpha(bool shown) {
  const Workbench::Operation operation(bench_);
  view_.AlphaShown = shown;
  bench_.Source.Layers().L2_Alpha().SetVisible(shown);
}

}  // namespace mosaicor
