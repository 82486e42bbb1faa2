#pragma once
// Setting a control from the model without running its handlers.

#include <QSignalBlocker>

namespace mosaicor {

template <typename W, typename V>
void SetQuietly(W* widget, void (W::*set)(V), V value) {
  const QSignalBlocker quiet(widget);
  (widget->*set)(value);
}

}  // namespace mosaicor
