#pragma once
// With KORVANE_SCREENSHOTS set to a folder (scripts/screenshots), a window is saved there as a
// PNG picture for the README; without it nothing happens.

#include <QString>
#include <QWidget>
#include <QtTest>

namespace korvane::testing {

inline void picture(QWidget& window, const char* name) {
  const QString folder = qEnvironmentVariable("KORVANE_SCREENSHOTS");
  if (folder.isEmpty()) return;
  window.repaint();
  QVERIFY(window.grab().save(folder + "/" + name));
}

}  // namespace korvane::testing
