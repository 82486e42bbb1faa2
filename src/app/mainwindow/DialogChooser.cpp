#include "app/mainwindow/DialogChooser.h"

#include "app/dialogs/DialogFilters.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/dialogs/LevelLoadingWindow.h"
#include "app/dialogs/PictureDialogs.h"
#include "app/workbench/WindowState.h"
#include "core/level/ObjectLibrary.h"
#include "core/packing/CellGroups.h"

namespace mosaicor {

namespace {

// Runs a file dialog with `preset` in its file-name box and the first filter chosen; the
// windows under it repaint before the caller goes on. A preset ending in "/" is a folder: the
// dialog opens there with an empty name.
std::optional<QString> RunFileDialog(QFileDialog* dialog, const QString& preset) {
  if (!dialog->nameFilters().isEmpty()) dialog->selectNameFilter(dialog->nameFilters().constFirst());
  if (preset.endsWith(QLatin1Char('/'))) dialog->setDirectory(preset);
  dialog->selectFile(preset.endsWith(QLatin1Char('/')) ? QString() : preset);
  const bool accepted = dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty();
  QCoreApplication::processEvents();
  if (!accepted) return std::nullopt;
  return dialog->selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> DialogChooser::OpenPictureFile(const QString& preset) {
  return RunFileDialog(pictures_.OpenPictureDialog1, preset);
}

std::optional<QString> DialogChooser::OpenLevelFile(const QString& preset, bool asTiles) {
  levels_.SetOpenDialogTitle(asTiles);
  return RunFileDialog(levels_.OpenDialog, preset);
}

std::optional<QString> DialogChooser::SavePictureFile(const QString& preset) {
  return RunFileDialog(pictures_.SavePictureDialog1, preset);
}

std::optional<QString> DialogChooser::SaveTargetFile(const QString& preset, bool onePage) {
  QFileDialog* dialog = pictures_.SavePictureDialog1;
  if (!onePage) return RunFileDialog(dialog, preset);
  const QStringList usual = dialog->nameFilters();
  dialog->setNameFilters(QtNameFilters(PictureDialogs::SaveFilter(true)));
  const std::optional<QString> chosen = RunFileDialog(dialog, preset);
  dialog->setNameFilters(usual);
  return chosen;
}

QRgb DialogChooser::ChooseColour(QRgb initial, const QStringList& customColours) {
  // Qt keeps one set of custom colours for every colour dialog; they are ours to set.
  for (int i = 0; i < customColours.size() && i < QColorDialog::customCount(); ++i)
    QColorDialog::setCustomColor(i, QColor(FromBgrHex(customColours[i].section(QLatin1Char('='), 1))));
  QColorDialog dialog(QColor(initial), window_);
  dialog.setObjectName(QStringLiteral("ColorDialogFiller"));
  dialog.setOption(QColorDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted) return initial;
  return dialog.selectedColor().rgb();
}

void DialogChooser::ShowMessage(const QString& text) {
  if (beforeMessage_) beforeMessage_();
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, window_);
  box.exec();
}

SaveAnswer DialogChooser::AskToSaveChanges() {
  QMessageBox box(
      QMessageBox::Question, QCoreApplication::applicationName(),
      QCoreApplication::translate("mosaicor::MainWindow", "The texture set has changes that are not saved."),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window_);
  box.setInformativeText(QCoreApplication::translate("mosaicor::MainWindow", "Save them first?"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveAnswer::Save;
    case QMessageBox::Discard:
      return SaveAnswer::Discard;
    default:
      return SaveAnswer::Cancel;
  }
}

// The open dialog of Load Image File, with its preview, taking several files for once.
QStringList DialogChooser::OpenPictureFiles(const QString& preset) {
  QFileDialog* dialog = pictures_.OpenPictureDialog1;
  const QString title = dialog->windowTitle();
  dialog->setWindowTitle(QCoreApplication::translate("mosaicor::MainWindow", "Add Pictures as Tiles"));
  dialog->setFileMode(QFileDialog::ExistingFiles);
  QStringList chosen;
  if (RunFileDialog(dialog, preset)) chosen = dialog->selectedFiles();
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setWindowTitle(title);
  return chosen;
}

RecoverAnswer DialogChooser::AskToRecover(const QString& question) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), question,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
  box.setObjectName(QStringLiteral("RecoveryQuestion"));
  box.setInformativeText(
      QCoreApplication::translate("mosaicor::RecoveryKeeper", "No deletes it; Cancel keeps it for the next start."));
  box.setDefaultButton(QMessageBox::Yes);
  // Escape or closing the box is no answer: only No deletes the work.
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return RecoverAnswer::Recover;
    case QMessageBox::No:
      return RecoverAnswer::Discard;
    default:
      return RecoverAnswer::Later;
  }
}

