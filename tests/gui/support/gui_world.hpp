#pragma once
// An AppState in a temporary data folder with scripted dialogs and a fixed date: what every
// window test builds its windows over.

#include <QString>
#include <QTemporaryDir>
#include <filesystem>

#include "core/app/app_state.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "core/text/line_file.hpp"

namespace korvane::testing {

// What a widget should show, written as the UTF-8 literal it is.
inline QString q(const char* utf8) {
  return QString::fromUtf8(utf8);
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
