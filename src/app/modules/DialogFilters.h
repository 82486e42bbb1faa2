#pragma once
// The file dialogs' filter lists are written as "Name|*.A;*.B|Other|*.C"; Qt's dialogs take
// "Name (*.A *.B)", "Other (*.C)".

#include <QString>
#include <QStringList>

namespace mosaicor {

// Qt reads a filter's patterns from its last brackets; the dialogs hide those details, so the
// descriptions show as they are written.
QStringList QtNameFilters(const QString& filter);

}  // namespace mosaicor
