#pragma once
// The colour picker's mouse pointer, shown over the Source while a colour is being picked.

#include <QCursor>

QCursor LoadPickerCursor();
