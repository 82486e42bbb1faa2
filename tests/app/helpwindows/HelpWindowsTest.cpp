// The about, help and credits windows: how they open, what they keep between openings, and what the
// two documents hold.

#include <gtest/gtest.h>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/helpwindows/AboutWindow.h"
#include "app/helpwindows/CreditsWindow.h"
#include "app/helpwindows/HelpWindow.h"

namespace mosaicor {

namespace {

const QStringList Topics = {
    "The Source Canvas and the Cutting Cursor",
    "The Target Canvas and the Pasting Cursor",
    "The Current Tile Viewer and the Clipboard",
    "The \"COPY ALL--->\" button",
    "Transparent Colour, Empty Colour, Filler Colour",
    "The Page Counters",
    "Multi-Tile selection",
    "Tile resizing",
    "Extracting the Animated Textures from TR Levels",
    "Extracting transparency from TR levels",
    "Extracting transparency from pictures",
    "Memorizing path locations per menu item",
    "Scrolling Room Textures",
    "Animation Ranges",
    "Transformations",
    "Auto Clipboard and Mosaicors Companions",
};

// Finds each numbered topic ("1. ...", "2. ...") after `from`, in order; returns the position after the
// last one, or -1 when a topic is missing or out of order.
qsizetype FindTopicsInOrder(const QString& text, qsizetype from) {
  for (int i = 0; i < Topics.size(); ++i) {
    const QString entry = QString("%1. %2").arg(i + 1).arg(Topics[i]);
    const qsizetype at = text.indexOf(entry, from);
    if (at < 0) {
      ADD_FAILURE() << "topic not found in order: " << entry.toStdString();
      return -1;
    }
    from = at + entry.size();
  }
  return from;
}

class HelpWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner.setGeometry(100, 80, 725, 598);
    owner.show();
  }
  void ClickAbout(const char* name) {
    auto* button = about.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
  }

  QWidget owner;
  HelpWindow help;
  CreditsWindow credits;
  AboutWindow about{&owner, help, credits};
};

TEST_F(HelpWindowsTest, ReopenedHelpShowsTheSameDocumentWhereTheReaderLeftIt) {
  about.show();
  ClickAbout("HelpButton");
  EXPECT_FALSE(about.isVisible());
  ASSERT_TRUE(help.isVisible());

  QTextBrowser* browser = help.Document();
  QTextDocument* document = browser->document();
  const int revision = document->revision();
  QScrollBar* bar = browser->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0) << "the manual should be longer than one window";
  bar->setValue(bar->maximum() / 2);
  const int position = bar->value();

  help.close();
  EXPECT_FALSE(help.isVisible());
  about.show();
  ClickAbout("HelpButton");

  ASSERT_TRUE(help.isVisible());
  EXPECT_EQ(help.Document(), browser);
  EXPECT_EQ(browser->document(), document);
  EXPECT_EQ(document->revision(), revision) << "the document was loaded again";
  EXPECT_EQ(bar->value(), position);
  help.close();
}

TEST_F(HelpWindowsTest, AboutButtonsOpenTheirWindowsAndOkOpensNone) {
  about.show();
  ClickAbout("CreditsButton");
  EXPECT_FALSE(about.isVisible());
  EXPECT_TRUE(credits.isVisible());
  EXPECT_FALSE(help.isVisible());
  credits.close();

  about.show();
  ClickAbout("okButton");
  EXPECT_FALSE(about.isVisible());
  EXPECT_FALSE(help.isVisible());
  EXPECT_FALSE(credits.isVisible());
}

TEST_F(HelpWindowsTest, AboutIsCentredOnItsOwnerEachTimeItOpens) {
  for (const QPoint ownerAt : {QPoint(100, 80), QPoint(400, 300)}) {
    owner.move(ownerAt);
    about.show();
    QApplication::processEvents();
    const QPoint offset = about.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << "owner at " << ownerAt.x() << "," << ownerAt.y();
    about.close();
  }
}

TEST_F(HelpWindowsTest, AboutShowsTheCaptionsAndTheVersion) {
  EXPECT_EQ(about.windowTitle(), "   About,   Help   &   Credits");
  EXPECT_EQ(about.findChild<QPushButton*>("HelpButton")->text(), "HELP");
  EXPECT_EQ(about.findChild<QPushButton*>("CreditsButton")->text(), "CREDITS");
  EXPECT_EQ(about.findChild<QPushButton*>("okButton")->text(), "OK");
  const auto* version = about.findChild<QLabel*>("Version");
  ASSERT_NE(version, nullptr);
  EXPECT_TRUE(version->text().contains(MOSAICOR_VERSION));
  EXPECT_GE(about.width(), 362);
  EXPECT_GE(about.height(), 352);
  EXPECT_EQ(help.windowTitle(), "   Help");
  EXPECT_EQ(credits.windowTitle(), "Credits");
}

