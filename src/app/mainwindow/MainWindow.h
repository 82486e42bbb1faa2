#pragma once
// The main window (TMain): builds the controls and menus, wires each to its handler on the
// workbench, and shows the workbench's state. It owns the canvases' widgets and no state of its
// own beyond what Qt's widgets keep.

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "app/mainwindow/Actions.h"
#include "app/mainwindow/MainWindowControls.h"
#include "app/workbench/Operations.h"
#include "app/workbench/WindowState.h"

namespace mosaicor {

class PictureDialogs;
class LevelLoadingWindow;
class ITonePlayer;

class ImageFileModule;
class Chooser;
class DialogChooser;
class Workbench;
class AboutWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Without a chooser the window asks through real dialogs; tests pass a scripted one.
  explicit MainWindow(ITonePlayer& tones, Chooser* chooser = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  Workbench& Bench() { return *bench_; }
  MainWindowControls& Controls() { return c_; }
  const WindowActions& Actions() const { return actions_; }
  PictureDialogs& PictureModule() { return *pictures_; }
  LevelLoadingWindow& LevelModule() { return *levels_; }
  // What the help button opens; set by the start-up once the help windows exist.
  void SetAboutWindow(QWidget* about) { about_ = about; }

  void NoActiveControls();
  void HelpSpeedButtonOnClick();
  // The handlers of the controls that name an intent; each calls the workbench's intent.
  void CopyAllOnClick();
  void SourceComboOnSelect(int item);
  void TargetComboOnSelect(int item);
  void SourceStackDragNDropOnChange(const QString& fileName);
  void TargetStackDragNDropOnChange(const QString& fileName);
  // The window takes its narrowest width and is centred across the screen again (not while
  // maximised).
  void FitWidthToTarget();
  // The Target canvas and the right panel take the widths that the Target's port asks for.
  void ApplyTargetWidths();
  // Shows `text` in the status line for NoteMilliseconds; hints that come meanwhile wait.
  void ShowNote(const QString& text);
  // The help window the Manual entry opens; set by the start-up.
  void SetHelpWindow(QWidget* help) { help_ = help; }

 protected:
  // Hints go to the status line's own field; a note keeps it for a while first.
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void WireControls();
  void WireCanvases();
  void BuildActions();
  void BuildMenus();
  // The action a combo box item stands for; null for item 0.
  QAction* SourceItemAction(SourceAction action) const;
  QAction* TargetItemAction(TargetAction action) const;
  // The actions' enabled and checked states, from the workbench.
  void ReflectActions();
  // Shows what changed of the workbench's state on the controls, with their handlers quiet
  // meanwhile: a canvas press rewrites only the controls that follow the canvases, and those only
  // where their value changed.
  void Reflect(Changes what);
  void ReflectDocument();
  void ReflectView();
  void ReflectPots();
  void ReflectCanvases();
  void ShowPointer(bool target, int x, int y);
  // Over a tile of a level's textures, the status line says where it comes from.
  void ShowTileProvenance(int x, int y);
  // The canvas the zoom keys act on: the one under the pointer, else the Target.
  CanvasWidget* CanvasUnderPointer() const;

  QWidget* centralHolder_;
  MainWindowControls c_;
  WindowActions actions_;
  // The picture operations the window runs (and its dialogs' previews), whose failure messages go
  // through the chooser.
  std::unique_ptr<ImageFileModule> pictureFiles_;
  std::unique_ptr<PictureDialogs> pictures_;
  std::unique_ptr<LevelLoadingWindow> levels_;
  std::unique_ptr<DialogChooser> dialogs_;
  std::unique_ptr<Workbench> bench_;
  QWidget* about_ = nullptr;
  QWidget* help_ = nullptr;
  QTimer* noteTimer_ = nullptr;
  QString hint_;                  // the latest hint, shown once a note has had its time
  bool provenanceShown_ = false;  // the status line shows a tile's provenance instead of hint_
  qint64 shownTileKey_ = 0;       // the current tile the viewer shows
  bool pickerShown_ = false;      // the Source shows the picker cursor
  static constexpr int NoteMilliseconds = 10000;
};

}  // namespace mosaicor
