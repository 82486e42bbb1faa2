#include "app/mainwindow/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "app/texts/WindowLanguage.h"

#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/Workbench.h"

namespace mosaicor {

StartupFiles ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Builds texture sets for the classic Tomb Raider level editors."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("SOURCE"),
                               QStringLiteral("A level or picture to open in the Source canvas."),
                               QStringLiteral("[SOURCE]"));
  const QCommandLineOption target(QStringLiteral("target"),
                                  QStringLiteral("A texture set to open in the Target canvas."),
                                  QStringLiteral("TEXTURESET"));
  parser.addOption(target);
  const QCommandLineOption language(
      QStringLiteral("language"),
      QStringLiteral("The window's language: %1 or en. By default the system's.").arg(TranslatedLanguages().join(", ")),
      QStringLiteral("CODE"));
  parser.addOption(language);
  parser.process(arguments);
  StartupFiles files;
  if (parser.isSet(language)) {
    // An empty code would otherwise mean "the system's" and pass without a word.
    const QString code = parser.value(language).trimmed();
    files.language = code.isEmpty() ? QString() : ResolveLanguage(code, {});
    if (files.language.isEmpty()) {
      std::fprintf(stderr, "%s: no translation for '%s'; choose one of %s or en\n",
                   qPrintable(QCoreApplication::applicationName()), qPrintable(parser.value(language)),
                   qPrintable(TranslatedLanguages().join(", ")));
      std::exit(EXIT_FAILURE);
    }
  }
  if (!parser.positionalArguments().isEmpty()) files.source = parser.positionalArguments().constFirst();
  files.target = parser.value(target);
  return files;
}

void OpenStartupFiles(Workbench& bench, const StartupFiles& files) {
  // Each file is an operation of its own: it shows as soon as it is open, so a message about the
  // next one has it behind it.
  if (!files.source.isEmpty()) bench.Sources().OpenFile(files.source);
  if (!files.target.isEmpty()) bench.Targets().OpenTextureSet(files.target);
}

}  // namespace mosaicor