TEST_F(HelpWindowsTest, SpacersKeepTheirWidthWhenTheWindowsAreResized) {
  for (DocumentWindow* window : std::initializer_list<DocumentWindow*>{&help, &credits}) {
    const char* spacerName = window == &help ? "Spacer" : "SpacerLeft";
    auto* spacer = window->findChild<QFrame*>(spacerName);
    ASSERT_NE(spacer, nullptr) << spacerName;
    window->show();
    for (const QSize size : {QSize(1000, 800), QSize(400, 300), QSize(725, 592)}) {
      window->resize(size);
      QApplication::processEvents();
      EXPECT_EQ(spacer->width(), 33) << spacerName << " at " << size.width();
      EXPECT_EQ(window->Document()->width(), window->width() - 33) << "the text takes the rest";
    }
    window->close();
  }
}

TEST(HelpDocumentTest, ManualOpensWithTheTitleBlockThenListsAndTellsTheSixteenTopicsInOrder) {
  HelpWindow help;
  const QString text = help.Document()->toPlainText();
  const qsizetype title = text.indexOf("TEXTURE SETS BUILDER");
  ASSERT_GE(title, 0);
  const qsizetype forLine = text.indexOf("for", title);
  ASSERT_GE(text.indexOf("TOMB RAIDER LEGACY LEVEL EDITORS", forLine), 0);

  const qsizetype afterContents = FindTopicsInOrder(text, title);
  ASSERT_GE(afterContents, 0);
  const qsizetype afterChapters = FindTopicsInOrder(text, afterContents);
  ASSERT_GE(afterChapters, 0);
  const qsizetype dual = text.indexOf("Dual 64x32 scrolling tiles", afterChapters);
  EXPECT_GE(dual, 0) << "the chapter on the Dual 64x32 scrolling tiles follows the sixteen";
  EXPECT_GT(text.indexOf("History", dual), dual);
  EXPECT_GE(text.indexOf("opens a picture: BMP, JPG, TGA, TIF, PSD, PSP, PCX, PNG or GIF"), 0);
}

TEST_F(HelpWindowsTest, EscapeClosesTheHelpAndCreditsWindows) {
  for (DocumentWindow* window : std::initializer_list<DocumentWindow*>{&help, &credits}) {
    window->show();
    QTest::keyClick(window->Document(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
  }
}

TEST_F(HelpWindowsTest, ContentsLinksJumpToTheirChaptersWithoutReloading) {
  help.show();
  QApplication::processEvents();
  QTextBrowser* browser = help.Document();
  const int revision = browser->document()->revision();
  const QString text = browser->toPlainText();
  int previous = browser->verticalScrollBar()->value();
  for (const char* chapter : {"#t9", "#t16"}) {
    browser->setSource(QUrl(chapter));  // what the browser does with a click on a contents line
    QApplication::processEvents();
    const int now = browser->verticalScrollBar()->value();
    EXPECT_GT(now, previous) << chapter;
    previous = now;
  }
  EXPECT_EQ(browser->toPlainText(), text);
  EXPECT_EQ(browser->document()->revision(), revision);
  help.close();
}

TEST(HelpDocumentTest, DocumentsAreLightOnBlackAndCreditsNameTheLicenceAndTheLibraries) {
  HelpWindow help;
  CreditsWindow credits;
  for (DocumentWindow* window : std::initializer_list<DocumentWindow*>{&help, &credits}) {
    const QPalette palette = window->Document()->viewport()->palette();
    EXPECT_EQ(palette.color(QPalette::Base), QColor(Qt::black));
    EXPECT_TRUE(window->Document()->isReadOnly());
    EXPECT_EQ(window->Spacer()->palette().color(QPalette::Window), QColor(Qt::black));
  }
  EXPECT_EQ(credits.Document()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  const QString text = credits.Document()->toPlainText();
  EXPECT_TRUE(text.contains("MIT License")) << "the program's own licence";
  EXPECT_TRUE(text.contains("Copyright (c) 2026 The Mosaicor developers"));
  for (const char* library : {"Qt 6", "zlib", "libjpeg-turbo", "libtiff", "GoogleTest", "Google Benchmark"})
    EXPECT_TRUE(text.contains(library)) << library;
}

}  // namespace

}  // namespace mosaicor
