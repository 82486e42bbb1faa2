#pragma once
// Every picture file is written whole through QSaveFile: a file that cannot be written completely
// never replaces the one that was there.

#include <QByteArrayView>
#include <QString>

// On failure returns false with a sentence naming the file and the reason in `error`.
bool WriteFileAtomically(const QString& fileName, QByteArrayView bytes, QString& error);
