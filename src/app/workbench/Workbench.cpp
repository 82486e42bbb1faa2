#include "app/workbench/Workbench.h"

#include "app/workbench/ClipboardExchange.h"
#include "app/workbench/ColourPots.h"
#include "app/workbench/CompactWorkflow.h"
#include "app/workbench/LibraryWorkflow.h"
#include "app/workbench/PackWorkflow.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

Workbench::Workbench(Chooser& chooser, ImageFileModule& pictures, TombRaiderFileModule& levels, QObject* parent)
    : QObject(parent), dialogs_(chooser), pictures_(pictures), levels_(levels) {
  doc_.CustomColours = StartCustomColours();
  targetDoc_ = std::make_unique<TargetDocument>(target_);
  history_ = std::make_unique<TargetHistory>(target_, *targetDoc_);
  sources_ = std::make_unique<SourceWorkflow>(
      SourceWorkflow::Parts{operations_, dialogs_, pictures_, levels_, doc_, view_, source_});
  tiles_ = std::make_unique<TileWorkflow>(operations_, doc_, view_, source_, target_, *history_);
  targets_ = std::make_unique<TargetWorkflow>(
      TargetWorkflow::Parts{operations_, dialogs_, pictures_, doc_, view_, source_, target_, *targetDoc_, *history_});
  pots_ = std::make_unique<ColourPots>(operations_, dialogs_, doc_, view_, source_, *tiles_, *sources_);
  clipboard_ = std::make_unique<ClipboardExchange>(operations_, doc_, view_, source_, target_, *tiles_);
  census_ = std::make_unique<TargetCensus>(dialogs_, *targetDoc_, *history_);
  packs_ = std::make_unique<PackWorkflow>(operations_, dialogs_, pictures_, doc_, view_, *targetDoc_, *history_);
  compacts_ = std::make_unique<CompactWorkflow>(operations_, dialogs_, doc_, *targetDoc_, *history_, *census_);
  libraries_ = std::make_unique<LibraryWorkflow>(operations_, dialogs_, doc_, *targetDoc_, *census_);
  targets_->SetSaveHooks([this](const QString& file) { return compacts_->BeforeSave(file); },
                         [this](const QString& file) { compacts_->AfterSave(file); });
}

Workbench::~Workbench() = default;

void Workbench::Start() {
  const Operations::Operation operation(operations_);
  for (ImageStack* canvas : {&source_, &target_}) {
    canvas->InitStack(kSetPageSide, 2 * kSetPageSide);
    canvas->Grid().InitGrid(kSetCellSide, kSetCellSide);
  }
  // New target pages are black until Create New, Copy All or a load hands them the filler colour.
  targetDoc_->SetFill(colours::Empty);
  targetDoc_->SetPages(TargetPages{1, 2});
  tiles_->SetTileSize(1);
  doc_.TransparentColour = colours::Transparent;
  doc_.EmptyColour = colours::Empty;
  doc_.FillerColour = colours::DefaultFiller;
  doc_.ClipTileColour = colours::Empty;
  doc_.FillerHistorySlot = 0;
  history_->SetClean();
}

void Workbench::Undo() {
  const Operations::Operation operation(operations_);
  compacts_->BeforeUndo();
  history_->Undo();
  compacts_->AfterUndo();
}

void Workbench::Redo() {
  const Operations::Operation operation(operations_);
  compacts_->BeforeRedo();
  history_->Redo();
  compacts_->AfterRedo();
}

void Workbench::ReturnToIdle() {
  const Operations::Operation operation(operations_, Change::CanvasPress);
  // The transform buttons follow: the Target is no longer waiting for a transform.
  for (ImageStack* canvas : {&source_, &target_}) {
    canvas->Cursor().SetModeToIdle();
    canvas->Animation().AnimRunning = false;
  }
}

void Workbench::ShowSourceTab(SourceTab tab) { view_.SourcePage = tab; }
void Workbench::ShowTargetTab(TargetTab tab) { view_.TargetPage = tab; }

TransformTool Workbench::Transform() const { return TileWorkflow::TransformOf(target_); }

}  // namespace mosaicor
