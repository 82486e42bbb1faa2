#include "app/helpwindows/AboutWindow.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/art/Art.h"
#include "app/helpwindows/CreditsWindow.h"
#include "app/helpwindows/HelpWindow.h"

namespace mosaicor {

namespace {

QLabel* Label(const QString& text, QWidget* parent, int pointSizeDelta = 0, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  if (pointSizeDelta != 0 || bold) {
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() + pointSizeDelta);
    font.setBold(bold);
    label->setFont(font);
  }
  return label;
}

QLabel* Logo(QWidget* parent) {
  auto* logo = new QLabel(parent);
  logo->setPixmap(LoadWindowIcon().pixmap(48, 48));
  logo->setAlignment(Qt::AlignCenter);
  return logo;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* owner, HelpWindow& help, CreditsWindow& credits)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      help_(help),
      credits_(credits) {
  setObjectName("TAboutForm");
  setWindowTitle(tr("   About,   Help   &   Credits"));
  setModal(true);

  auto* title = new QHBoxLayout;
  title->addWidget(Logo(this));
  auto* names = new QVBoxLayout;
  auto* product = Label("Mosaicor", this, 8, true);
  product->setObjectName("ProductName");
  names->addWidget(product);
  auto* version = Label(tr("Version %1").arg(MOSAICOR_VERSION), this);
  version->setObjectName("Version");
  names->addWidget(version);
  title->addLayout(names, 1);
  title->addWidget(Logo(this));

  auto* purpose = Label(tr("Texture sets builder\nfor the Tomb Raider legacy level editors"), this, 0, true);
  purpose->setObjectName("ProductDescription");
  auto* credit = Label(tr("Made by the Mosaicor developers.\n"
                          "CREDITS names the libraries it is built on."),
                       this);
  credit->setObjectName("CreditLine");
  // Only a translated window says so: its translation of this line differs from the English.
  static const char* const kManualNote = QT_TR_NOOP("The manual and the credits are in English.");
  QLabel* manualNote = tr(kManualNote) == QLatin1String(kManualNote) ? nullptr : Label(tr(kManualNote), this);
  if (manualNote) manualNote->setObjectName("ManualLanguage");

  auto* disclaimer = new QFrame(this);
  disclaimer->setObjectName("Disclaimer");
  disclaimer->setFrameShape(QFrame::StyledPanel);
  disclaimer->setFrameShadow(QFrame::Sunken);
  auto* disclaimerText =
      Label(tr("Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of "
               "the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is "
               "a trademark of its owner. Keep copies of your work: the tool comes with no warranty."),
            disclaimer, -1);
  auto* disclaimerLayout = new QVBoxLayout(disclaimer);
  disclaimerLayout->addWidget(disclaimerText);

  auto* buttonPanel = new QFrame(this);
  buttonPanel->setObjectName("ButtonPanel");
  auto* buttons = new QHBoxLayout(buttonPanel);
  buttons->setContentsMargins(0, 0, 0, 0);
  QPushButton* helpButton = Button("HelpButton", tr("HELP"), buttonPanel);
  QPushButton* creditsButton = Button("CreditsButton", tr("CREDITS"), buttonPanel);
  QPushButton* okButton = Button("okButton", tr("OK"), buttonPanel);
  okButton->setDefault(true);
  buttons->addWidget(helpButton);
  buttons->addWidget(creditsButton);
  buttons->addStretch(1);
  buttons->addWidget(okButton);
  connect(helpButton, &QPushButton::clicked, this, &AboutWindow::HelpButtonClick);
  connect(creditsButton, &QPushButton::clicked, this, &AboutWindow::CreditsButtonClick);
  connect(okButton, &QPushButton::clicked, this, &AboutWindow::okButtonClick);

  auto* column = new QVBoxLayout(this);
  column->addLayout(title);
  column->addWidget(purpose);
  column->addWidget(credit);
  if (manualNote) column->addWidget(manualNote);
  column->addStretch(1);
  column->addWidget(disclaimer);
  column->addWidget(buttonPanel);

  // The design's client area; taller only if a big system font needs the room for the wrapped texts.
  const int width = std::max(362, minimumSizeHint().width());
  setFixedSize(width, std::max(352, column->totalHeightForWidth(width)));
}

void AboutWindow::HelpButtonClick() { OpenModeless(help_); }

void AboutWindow::CreditsButtonClick() { OpenModeless(credits_); }

void AboutWindow::okButtonClick() { accept(); }

void AboutWindow::OpenModeless(QWidget& window) {
  // Closed first, so the modal loop has ended and the document window takes the focus.
  accept();
  window.show();
  window.raise();
  window.activateWindow();
}

bool AboutWindow::event(QEvent* event) {
  if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(event);
}

void AboutWindow::FormActivate() {
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (!owner) return;
  QRect box = frameGeometry();
  box.moveCenter(owner->frameGeometry().center());
  move(box.topLeft());
}

}  // namespace mosaicor
