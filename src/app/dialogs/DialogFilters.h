#pragma once
// The file dialogs' filter lists are written as "Name|*.A;*.B|Other|*.C"; Qt's dialogs take
// "Name (*.A *.B)", "Other (*.C)".

#include <QSize>
#include <QString>
#include <QStringList>

namespace mosaicor {

// Qt reads a filter's patterns from its last brackets; the dialogs hide those details, so the
// descriptions show as they are written.
QStringList QtNameFilters(const QString& filter);

// The size every file dialog opens at: a long path in the name box, and the list's name, size and
// date columns, show in full (Qt's own choice, about 535 x 412, cuts them).
inline constexpr QSize kFileDialogSize(960, 600);

}  // namespace mosaicor
