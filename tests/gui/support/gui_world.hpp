#pragma once
// An AppState in a temporary data folder with scripted dialogs and a fixed date: what every
// window test builds its windows over.

#include <QObject>
#include <QTemporaryDir>
#include <QtGlobal>
#include <filesystem>

#include "core/app/app_state.hpp"
#include "core/text/line_file.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane::testing {

// The control `name` of `window`. A control that is not there ends the test at once, naming it,
// instead of crashing on a null pointer.
template <class Widget>
Widget* child(const QObject& window, const char* name) {
  auto* found = window.findChild<Widget*>(name);
  if (found == nullptr) qFatal("no control %s", name);
  return found;
}

struct GuiWorld {
  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  FixedClock clock;
  AtomicLineWriter writer;
  AppState app{dialogs, clock, writer};

  GuiWorld() {
    const std::filesystem::path data(dir.path().toStdString());
    app.folders.data = data;
    app.folders.race = data / "RaceFile";
    app.folders.custom = data / "CustomFile";
    app.folders.desktop = data / "Desktop";
    for (const auto& folder : {app.folders.race, app.folders.custom, app.folders.desktop}) {
      std::filesystem::create_directories(folder);
    }
  }

  // The sample set shipped with the program, loaded as the all-horses set is on a first start.
  static std::filesystem::path sampleFile() {
    return std::filesystem::path(KORVANE_SOURCE_DIR) / "data" / "smpuma.um0";
  }
};

}  // namespace korvane::testing
