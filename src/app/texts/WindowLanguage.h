#pragma once
// The window's language: English as written in the code, or one of the translations compiled into
// the program, chosen by --language or else by the system's preferred languages, for this run only.
// Qt's own dialog texts follow the same language.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace mosaicor {

// The translations the program carries, as Qt names locales ("de", "pt_BR"), in alphabetical order.
const QStringList& TranslatedLanguages();

// The language to speak: `requested` (from --language) if given, else the first of the system's
// `uiLanguages` ("de-DE", "pt-BR", ...) that a translation or English serves; English when none
// does. A language without its country variant takes the carried variant ("pt" gives "pt_BR").
// Returns "en" for English, and an empty text for a request no translation serves.
QString ResolveLanguage(const QString& requested, const QStringList& uiLanguages);

// Replaces the installed translations with those of `language` (as ResolveLanguage returns it):
// the window's own and Qt's. English removes them. False if the window's translation is missing.
bool InstallTranslations(const QString& language);

// The locale of the installed translation, for the numbers the window writes into its texts
// (a thousands separator reads as a decimal point in some languages); English when none is.
QLocale WindowLocale();

}  // namespace mosaicor
