#pragma once
// The small about window behind the central panel's help button: the program's name and version, a
// disclaimer, and the way on to the manual and the credits.

#include <QDialog>

class QPushButton;

namespace mosaicor {

class HelpWindow;
class CreditsWindow;

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  AboutWindow(QWidget* owner, HelpWindow& help, CreditsWindow& credits);

  void HelpButtonClick();
  void CreditsButtonClick();
  void okButtonClick();

 protected:
  bool event(QEvent* event) override;

 private:
  void FormActivate();
  void OpenModeless(QWidget& window);

  HelpWindow& help_;
  CreditsWindow& credits_;
};


}  // namespace mosaicor
