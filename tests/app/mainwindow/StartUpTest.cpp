// The main window as it starts, its hints, focus parking, the central panel's cancel, and
// exceptions that escape a handler.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusTipEvent>

#include "WindowTestSupport.h"
#include "app/mainwindow/SafeApplication.h"
#include "app/texts/WindowTexts.h"

namespace mosaicor::testing {
namespace {

TEST(StartUp, WindowAndTargetAsTheyStart) {
  WindowFixture f;
  MainWindowControls& c = f.c();
  EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Mosaicor " MOSAICOR_VERSION "[*]"));
  EXPECT_EQ(f.target().Layers().PortSize(), QSize(256, 512));
  EXPECT_EQ(f.source().Layers().PortSize(), QSize(256, 512));
  EXPECT_EQ(c.TargetAreaInfo->text(), "256 x 512 pixels (4 x 8 = 32 txtrs)");
  EXPECT_EQ(c.TargetWidth->text(), "1");
  EXPECT_EQ(c.TargetHeight->text(), "2");
  EXPECT_EQ(c.TargetHeightScrollBar->maximum(), 64);
  EXPECT_EQ(c.ClipTileSize->text(), "      Multi Tile");
  EXPECT_TRUE(c.ClipTileImage->pixmap().isNull());
  EXPECT_EQ(c.SourceCombo->currentText(), "   --- no SOURCE file loaded ---");
  EXPECT_EQ(c.TargetCombo->currentText(), "   --- no TARGET file saved ---");
  EXPECT_EQ(c.SourceCombo->count(), 5);  // item 0 and four actions, the last Extract Level Textures as Tiles
  EXPECT_EQ(c.TargetCombo->itemText(3), "   --- Reload a Texture Set File ( TGA, BMP, JPG )");
  EXPECT_EQ(c.SourcePageControl->currentIndex(), 0);
  EXPECT_EQ(c.TargetPageControl->currentIndex(), 0);
  EXPECT_TRUE(c.SpeedButtonOpaque->isChecked());
  EXPECT_TRUE(c.SpeedButtonNone->isChecked());
  EXPECT_FALSE(c.SpeedButtonAlpha->isVisible());
  EXPECT_EQ(c.PanelFiller->Colour(), qRgb(128, 0, 0));
  EXPECT_EQ(c.SourceColourSample->Colour(), qRgb(255, 255, 255));
  EXPECT_EQ(f.window->size(), QSize(725, 598));
  EXPECT_EQ(c.PanelRightSide->width(), 256 + 161);
  EXPECT_GE(c.PanelLeftSide->minimumWidth(), 300);
  EXPECT_EQ(f.window->minimumHeight(), 445);
  // New target pages are black at start.
  EXPECT_EQ(Shown(f.target()).pixel(10, 300), qRgb(0, 0, 0));
}

// The placeholders are captions, not names: the first dialogs open with an empty name.
TEST(StartUp, FirstDialogsOfferAnEmptyName) {
  WindowFixture f;
  f.bench().Sources().OpenSource(SourceAction::ImageFile);
  f.bench().Sources().OpenSource(SourceAction::LevelTextures);
  f.bench().Targets().SaveTargetAs();
  f.bench().Targets().ReloadTarget();
  f.bench().Targets().Save();
  EXPECT_EQ(f.dialogs.presets, QStringList({"", "", "", "", ""}));
}

// A long hint is cut with "…" before the pointer readout, whose width never changes; a save's
// note stays a while before the hints come back.
TEST(StartUp, StatusLineElidesHintsAndTellsWhatWasSaved) {
  WindowFixture f;
  QStatusTipEvent longHint(QString(300, QLatin1Char('w')));
  QCoreApplication::sendEvent(f.window.get(), &longHint);
  QLabel* hint = f.c().StatusHint;
  EXPECT_TRUE(hint->text().endsWith(QChar(0x2026))) << hint->text().toStdString();
  EXPECT_LE(hint->geometry().right(), f.c().PointerInfo->geometry().left());
  EXPECT_EQ(f.c().PointerInfo->minimumWidth(), f.c().PointerInfo->maximumWidth());

  const QString out = f.Path("set.tga");
  f.dialogs.files.push_back(out);
  ASSERT_TRUE(f.bench().Targets().Save());
  const QString note =
      "     Saved " + QDir::toNativeSeparators(out) + ": 256 x 512 pixels, uncompressed 24-bit TGA, 393,234 bytes";
  EXPECT_EQ(f.c().StatusHint->FullText(), note);
  QStatusTipEvent next(QStringLiteral("     File options."));
  QCoreApplication::sendEvent(f.window.get(), &next);
  EXPECT_EQ(f.c().StatusHint->FullText(), note);
}

TEST(StartUp, EveryHintIsInTheStatusLineOnlyAndIndented) {
  WindowFixture f;
  for (const texts::Hint& hint : texts::Hints) {
    auto* control = f.window->findChild<QWidget*>(QString::fromLatin1(hint.control));
    ASSERT_NE(control, nullptr) << hint.control;
    EXPECT_EQ(control->statusTip(), QString::fromLatin1(hint.text));
    EXPECT_TRUE(control->statusTip().startsWith("     ")) << hint.control;
    EXPECT_TRUE(control->toolTip().isEmpty()) << hint.control;
  }
  // A canvas's inner widgets show the canvas's hint.
  EXPECT_EQ(f.c().Source->BasePanel->statusTip(), f.c().Source->statusTip());
  EXPECT_EQ(f.c().TargetHeightScrollBar->statusTip(), "     Target Canvas height in pages, 1 to 64.");
}

TEST(StartUp, FocusIsParkedAfterAComboChoiceAndAScrollArrow) {
  WindowFixture f;
  MainWindowControls& c = f.c();
  QApplication::setActiveWindow(f.window.get());
  c.SourceCombo->setFocus();
  f.dialogs.files.push_back(std::nullopt);
  emit c.SourceCombo->activated(1);
  EXPECT_TRUE(c.PanelRightSide->hasFocus());
  EXPECT_FALSE(c.SourceCombo->lineEdit()->hasSelectedText());
  c.SourceCombo->setFocus();
  c.TargetHeightScrollBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_TRUE(c.PanelRightSide->hasFocus());
  EXPECT_EQ(f.pages().height, 3);
  // An arrow key now moves neither control.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(c.TargetHeightScrollBar->value(), 3);
  EXPECT_EQ(c.SourceCombo->currentIndex(), 0);
}

TEST(StartUp, CentralPanelClickEndsPastingTransformsAndAnimations) {
  WindowFixture f;
  MainWindowControls& c = f.c();
  f.bench().Pots().ChooseMagentaPot();
  ASSERT_EQ(f.target().Cursor().Mode(), ModePaste);
  c.SpeedButtonRotate->click();
  ASSERT_EQ(f.bench().Transform(), TransformTool::Rotate);
  f.source().Animation().AnimRunning = true;
  f.target().Animation().AnimRunning = true;
  QTest::mouseClick(c.PanelRightSide, Qt::LeftButton, {}, QPoint(60, 400));
  EXPECT_EQ(f.source().Cursor().Mode(), ModeIdle);
  EXPECT_EQ(f.target().Cursor().Mode(), ModeIdle);
  EXPECT_FALSE(f.source().Animation().AnimRunning);
  EXPECT_FALSE(f.target().Animation().AnimRunning);
  EXPECT_TRUE(c.SpeedButtonNone->isChecked());
}

TEST(StartUp, DoubleClickOnTheTargetChangesNothing) {
  WindowFixture f;
  const QImage before = Shown(f.target());
  const QPoint at(70, 70);
  DoubleClick(f.c().Target, at);
  EXPECT_TRUE(f.target().Grid().GridLocked);
  EXPECT_EQ(Shown(f.target()), before);
}

struct Thrower : QObject {
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("something broke");
    return QObject::event(e);
  }
};

TEST(StartUp, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  static QString shown;
  auto* previous = SafeApplication::ShowError;
  SafeApplication::ShowError = [](const QString& text) { shown = text; };
  Thrower thrower;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&thrower, &event));
  EXPECT_EQ(shown, "something broke");
  QObject ordinary;
  QEvent other(QEvent::User);
  QCoreApplication::sendEvent(&ordinary, &other);  // and events go on being delivered
  SafeApplication::ShowError = previous;
}

TEST(Actions, AButtonAComboItemAndTheMenuShareOneActionAndItsCheckedState) {
  WindowFixture f;
  const WindowActions& a = f.window->Actions();
  QSignalSpy copies(a.CopyAll, &QAction::triggered);
  QSignalSpy saves(a.SaveAs, &QAction::triggered);
  f.c().CopyButton->click();
  emit f.c().TargetCombo->activated(1);  // cancelled
  EXPECT_EQ(copies.count(), 1);
  EXPECT_EQ(saves.count(), 1);
  f.c().SpeedButtonView->click();
  EXPECT_TRUE(a.GridShown->isChecked());
  EXPECT_TRUE(f.bench().GridShown());
  a.GridShown->trigger();
  EXPECT_FALSE(f.c().SpeedButtonView->isChecked());
  EXPECT_FALSE(f.bench().GridShown());
}

}  // namespace
}  // namespace mosaicor::testing
