#include "app/helpwindows/DocumentWindow.h"

#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>

#include "app/art/Art.h"

namespace mosaicor {

namespace {

QString ReadResource(const QString& path) {
  InitResources();
  QFile file(path);
  // The documents are part of the program; a missing one is a build fault, not a user's problem.
  if (!file.open(QIODevice::ReadOnly)) qFatal("missing resource %s", qPrintable(path));
  return QString::fromUtf8(file.readAll());
}

void PaintBlack(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Text, QColor(224, 224, 224));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

DocumentWindow::DocumentWindow(const QString& resourcePath, const Layout& layout)
    : QWidget(nullptr, Qt::Window), spacer_(new QFrame(this)), document_(new QTextBrowser(this)) {
  setWindowTitle(layout.caption);
  setWindowIcon(LoadWindowIcon());
  resize(layout.size);
  PaintBlack(this);

  spacer_->setObjectName(layout.spacerName);
  spacer_->setFrameShape(QFrame::NoFrame);
  spacer_->setFixedWidth(SpacerWidth);
  PaintBlack(spacer_);

  document_->setObjectName("RichEdit");
  document_->setReadOnly(true);
  document_->setFrameShape(QFrame::NoFrame);
  document_->setVerticalScrollBarPolicy(layout.verticalScrollBar);
  document_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document_->setOpenLinks(true);  // the table of contents jumps to its chapters
  document_->setOpenExternalLinks(false);
  document_->setTabChangesFocus(true);
  PaintBlack(document_);
  PaintBlack(document_->viewport());
  QString html = ReadResource(resourcePath);
  for (const auto& [name, text] : layout.fills) html.replace(QStringLiteral("<!--%1-->").arg(name), text);
  document_->setHtml(html);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(spacer_);
  row->addWidget(document_, 1);
}

void DocumentWindow::showEvent(QShowEvent* event) {
  // Centred on the desktop the first time only; afterwards the window opens where the user left it.
  if (!placed_) {
    placed_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect box = frameGeometry();
      box.moveCenter(screen->availableGeometry().center());
      move(box.topLeft());
    }
  }
  QWidget::showEvent(event);
}

void DocumentWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace mosaicor
