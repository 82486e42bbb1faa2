#pragma once
// The picture-file module of the window (the design's TFIO): the open and save picture dialogs with their
// preview, the Dialog operations over the core's picture-file operations, and the message box
// in which their failures are shown.

#include "core/imagefiles/ImageFileModule.h"

#include <QObject>

class QFileDialog;
class QLabel;
class QWidget;

namespace mosaicor {

class PictureDialogs : public QObject {
  Q_OBJECT

 public:
  // In English; the dialogs show them translated.
  static const char* const kOpenTitle;
  static const char* const kOpenFilter;
  static const char* const kSaveTitle;
  static const char* const kSaveFilter;

  explicit PictureDialogs(QWidget* parentWindow = nullptr);

  QFileDialog* OpenPictureDialog1 = nullptr;
  QFileDialog* SavePictureDialog1 = nullptr;

  // Run the dialog, let pending events run, then the File operation on the chosen name. The
  // caller presets the dialog's file name and reads the chosen one back from the dialog.
  bool LoadImageAs32BitsDialog(QImage& image, PixelFormatCode& SourcePixelFormat);
  bool SaveImageAs24BitsDialog(const QImage& image, int shownWidth, int shownHeight);
  // The File operations, with a failure shown in a plain message box with an OK button: the
  // file, the program's sentence, and what is really wrong with the file on a line below where
  // the sentence alone does not say it.
  bool LoadImageAs32BitsFile(QImage& image, const QString& fileName, PixelFormatCode& SourcePixelFormat);
  bool SaveImageAs24BitsFile(const QImage& image, int shownWidth, int shownHeight, const QString& fileName);

  ImageFileModule& Files() { return files_; }
  // The preview beside a dialog's file list (tests look at it).
  QLabel* PreviewOf(QFileDialog* dialog) const;

 private:
  void InitDialogs(QWidget* parentWindow);
  bool Shown(const QString& fileName, const PictureOutcome& outcome);

  QWidget* parentWindow_;
  ImageFileModule files_;
};

}  // namespace mosaicor
