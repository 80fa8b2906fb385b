#pragma once
// Clicks as a person makes them on the windows' lists and menus, and the guard that keeps a test
// from waiting on a window its clicks did not close.

#include <QAction>
#include <QDialog>
#include <QListView>
#include <QMenuBar>
#include <QtTest/QTest>

#include "gui/platform/widget_helpers.hpp"
#include "tests/gui/support/gui_world.hpp"

namespace korvane::testing {

inline QPoint rowCentre(QListView* list, int row) {
  return list->visualRect(list->model()->index(row, 0)).center();
}

inline void clickRow(QListView* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

// As the desktop sends it: a click, then the double click on the same spot.
inline void doubleClickRow(QListView* list, int row) {
  clickRow(list, row);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

// A menu item of the main window, found by its caption.
inline QAction* menuItem(const QWidget& mainWindow, const char* caption) {
  for (QAction* action : child<QMenuBar>(mainWindow, "MainMenu1")->findChildren<QAction*>()) {
    if (action->text() == gui::qs(caption)) return action;
  }
  return nullptr;
}

// A window the clicks did not close is closed with -1, so that the test fails instead of waiting.
inline void closeIfOpen(QDialog& window) {
  if (window.isVisible()) window.done(-1);
}

}  // namespace korvane::testing
