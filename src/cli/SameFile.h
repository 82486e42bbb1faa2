#pragma once
// Whether an output would be written over one of the run's inputs. Writing a picture over the file
// it is made from destroys the input (a 32-bit picture loses its alpha, a resized one is gone), so
// such an output is refused before the input is read.

#include <QString>
#include <QStringList>

namespace mosaicor {

// True when both paths name one existing file: the same device and inode (hard links too), or,
// where the platform has no inodes, the same path once ".", ".." and symbolic links are resolved.
bool IsSameFile(const QString& a, const QString& b);

// The index in `inputs` of the input that `output` would overwrite, the input at `own` first;
// -1 when it overwrites none.
int OverwrittenInput(const QString& output, const QStringList& inputs, int own);

}  // namespace mosaicor