bool DialogChooser::ConfirmCompact(const QString& counts) {
  return AskCompact(counts, false) == CompactAnswer::Compact;
}

CompactAnswer DialogChooser::AskCompact(const QString& counts, bool offerProject) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::translate("mosaicor::MainWindow", "Compact Set"), counts,
                  QMessageBox::Cancel, window_);
  box.setObjectName(QStringLiteral("CompactQuestion"));
  QPushButton* compact =
      box.addButton(QCoreApplication::translate("mosaicor::MainWindow", "Compact"), QMessageBox::AcceptRole);
  QPushButton* project = offerProject
                             ? box.addButton(QCoreApplication::translate("mosaicor::MainWindow",
                                                                         "Also update the project that uses this set…"),
                                             QMessageBox::ActionRole)
                             : nullptr;
  box.setDefaultButton(compact);
  box.exec();
  QCoreApplication::processEvents();
  if (box.clickedButton() == static_cast<QAbstractButton*>(compact)) return CompactAnswer::Compact;
  if (project && box.clickedButton() == static_cast<QAbstractButton*>(project)) return CompactAnswer::AlsoProject;
  return CompactAnswer::Cancel;
}

std::optional<QString> DialogChooser::OpenProjectFile(const QString& preset) {
  const QString chosen = QFileDialog::getOpenFileName(
      window_, QCoreApplication::translate("mosaicor::MainWindow", "The Project That Uses This Set"), preset,
      QCoreApplication::translate("mosaicor::MainWindow", "Level editor projects (*.prj *.PRJ)"));
  QCoreApplication::processEvents();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> DialogChooser::SaveMoveMapFile(const QString& preset) {
  const QString chosen =
      QFileDialog::getSaveFileName(window_,
                                   QCoreApplication::translate("mosaicor::MainWindow",
                                                               "Save the Move Map: where each used cell of the "
                                                               "old set now stands (CSV)"),
                                   preset, QCoreApplication::translate("mosaicor::MainWindow", "Move maps (*.csv)"));
  QCoreApplication::processEvents();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<int> DialogChooser::AskTolerance(int current) {
  bool ok = false;
  const int tolerance = QInputDialog::getInt(
      window_, QCoreApplication::translate("mosaicor::MainWindow", "Near Duplicates"),
      QCoreApplication::translate("mosaicor::MainWindow",
                                  "Cells are near duplicates when no channel of any pixel differs by more than:"),
      current, 0, kMostTolerance, 1, &ok);
  if (!ok) return std::nullopt;
  return tolerance;
}

std::optional<QString> DialogChooser::OpenObjectLibraryFile(const QString& preset) {
  QFileDialog dialog(window_, QCoreApplication::translate("mosaicor::MainWindow", "Save into Object Library"));
  dialog.setObjectName(QStringLiteral("ObjectLibraryDialog"));
  dialog.resize(kFileDialogSize);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  QStringList patterns;
  for (const QString& extension : ObjectLibraryExtensions()) patterns << QStringLiteral("*.") + extension;
  dialog.setNameFilters(QtNameFilters(QCoreApplication::translate("mosaicor::MainWindow", "Object Libraries") +
                                      QLatin1Char('|') + patterns.join(QLatin1Char(';')) + QLatin1Char('|') +
                                      QCoreApplication::translate("mosaicor::PictureDialogs", "All Files (*.*)") +
                                      QStringLiteral("|*.*")));
  return RunFileDialog(&dialog, preset);
}

bool DialogChooser::ConfirmReplaceBackup(const QString& backupFile) {
  if (beforeMessage_) beforeMessage_();
  QMessageBox box(QMessageBox::Question,
                  QCoreApplication::translate("mosaicor::MainWindow", "Keep a Backup"),
                  QCoreApplication::translate("mosaicor::MainWindow",
                                              "%1 already exists: it keeps the file as it was before an earlier "
                                              "save.\n\nReplace it with the file as it is now?")
                      .arg(QDir::toNativeSeparators(backupFile)),
                  QMessageBox::Cancel, window_);
  box.setObjectName(QStringLiteral("BackupQuestion"));
  QPushButton* replace =
      box.addButton(QCoreApplication::translate("mosaicor::MainWindow", "Replace"), QMessageBox::AcceptRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec();
  QCoreApplication::processEvents();
  return box.clickedButton() == static_cast<QAbstractButton*>(replace);
}

}  // namespace mosaicor
