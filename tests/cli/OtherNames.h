#pragma once
// Other names of one file, as each platform spells them, for the tests of the companion's refusal
// to write over an input.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace mosaicor {

inline bool HardLink(const QString& existing, const QString& link) {
#if defined(_WIN32)
  return CreateHardLinkW(QDir::toNativeSeparators(link).toStdWString().c_str(),
                         QDir::toNativeSeparators(existing).toStdWString().c_str(), nullptr);
#else
  return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0;
#endif
}

// Names that lead to `file` without being its own path: a hard link ("hard-<name>" beside it) on
// every platform; on Unix a symbolic link ("link-<name>"); on Windows, where QFile::link makes a
// shortcut (a file of its own) rather than a link, the path in capitals and through ".\".
// Empty when a link cannot be made.
inline QStringList OtherNamesOf(const QString& file) {
  const QFileInfo info(file);
  const QString folder = info.absolutePath(), name = info.fileName();
  const QString hard = folder + "/hard-" + name;
  if (!HardLink(file, hard)) return {};
#if defined(_WIN32)
  return {hard, QDir::toNativeSeparators(folder + '/' + name.toUpper()),
          QDir::toNativeSeparators(folder) + "\\.\\" + name};
#else
  const QString symbolic = folder + "/link-" + name;
  if (!QFile::link(file, symbolic)) return {};
  return {hard, symbolic};
#endif
}

}  // namespace mosaicor
