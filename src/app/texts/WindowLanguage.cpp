#include "app/texts/WindowLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/art/Art.h"

namespace mosaicor {

namespace {

const char* const kTranslatorName = "MosaicorTranslator";

QLocale& InstalledLocale() {
  static QLocale locale(QLocale::English);
  return locale;
}

QString Match(const QString& wanted) {
  const QString name = QString(wanted).replace(QLatin1Char('-'), QLatin1Char('_'));
  const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
  if (language == QLatin1String("en")) return QStringLiteral("en");
  for (const QString& known : TranslatedLanguages())
    if (known.compare(name, Qt::CaseInsensitive) == 0) return known;
  for (const QString& known : TranslatedLanguages())
    if (known.section(QLatin1Char('_'), 0, 0) == language) return known;
  return {};
}

bool Install(const QString& name, const QString& folder, const QString& language) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  translator->setObjectName(kTranslatorName);
  if (translator->load(QLocale(language), name, QStringLiteral("_"), folder) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace

const QStringList& TranslatedLanguages() {
  // One mosaicor_<language>.qm in the resources for each .ts file of translations/.
  static const QStringList languages = [] {
    InitResources();
    QStringList found;
    for (const QString& file :
         QDir(QStringLiteral(":/translations")).entryList({QStringLiteral("mosaicor_*.qm")}, QDir::Files, QDir::Name))
      found << QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1);
    return found;
  }();
  return languages;
}

QString ResolveLanguage(const QString& requested, const QStringList& uiLanguages) {
  if (!requested.isEmpty()) return Match(requested);
  for (const QString& wanted : uiLanguages)
    if (const QString language = Match(wanted); !language.isEmpty()) return language;
  return QStringLiteral("en");
}

bool InstallTranslations(const QString& language) {
  QCoreApplication* app = QCoreApplication::instance();
  for (QTranslator* old : app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  InstalledLocale() = QLocale(QLocale::English);
  if (language.isEmpty() || language == QLatin1String("en")) return true;
  InitResources();
  if (!Install(QStringLiteral("mosaicor"), QStringLiteral(":/translations"), language)) return false;
  InstalledLocale() = QLocale(language);
  // Qt's own texts: the system's copy where Qt is installed, else the one the program carries (Windows).
  if (!Install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), language))
    Install(QStringLiteral("qtbase"), QStringLiteral(":/translations"), language);
  return true;
}

QLocale WindowLocale() { return InstalledLocale(); }

}  // namespace mosaicor
