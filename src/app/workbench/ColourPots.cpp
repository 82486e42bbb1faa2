#include "app/workbench/ColourPots.h"

#include "app/workbench/Chooser.h"
#include "app/workbench/Operations.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

ColourPots::ColourPots(Operations& operations, Chooser& dialogs, Document& doc, ViewState& view, ImageStack& source,
                       TileWorkflow& tiles, SourceWorkflow& sources)
    : operations_(operations),
      dialogs_(dialogs),
      doc_(doc),
      view_(view),
      source_(source),
      tiles_(tiles),
      sources_(sources) {}

void ColourPots::FlatTile(QRgb colour) {
  const Operations::Operation operation(operations_, Change::Pots | Change::CanvasPress);
  doc_.ClipTileColour = colour;
  tiles_.InitClipTile();
}

void ColourPots::ChooseMagentaPot() { FlatTile(doc_.TransparentColour); }
void ColourPots::ChooseBlackPot() { FlatTile(doc_.EmptyColour); }
void ColourPots::ChooseFillerPot() { FlatTile(doc_.FillerColour); }
void ColourPots::ChoosePickedPot() { FlatTile(doc_.SampleColour); }

void ColourPots::ChangeFillerColour() {
  const Operations::Operation operation(operations_, Change::Pots | Change::CanvasPress);
  // The slot takes the colour in force as the dialog opens, whatever the user then does, so
  // the first eight custom colours remember the last eight filler colours.
  const QString line =
      QStringLiteral("Color%1=%2").arg(QChar('A' + doc_.FillerHistorySlot)).arg(BgrHex(doc_.FillerColour));
  doc_.CustomColours[doc_.FillerHistorySlot] = line;
  doc_.FillerHistorySlot = (doc_.FillerHistorySlot + 1) % 8;
  doc_.FillerColour = dialogs_.ChooseColour(doc_.FillerColour, doc_.CustomColours) | 0xFF000000u;
  FlatTile(doc_.FillerColour);
}

void ColourPots::TakePickedAsFiller() {
  doc_.FillerColour = doc_.SampleColour;
  FlatTile(doc_.FillerColour);
}

void ColourPots::ChooseTransparency(TransparencyMode mode) {
  const Operations::Operation operation(operations_);
  view_.Transparency = mode;
  view_.Picking = mode == TransparencyMode::Picker;
  // Nothing is reloaded for the picker: a level on show keeps the transparency it was extracted with.
  if (mode != TransparencyMode::Picker) sources_.SourceRepeat();
}

void ColourPots::ShowAlpha(bool shown) {
  const Operations::Operation operation(operations_, Change::View);
  source_.Layers().L2_Alpha().SetVisible(shown);
}

}  // namespace mosaicor
