#include "core/flows/record_editor.hpp"

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/entry/entry_texts.hpp"
#include "core/entry/run_prefill.hpp"
#include "core/text/sjis.hpp"
#include "core/views/run_summary.hpp"

namespace korvane {

RecordEditor::RecordEditor(AppState& app) : app_(app), horse_(app.currentHorse) {
  app_.currentScreen = Screen::Entry;
}

RecordEditor::~RecordEditor() {
  app_.currentScreen = Screen::Main;
}

std::string RecordEditor::nameLabel() const {
  return korvane::nameLabel(app_.store, horse_);
}

std::string RecordEditor::styleLabel() const {
  return styleInWords(horseStyle(app_.store, horse_));
}

RunRow RecordEditor::row(int slot) const {
  if (runSurface(app_.store, horse_, slot) == sj("無")) return {sj(" なし"), "", ""};
  return {finishText(runFinish(app_.store, horse_, slot)), runCourseLine(app_.store, horse_, slot),
          runTimeLine(app_.store, horse_, slot)};
}

RunEntry RecordEditor::runEntry(int slot) const {
  const Date today = app_.clock.today();
  return openRunEntry(app_.store, horse_, slot, YearMonth{today.year, today.month});
}

void RecordEditor::storeRun(int slot, const RunRecord& run) {
  if (slot == 0) {
    addNewestRun(app_.store, horse_, run);
  } else {
    replaceRun(app_.store, horse_, slot, run);
  }
}

bool RecordEditor::insertRun(int slot) {
  const Question q = insertQuestion(slot);
  if (!app_.dialogs.confirm(q.first, q.second)) return false;
  insertBlankRun(app_.store, horse_, slot);
  return true;
}

bool RecordEditor::deleteRun(int slot) {
  const Question q = deleteQuestion(slot);
  if (!app_.dialogs.confirm(q.first, q.second)) return false;
  korvane::deleteRun(app_.store, horse_, slot);
  return true;
}

NameChoice RecordEditor::renameChoice() const {
  return korvane::renameChoice(app_.store, horse_);
}

void RecordEditor::rename(const NameChoice& choice) {
  renameHorse(app_.store, horse_, choice);
  nameChanged_ = true;
}

void RecordEditor::help() {
  app_.dialogs.message(editorHelpPage(1));
  app_.dialogs.message(editorHelpPage(2));
}

}  // namespace korvane
