#pragma once
// What a list of a window shows, read the way a person reads it: its items top to bottom.

#include <QListWidget>
#include <QStringList>

namespace korvane::testing {

// The items of the list named `name` in `window`; empty when the window has no such list.
inline QStringList listTexts(const QWidget& window, const char* name) {
  QStringList texts;
  const auto* list = window.findChild<QListWidget*>(name);
  for (int row = 0; list != nullptr && row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

}  // namespace korvane::testing
