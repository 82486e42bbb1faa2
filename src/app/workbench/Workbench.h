#pragma once
// The main window without widgets: both canvases' models, the document and the view state, and
// every user operation, grouped by job into small workflow classes that the workbench owns. The
// window builds the controls, shows the two models on its canvas widgets, wires each control to a
// handler here, and reflects Doc and View whenever Changed is emitted. Tests drive the workbench
// through the window or directly, with a scripted Chooser in place of the dialogs.

#include <QObject>
#include <QRect>
#include <memory>

#include "app/texts/Reasons.h"
#include "app/workbench/Chooser.h"
#include "app/workbench/WindowState.h"
#include "core/canvas/ImageStack.h"
#include "core/common/Outcome.h"

namespace mosaicor {

class ImageFileModule;
class TombRaiderFileModule;
class SourceWorkflow;
class TargetWorkflow;
class TileWorkflow;
class ColourPots;
class ClipboardExchange;
class TargetHistory;
class PackWorkflow;
class TargetCensus;
class CompactWorkflow;

class Workbench : public QObject {
  Q_OBJECT

 public:
  Workbench(Chooser& chooser, ImageFileModule& pictures, TombRaiderFileModule& levels, QObject* parent = nullptr);
  ~Workbench() override;

  Document Doc;
  ViewState View;
  // The canvases' models. The history, which watches the Target's picture, goes before them.
  ImageStack Source;
  ImageStack Target;
  Chooser& Dialogs;
  ImageFileModule& Pictures;
  TombRaiderFileModule& Levels;

  SourceWorkflow& Sources() { return *sources_; }
  TargetWorkflow& Targets() { return *targets_; }
  TileWorkflow& Tiles() { return *tiles_; }
  ColourPots& Pots() { return *pots_; }
  ClipboardExchange& Clipboard() { return *clipboard_; }
  TargetHistory& History() { return *history_; }
  PackWorkflow& Packs() { return *packs_; }
  TargetCensus& Census() { return *census_; }
  CompactWorkflow& Compacts() { return *compacts_; }
  // Edit menu: a step of the Target's history back or forth.
  void Undo();
  void Redo();

  // The model side of the start-up: both canvases at 256 x 512 with a 64 x 64 grid, page
  // counters 1 and 2, the Target black, colours and paths at their start values.
  void Start();

  // A left click on empty space of the central panel: pasting, transforms and animations end on
  // both canvases, and the transform group returns to None.
  void ReturnToIdle();

  // True for a file that loaded or saved; otherwise shows the failure in a message box that
  // names the file and says what is really wrong with it, in the window's language. Behind the box, the window already
  // shows the captions of what is still loaded.
  template <typename Kind>
  bool Reported(const QString& fileName, const Outcome<Kind>& outcome) {
    if (outcome) return true;
    emit Changed();
    Dialogs.ShowMessage(TranslatedFailureMessage(fileName, outcome));
    return false;
  }

  // One user operation: Changed is emitted once, as the outermost operation ends.
  class Operation {
   public:
    explicit Operation(Workbench& bench) : bench_(bench) { ++bench_.operations_; }
    ~Operation() {
      if (--bench_.operations_ == 0) emit bench_.Changed();
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

   private:
    Workbench& bench_;
  };

  // What the canvases' models hold, as the controls show it.
  bool GridShown() const { return Source.Layers().L5_Grid().Visible(); }
  bool AutoExport() const { return Source.Cursor().AutoExport(); }
  TransformTool Transform() const;
  QString TargetComboText() const { return View.TargetShowsCopy ? texts::CreateNewItem() : Doc.TargetCaption(); }
  // The control just used gives the keyboard focus back to the central panel.
  void NoActiveControls() { emit FocusParked(); }

 signals:
  void Changed();
  void FocusParked();
  // The Target's port changed width: the window takes its narrowest width and is re-centred.
  void TargetPortWidthChanged();
  // The Target's scroll box goes back to its top-left corner.
  void TargetScrolledToOrigin();
  // One of the animation speed track bars was set from code.
  void AnimSpeedChanged();
  // The picker's sample colour followed the mouse; nothing else changed.
  void SampleColourChanged();
  // A line for the status line: what an operation did ("Saved ...").
  void Noted(const QString& text);
  // The Target's picture or page counters changed inside `pictureRect` (all of it when null):
  // an edit, its undo or redo, or a counter. The census and the recovery file follow it.
  void TargetEdited(const QRect& pictureRect);

 private:
  std::unique_ptr<SourceWorkflow> sources_;
  std::unique_ptr<TargetWorkflow> targets_;
  std::unique_ptr<TargetHistory> history_;
  std::unique_ptr<TileWorkflow> tiles_;
  std::unique_ptr<ColourPots> pots_;
  std::unique_ptr<ClipboardExchange> clipboard_;
  std::unique_ptr<PackWorkflow> packs_;
  std::unique_ptr<TargetCensus> census_;
  std::unique_ptr<CompactWorkflow> compacts_;
  int operations_ = 0;
};

}  // namespace mosaicor
