#pragma once
// How the picture-file operations tell the user about a failure. The window shows the text in a
// message box; the companion keeps it as the failure reason of its input.

#include <QString>

class FileMessages {
 public:
  virtual ~FileMessages() = default;
  virtual void ShowFileMessage(const QString& text) = 0;
};

// Keeps the last message: the companion's failure reason, and what tests look at.
class CollectedMessages : public FileMessages {
 public:
  void ShowFileMessage(const QString& text) override {
    last = text;
    ++count;
  }
  QString last;
  int count = 0;
};
