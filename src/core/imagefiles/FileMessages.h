#pragma once
// How the picture-file operations tell the user about a failure. The window shows the text in a
// message box; the companion keeps it as the failure reason of its input.

#include <QString>

class FileMessages {
 public:
  virtual ~FileMessages() = default;
  // `text` is the program's sentence for the failure; `reason`, when not empty, says what is really
  // wrong with the file ("the file is empty"), where the sentence alone would not tell.
  virtual void ShowFileMessage(const QString& text, const QString& reason) = 0;

  // The sentence and its reason as one line: "text (reason)", or the text alone.
  static QString OneLine(const QString& text, const QString& reason) {
    return reason.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, reason);
  }
};

// Keeps the last message: the companion's failure reason, and what tests look at.
class CollectedMessages : public FileMessages {
 public:
  void ShowFileMessage(const QString& text, const QString& reason) override {
    last = text;
    lastReason = reason;
    ++count;
  }
  // The last message with its reason, as the companion prints it.
  QString LastLine() const { return OneLine(last, lastReason); }

  QString last;
  QString lastReason;
  int count = 0;
};
