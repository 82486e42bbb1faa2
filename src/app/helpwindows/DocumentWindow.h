#pragma once
// A read-only document on black beside a black margin: the common body of the help and credits
// windows. The document is read from a compiled-in resource once, when the window is made; closing
// the window only hides it, so the next opening shows the same text where the reader left it.

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class QFrame;
class QTextBrowser;

namespace mosaicor {

class DocumentWindow : public QWidget {
  Q_OBJECT

 public:
  struct Layout {
    QString caption;
    QSize size;
    QString spacerName;
    Qt::ScrollBarPolicy verticalScrollBar;
    // Text put in place of "<!--name-->" markers in the document, for what depends on the build.
    QList<QPair<QString, QString>> fills = {};
  };

  DocumentWindow(const QString& resourcePath, const Layout& layout);

  QTextBrowser* Document() const { return document_; }
  QFrame* Spacer() const { return spacer_; }

  // The margin left of the text; it keeps this width whatever the window's size.
  static constexpr int SpacerWidth = 33;

 protected:
  void showEvent(QShowEvent* event) override;
  // Escape closes the window, as it closes a dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QFrame* spacer_;
  QTextBrowser* document_;
  bool placed_ = false;
};

}  // namespace mosaicor
