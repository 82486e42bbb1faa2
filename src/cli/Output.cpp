#include "Batch.h"

#include "imagefiles/ImageFileModule.h"
#include "imagefiles/TgaWriter.h"

bool WriteOutput(const QImage& picture, const QString& path, bool alpha, QString& reason) {
  if (alpha) return SaveAsUncompTGA32bits(picture, path, reason);
  // The way the program saves a texture set: 24 bits, by the extension, the whole picture.
  CollectedMessages messages;
  ImageFileModule files(messages);
  if (files.SaveImageAs24BitsFile(picture, picture.width(), picture.height(), path)) return true;
  reason = messages.LastLine();
  return false;
}
