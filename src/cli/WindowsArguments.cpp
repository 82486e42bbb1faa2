#include "cli/WindowsArguments.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace mosaicor {

QStringList ExpandedInputs(const QString& input) {
#if defined(Q_OS_WIN)
  const QFileInfo info(input);
  const QString name = info.fileName();
  if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?'))) return {input};
  // The folder is kept as the user wrote it, so that the lines printed name the files the same way.
  const qsizetype cut = input.size() - name.size();
  const QString folder = input.left(cut);
  const QStringList names =
      QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
          .entryList({name}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
  if (names.isEmpty()) return {input};
  QStringList files;
  for (const QString& match : names) files << folder + match;
  return files;
#else
  return {input};
#endif
}

QString BentArgument(const QString& argument) {
#if defined(Q_OS_WIN)
  if (argument.contains(QLatin1Char('"')))
    return QStringLiteral(
               "'%1': a quote inside an argument; Windows reads a backslash before a closing quote (\"out\\\") "
               "as a quote character and joins what follows: leave that backslash out (\"out\")")
        .arg(argument);
#else
  Q_UNUSED(argument);
#endif
  return {};
}

bool IsDeviceName(const QString& path) {
#if defined(Q_OS_WIN)
  static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
  return device.match(QFileInfo(path).fileName()).hasMatch();
#else
  Q_UNUSED(path);
  return false;
#endif
}

}  // namespace mosaicor
