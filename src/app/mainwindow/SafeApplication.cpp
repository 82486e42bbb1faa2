#include "app/mainwindow/SafeApplication.h"

#include <QMessageBox>
#include <exception>
#include <new>

namespace mosaicor {

namespace {

void ShowInMessageBox(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok);
  box.exec();
}

}  // namespace

void (*SafeApplication::ShowError)(const QString& text) = ShowInMessageBox;

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
  QString text;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    text = QCoreApplication::translate("mosaicor::MainWindow", "Out of memory.");
  } catch (const std::exception& e) {
    text = QString::fromLocal8Bit(e.what());
  } catch (...) {
    text = QCoreApplication::translate("mosaicor::MainWindow", "An unexpected error occurred.");
  }
  ShowError(text);
  return false;
}

}  // namespace mosaicor
