#pragma once
// Every picture file is written whole through QSaveFile: a file that cannot be written completely
// never replaces the one that was there.

#include "core/common/Outcome.h"

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

namespace mosaicor {

// Fails with a sentence naming the file and the reason.
Outcome<> WriteFileAtomically(const QString& fileName, QByteArrayView bytes);

// The same promise for runs that write thousands of small files (a level's tiles): the bytes go
// whole into a new file beside it, which then takes the name in one step, so a failed write
// never replaces the old file. It does not wait for the disk to hold each file, which costs a
// few milliseconds a file and would make such a run take seconds.
Outcome<> WriteFileReplacing(const QString& fileName, QByteArrayView bytes);

// That sentence for a file being written whose write failed: "Cannot write <file>: <reason>".
Failure<> CannotWrite(const QString& fileName, const QFileDevice& file);

// The bytes an encoder made, written as above; the encoder's failure as it is.
Outcome<> WriteEncoded(const Result<QByteArray>& encoded, const QString& fileName);

// The writers' failure for a null picture: "There is no picture to save."
Failure<> NoPictureToSave();

// Writes all `size` bytes to an unbuffered file. A write that comes short (a disk that fills up on
// the way) is followed by one for the rest, which fails with the system's reason ("No space left
// on device") in the file's errorString(); a short write alone leaves no reason behind.
bool WriteAll(QFileDevice& file, const char* data, qint64 size);

// Asks the file system to set aside the blocks of a file about to be written with `size` bytes, so
// that a large texture set is allocated in one step rather than page by page as it is written. Only
// a hint: where the file system cannot, the writes that follow allocate as usual and report any
// shortage themselves. The file's size is not changed.
void ReserveFileSpace(QFileDevice& file, qint64 size);

}  // namespace mosaicor
