#pragma once
// The core tells what went wrong in English, for the companion and its scripts. The window tells
// the same failures in its own language: each English reason is matched against the core's
// wordings and given in the installed translation, with the file's own figures and names put back.
// A text the table does not know (a library's message, a system error) is shown as it came.

#include <QString>
#include <utility>

#include "core/common/FailureMessage.h"
#include "core/common/Outcome.h"

namespace mosaicor {

// The reason in the window's language; unknown texts come back unchanged.
QString TranslatedReason(const QString& english);

// FailureMessage's box text, its lines in the window's language.
template <typename Kind>
QString TranslatedFailureMessage(const QString& fileName, const Outcome<Kind>& failed) {
  Failure<Kind> told = failed.Error();
  told.text = TranslatedReason(told.text);
  told.reason = TranslatedReason(told.reason);
  return FailureMessage(fileName, Outcome<Kind>(std::move(told)));
}

}  // namespace mosaicor
