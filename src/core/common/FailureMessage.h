#pragma once
// A file that could not be read or written, told in the same words wherever it is told: the
// companion prints "<file>: <text> (<reason>)" on one line; the window's message box names the
// file on its first line and gives the text, and the reason, each on a line of its own.

#include "core/common/Outcome.h"

#include <QDir>
#include <QString>

namespace mosaicor {

// "text (reason)", or the text alone when the failure has no separate reason.
template <typename Kind>
QString FailureText(const Outcome<Kind>& failed) {
  if (failed.Reason().isEmpty()) return failed.Text();
  return QStringLiteral("%1 (%2)").arg(failed.Text(), failed.Reason());
}

// The message box's text: the file, the text, and the reason below it.
template <typename Kind>
QString FailureMessage(const QString& fileName, const Outcome<Kind>& failed) {
  QString message = QDir::toNativeSeparators(fileName) + QLatin1Char('\n') + failed.Text();
  if (!failed.Reason().isEmpty()) message += QLatin1Char('\n') + failed.Reason();
  return message;
}

}  // namespace mosaicor
