#include "workbench/Workbench.h"

#include "imagefiles/ImageFileModule.h"
#include "workbench/ClipboardExchange.h"
#include "workbench/ColourPots.h"
#include "workbench/SourceWorkflow.h"
#include "workbench/TargetHistory.h"
#include "workbench/TargetWorkflow.h"
#include "workbench/TileWorkflow.h"

namespace mosaicor {

Workbench::Workbench(Chooser& chooser, ImageFileModule& pictures, TombRaiderFileModule& levels, QObject* parent)
    : QObject(parent),
      Dialogs(chooser),
      Pictures(pictures),
      Levels(levels),
      sources_(std::make_unique<SourceWorkflow>(*this)),
      targets_(std::make_unique<TargetWorkflow>(*this)),
      history_(std::make_unique<TargetHistory>(Target, *targets_)),
      tiles_(std::make_unique<TileWorkflow>(*this)),
      pots_(std::make_unique<ColourPots>(*this)),
      clipboard_(std::make_unique<ClipboardExchange>(*this)) {
  State.CustomColours = StartCustomColours();
}

Workbench::~Workbench() = default;

void Workbench::FormCreate() {
  Source.InitStack(256, 512);
  Target.InitStack(256, 512);
  Source.Grid().InitGrid(64, 64);
  Target.Grid().InitGrid(64, 64);
  // Sizes the Target's port and writes the info line and the page boxes.
  targets_->SetPages(TargetPages{1, 2});
  tiles_->ClipTileSizeScrollChange(1);
  State.TransparentColour = colours::Transparent;
  State.EmptyColour = colours::Empty;
  State.FillerColour = colours::DefaultFiller;
  State.ClipTileColour = colours::Empty;
  State.FillerHistorySlot = 0;
  // New target pages are black until Create New or Copy All hands them the filler colour.
  Target.Layers().Colours().BackColor = colours::Empty;
  Target.Layers().L1_Image().SetFillColour(colours::Empty);
  history_->SetClean();
  NotifyChanged();
}

void Workbench::Undo() {
  history_->Undo();
  NotifyChanged();
}

void Workbench::Redo() {
  history_->Redo();
  NotifyChanged();
}

void Workbench::PanelRightSideClick() {
  for (ImageStack* canvas : {&Source, &Target}) {
    canvas->Cursor().SetModeToIdle();
    canvas->Animation().AnimRunning = false;
  }
  // Only the button's state: the None handler does not run.
  State.Transform = TransformTool::None;
  NotifyChanged();
}

}  // namespace mosaicor
