#pragma once
// The main window without widgets: both canvases' models, the document and the view state, and
// every user operation, grouped by job into small workflow classes that the workbench builds and
// owns. Each workflow is handed only what it works on. The window builds the controls, shows the
// two models on its canvas widgets, calls the workflows' intents from its handlers, and refreshes
// what Operations::Changed names. Tests drive the workbench through the window or directly, with
// a scripted Chooser in place of the dialogs.

#include <QObject>
#include <memory>

#include "app/workbench/Chooser.h"
#include "app/workbench/Operations.h"
#include "app/workbench/WindowState.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

class ImageFileModule;
class TombRaiderFileModule;
class SourceWorkflow;
class TargetWorkflow;
class TargetDocument;
class TileWorkflow;
class ColourPots;
class ClipboardExchange;
class TargetHistory;
class PackWorkflow;
class TargetCensus;
class CompactWorkflow;
class LibraryWorkflow;

class Workbench : public QObject {
  Q_OBJECT

 public:
  Workbench(Chooser& chooser, ImageFileModule& pictures, TombRaiderFileModule& levels, QObject* parent = nullptr);
  ~Workbench() override;

  // What the window shows; only the workflows change it.
  const Document& Doc() const { return doc_; }
  const ViewState& View() const { return view_; }
  // The canvases' models, which their widgets draw and drive.
  ImageStack& Source() { return source_; }
  ImageStack& Target() { return target_; }
  const ImageStack& Source() const { return source_; }
  const ImageStack& Target() const { return target_; }
  Operations& Ops() { return operations_; }
  Chooser& Dialogs() { return dialogs_; }

  TargetDocument& TargetDoc() { return *targetDoc_; }
  const TargetDocument& TargetDoc() const { return *targetDoc_; }
  SourceWorkflow& Sources() { return *sources_; }
  TargetWorkflow& Targets() { return *targets_; }
  TileWorkflow& Tiles() { return *tiles_; }
  ColourPots& Pots() { return *pots_; }
  ClipboardExchange& Clipboard() { return *clipboard_; }
  TargetHistory& History() { return *history_; }
  const TargetHistory& History() const { return *history_; }
  PackWorkflow& Packs() { return *packs_; }
  TargetCensus& Census() { return *census_; }
  const TargetCensus& Census() const { return *census_; }
  CompactWorkflow& Compacts() { return *compacts_; }
  LibraryWorkflow& Libraries() { return *libraries_; }

  // Edit menu: a step of the Target's history back or forth.
  void Undo();
  void Redo();

  // The model side of the start-up: both canvases at 256 x 512 with a 64 x 64 grid, page
  // counters 1 and 2, the Target black, colours and paths at their start values.
  void Start();

  // A left click on empty space of the central panel: pasting, transforms and animations end on
  // both canvases, and the transform group returns to None.
  void ReturnToIdle();

  // The tab a page control shows, chosen by the user.
  void ShowSourceTab(SourceTab tab);
  void ShowTargetTab(TargetTab tab);

  // What the canvases' models hold, as the controls show it: the grid (which FREE mode also hides)
  // and the alpha layer are shown or not on the canvases themselves.
  bool GridShown() const { return source_.Layers().L5_Grid().Visible(); }
  bool AlphaShown() const { return source_.Layers().L2_Alpha().Visible(); }
  bool AutoExport() const { return source_.Cursor().AutoExport(); }
  TransformTool Transform() const;
  QString TargetComboText() const { return view_.TargetShowsCopy ? texts::CreateNewItem() : doc_.TargetCaption(); }

 private:
  Chooser& dialogs_;
  ImageFileModule& pictures_;
  TombRaiderFileModule& levels_;
  // Parts that need nothing else; the rest are made in the constructor's body, in the order of
  // what each needs.
  Operations operations_;
  Document doc_;
  ViewState view_;
  ImageStack source_;
  ImageStack target_;
  std::unique_ptr<TargetDocument> targetDoc_;
  std::unique_ptr<TargetHistory> history_;
  std::unique_ptr<SourceWorkflow> sources_;
  std::unique_ptr<TileWorkflow> tiles_;
  std::unique_ptr<TargetWorkflow> targets_;
  std::unique_ptr<ColourPots> pots_;
  std::unique_ptr<ClipboardExchange> clipboard_;
  std::unique_ptr<TargetCensus> census_;
  std::unique_ptr<PackWorkflow> packs_;
  std::unique_ptr<CompactWorkflow> compacts_;
  std::unique_ptr<LibraryWorkflow> libraries_;
};

}  // namespace mosaicor
