#pragma once
// The picture file dialogs of the window: open and save, each with a preview of the picture
// under the selection. What a chosen file holds is read and written by the core's picture-file
// operations, through the workbench; these dialogs only choose.

#include <QObject>
#include <QString>

class QFileDialog;
class QLabel;
class QWidget;

namespace mosaicor {

class ImageFileModule;

class PictureDialogs : public QObject {
  Q_OBJECT

 public:
  // In English; the dialogs show them translated.
  static const char* const kOpenTitle;
  static const char* const kSaveTitle;

  // The dialogs' filters as DialogFilters.h writes them, in the window's language, from the core's tables: every
  // format the decoders read, and every format a texture set is saved in; with `onePage` also the level editors'
  // sky and font files, which hold one page.
  static QString OpenFilter();
  static QString SaveFilter(bool onePage);

  // The previews read pictures through `files`, quietly: a file they cannot show stays blank.
  explicit PictureDialogs(const ImageFileModule& files, QWidget* parentWindow = nullptr);

  QFileDialog* OpenPictureDialog1 = nullptr;
  QFileDialog* SavePictureDialog1 = nullptr;

  // The preview beside a dialog's file list (tests look at it).
  QLabel* PreviewOf(QFileDialog* dialog) const;

 private:
  void InitDialogs(QWidget* parentWindow, const ImageFileModule& files);
};

}  // namespace mosaicor
