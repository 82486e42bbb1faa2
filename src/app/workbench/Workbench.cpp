#include "app/workbench/Workbench.h"

#include "app/workbench/ClipboardExchange.h"
#include "app/workbench/ColourPots.h"
#include "app/workbench/CompactWorkflow.h"
#include "app/workbench/PackWorkflow.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/SetGeometry.h"

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
      clipboard_(std::make_unique<ClipboardExchange>(*this)),
      packs_(std::make_unique<PackWorkflow>(*this)),
      census_(std::make_unique<TargetCensus>(*this)),
      compacts_(std::make_unique<CompactWorkflow>(*this)) {
  Doc.CustomColours = StartCustomColours();
  connect(history_.get(), &TargetHistory::edited, this, &Workbench::TargetEdited);
}

Workbench::~Workbench() = default;

void Workbench::Start() {
  const Operation operation(*this);
  for (ImageStack* canvas : {&Source, &Target}) {
    canvas->InitStack(kSetPageSide, 2 * kSetPageSide);
    canvas->Grid().InitGrid(kSetCellSide, kSetCellSide);
  }
  // Sizes the Target's port and writes the info line and the page boxes.
  targets_->SetPages(TargetPages{1, 2});
  tiles_->SetTileSize(1);
  Doc.TransparentColour = colours::Transparent;
  Doc.EmptyColour = colours::Empty;
  Doc.FillerColour = colours::DefaultFiller;
  Doc.ClipTileColour = colours::Empty;
  Doc.FillerHistorySlot = 0;
  // New target pages are black until Create New, Copy All or a load hands them the filler colour.
  Doc.TargetFill = colours::Empty;
  history_->SetClean();
}

void Workbench::Undo() {
  const Operation operation(*this);
  history_->Undo();
}

void Workbench::Redo() {
  const Operation operation(*this);
  history_->Redo();
}

void Workbench::ReturnToIdle() {
  const Operation operation(*this);
  // The transform buttons follow: the Target is no longer waiting for a transform.
  for (ImageStack* canvas : {&Source, &Target}) {
    canvas->Cursor().SetModeToIdle();
    canvas->Animation().AnimRunning = false;
  }
}

TransformTool Workbench::Transform() const {
  if (Target.Cursor().Mode() != ModeTransform) return TransformTool::None;
  switch (Target.Cursor().CursorName()) {
    case CursorBox::Rotate:
      return TransformTool::Rotate;
    case CursorBox::HFlip:
      return TransformTool::HFlip;
    case CursorBox::VFlip:
      return TransformTool::VFlip;
    case CursorBox::Swap:
      return TransformTool::Swap;
    case CursorBox::Hand:
      return TransformTool::Move;
    case CursorBox::Normal:
      break;
  }
  return TransformTool::None;
}

}  // namespace mosaicor
