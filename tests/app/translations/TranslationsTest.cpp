// The translations: how the language is chosen, that every translation keeps the English texts'
// layout, and that the window in each language shows every caption, combo item and tab uncut.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QToolButton>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "core/extraction/MakeBeep.h"

#include "app/helpwindows/AboutWindow.h"
#include "app/helpwindows/CreditsWindow.h"
#include "app/helpwindows/HelpWindow.h"
#include "app/mainwindow/MainWindow.h"
#include "app/texts/WindowLanguage.h"
#include "app/texts/WindowTexts.h"

namespace mosaicor {
namespace {

struct Silence : ITonePlayer {
  void PlayTone(int, int) override {}
};

TEST(Translations, LanguageComesFromTheRequestElseTheSystem) {
  const struct {
    QString requested;
    QStringList system;
    QString expected;
  } cases[] = {
      {"", {"de-DE", "de"}, "de"},
      {"", {"pt-BR"}, "pt_BR"},
      {"", {"pt-PT", "pt"}, "pt_BR"},
      {"", {"ja-JP", "fr-CA"}, "fr"},
      {"", {"en-GB", "de-DE"}, "en"},
      {"", {"ja-JP"}, "en"},
      {"", {}, "en"},
      {"ru", {"de-DE"}, "ru"},
      {"pt-br", {}, "pt_BR"},
      {"PL", {}, "pl"},
      {"en", {"de-DE"}, "en"},
      {"xx", {"de-DE"}, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolveLanguage(c.requested, c.system), c.expected) << c.requested.toStdString();
}

struct Message {
  QString context, source, translation;
  bool finished = true;
};

std::vector<Message> ReadTs(const QString& language) {
  QFile file(QStringLiteral(MOSAICOR_SOURCE_DIR "/translations/mosaicor_%1.ts").arg(language));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  std::vector<Message> messages;
  QString context;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("message")) messages.push_back({context, {}, {}});
    if (xml.name() == QLatin1String("source")) messages.back().source = xml.readElementText();
    if (xml.name() == QLatin1String("translation")) {
      messages.back().finished = xml.attributes().value("type").isEmpty();
      messages.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// What a translation must carry over from its English text unchanged.
QStringList Kept(const QString& text) {
  static const QRegularExpression kept(
      QStringLiteral("^ +| +$|%\\d|\\n|\\|\\*[^|]*|\\(\\*[^)]*\\)|TGA|Tomb Raider|BMP|JPG"));
  QStringList found;
  for (auto it = kept.globalMatch(text); it.hasNext();) found << it.next().captured();
  found.sort();
  return found;
}

TEST(Translations, TheProgramCarriesATranslationForEachTsFile) {
  QStringList languages;
  for (const QString& file : QDir(QStringLiteral(MOSAICOR_SOURCE_DIR "/translations"))
                                 .entryList({QStringLiteral("mosaicor_*.ts")}, QDir::Files, QDir::Name))
    languages << QFileInfo(file).completeBaseName().mid(QStringLiteral("mosaicor_").size());
  ASSERT_FALSE(languages.isEmpty());
  EXPECT_EQ(TranslatedLanguages(), languages);
}

TEST(Translations, EveryTextIsTranslatedWithItsBlanksPlaceholdersAndNamesKept) {
  const std::vector<Message> reference = ReadTs("de");
  ASSERT_GT(reference.size(), 100u);
  for (const QString& language : TranslatedLanguages()) {
    const std::vector<Message> messages = ReadTs(language);
    EXPECT_EQ(messages.size(), reference.size()) << language.toStdString();
    for (const Message& m : messages) {
      const std::string where = (language + ": " + m.source).toStdString();
      EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << where;
      EXPECT_EQ(Kept(m.translation), Kept(m.source)) << where;
    }
  }
}

// Every caption, combo item and tab text of the window's visible widgets that does not fit its widget.
QStringList CutTexts(QWidget* window) {
  QStringList cut;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    const QFontMetrics fm(w->font());
    const QString name = w->objectName() + ": ";
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && !label->text().isEmpty()) {
      const int room = label->contentsRect().width() - label->margin() * 2 - std::max(label->indent(), 0);
      if (fm.boundingRect(QRect(), 0, label->text()).width() > room) cut << name + label->text();
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      if (check->sizeHint().width() > check->width()) cut << name + check->text();
    } else if (auto* push = qobject_cast<QPushButton*>(w)) {
      if (fm.horizontalAdvance(push->text()) + 6 > push->width()) cut << name + push->text();
    } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
      if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly && tool->sizeHint().width() > tool->width())
        cut << name + tool->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      // The box shows its current item; its list opens as wide as its widest item needs.
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.editable = combo->isEditable();
      const int room =
          combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
      if (fm.horizontalAdvance(combo->currentText()) + 4 > room) cut << name + combo->currentText();
      combo->showPopup();
      for (int i = 0; i < combo->count(); ++i)
        if (fm.horizontalAdvance(combo->itemText(i)) > combo->view()->viewport()->width())
          cut << name + "(list) " + combo->itemText(i);
      combo->hidePopup();
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        const QRect tab = tabs->tabRect(i);
        if (tab.right() >= tabs->width() || fm.horizontalAdvance(tabs->tabText(i)) > tab.width())
          cut << name + tabs->tabText(i);
      }
    }
  }
  return cut;
}

TEST(Translations, EveryLanguageFitsTheWindowUncut) {
  for (const QString& language : QStringList{"en"} + TranslatedLanguages()) {
    ASSERT_TRUE(InstallTranslations(language)) << language.toStdString();
    Silence tones;
    MainWindow window(tones);
    CreditsWindow credits;
    HelpWindow help;
    AboutWindow about(&window, help, credits);
    window.show();
    about.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(CutTexts(&window).join("\n").toStdString(), "") << language.toStdString();
    EXPECT_EQ(CutTexts(&about).join("\n").toStdString(), "") << language.toStdString();
    // The size selector shows one label at a time.
    QLabel* size = window.Controls().ClipTileSize;
    for (const QString& label : texts::TileSizeLabels()) {
      size->setText(label);
      EXPECT_EQ(CutTexts(size->parentWidget()).filter("ClipTileSize").join("\n").toStdString(), "")
          << language.toStdString();
    }
    // The pointer readout keeps its width whatever it says, so its longest text must fit it.
    QLabel* pointer = window.Controls().PointerInfo;
    pointer->setText(QCoreApplication::translate("mosaicor::MainWindow", "x %1, y %2 · tile %3 · page %4")
                         .arg(16383)
                         .arg(16383)
                         .arg(2047)
                         .arg(128));
    EXPECT_EQ(CutTexts(window.statusBar()).filter("PointerInfo").join("\n").toStdString(), "")
        << language.toStdString();
    // A translated window says what it speaks, and that the manual does not.
    EXPECT_EQ(about.findChild<QLabel*>("ManualLanguage") != nullptr, language != "en") << language.toStdString();
    // The title is the program's name and version, the same in every language.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Mosaicor " MOSAICOR_VERSION "[*]")) << language.toStdString();
    // Qt's own dialogs and buttons speak it too.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel", language != "en")
        << language.toStdString();
  }
  InstallTranslations("en");
}

}  // namespace
}  // namespace mosaicor
