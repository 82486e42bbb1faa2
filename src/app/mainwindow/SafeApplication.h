#pragma once
// The application object: no exception ever crosses Qt's event loop. One that escapes a handler
// is shown in a plain message box, and the program goes on.

#include <QApplication>

namespace mosaicor {

class SafeApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;

  // How an escaped exception is shown; tests replace it.
  static void (*ShowError)(const QString& text);
};

}  // namespace mosaicor
