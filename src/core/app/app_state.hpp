#pragma once
// What the program has exactly one of. Created by main (or a test) and passed by reference.

#include <filesystem>
#include <string>

#include "core/app/clock.hpp"
#include "core/app/dialogs.hpp"
#include "core/app/settings.hpp"
#include "core/custom/custom_file.hpp"
#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "core/database/store_files.hpp"
#include "core/engine/marking.hpp"
#include "core/engine/prediction_engine.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/line_file.hpp"

namespace korvane {

struct Folders {
  std::filesystem::path data;     // all-horses files, smpuma.um0, korvane.ini
  std::filesystem::path race;     // starting folder of the race file dialogs
  std::filesystem::path custom;   // custom marking files
  std::filesystem::path desktop;  // default folder of output files
};

// The screen in front, on which the message, confirmation and wait windows centre.
enum class Screen { None, Main, Entry, Prediction };  // メイン, 入力, 予想

struct AppState {
  AppState(Dialogs& dialogs, const Clock& clock, LineWriter& writer)
      : dialogs(dialogs), clock(clock), writer(writer) {}

  Dialogs& dialogs;
  const Clock& clock;
  LineWriter& writer;

  HorseStore store;
  TRaceCard card;
  TYosouResult result;
  PredictionEngine engine;  // the tables of the last prediction, read by the detail views
  Settings settings;
  CustomState custom;  // the committed custom marking rules and the current custom file
  Folders folders;

  // allHorsesFileName() while the all-horses set is edited, else the race file's full path.
  std::filesystem::path editedFile = allHorsesFileName();

  int currentHorse = 0;    // main window and horse record editor
  int selectedSlot = 0;    // main window runner list
  int selectedRunner = 0;  // prediction views
  Screen currentScreen = Screen::None;

  // How a prediction marks the race: the marking mode and bet display settings and the committed
  // custom rules.
  Marking marking() const;

  bool editingAllHorses() const { return editedFile == allHorsesFileName(); }
  // The file label of the main and prediction windows: "全競走馬" for the all-horses set, else
  // the race file's name (cp932).
  std::string fileLabel() const;
};

}  // namespace korvane
