#include "core/views/past_runs.hpp"

#include <array>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"
#include "core/views/evaluation.hpp"
#include "core/views/odds_figure.hpp"
#include "core/views/run_summary.hpp"

namespace korvane {

namespace {

// A rule across the run lines, 18 characters of `piece`.
std::string rule(const char* piece) {
  std::string line;
  for (int i = 0; i < 18; ++i) line += sj(piece);
  return line;
}

const std::string& heavyRule() {
  static const std::string line = rule("━");
  return line;
}

const std::string& lightRule() {
  static const std::string line = rule("─");
  return line;
}

// " 前走 ", "前々走", "３走前", "４走前", "５走前": six bytes each, so the course names line up.
const std::string& runLabel(int run) {
  static const std::array<std::string, 5> labels{sj(" 前走 "), sj("前々走"), sj("３走前"),
                                                 sj("４走前"), sj("５走前")};
  return labels[run - 1];
}

bool emptyRun(const AppState& app, int slot, int run) {
  static const std::string none = sj("無");
  return runSurface(app.store, app.card.runner[slot], run) == none;
}

std::string headingLine(const AppState& app, int slot, int run) {
  if (emptyRun(app, slot, run)) return runLabel(run);
  return runLabel(run) + " " + runCourseLine(app.store, app.card.runner[slot], run);
}

std::string resultLine(const AppState& app, int slot, int run) {
  if (emptyRun(app, slot, run)) return sj(" データなし");
  const int horse = app.card.runner[slot];
  return " " + finishText(runFinish(app.store, horse, run)) + " " +
         runTimeLine(app.store, horse, run);
}

bool validSlot(const AppState& app, int slot) {
  return slot >= 1 && slot <= app.card.runnerCount && slot <= kMaxRunners;
}

}  // namespace

std::string horseTitle(const AppState& app, int slot) {
  if (!validSlot(app, slot)) return {};
  const int horse = app.card.runner[slot];
  const int age = horseAge(app.store, horse);
  return horseName(app.store, horse) + " " + horseSex(app.store, horse) +
         (age >= 1 && age <= 9 ? fullWidthDigit(age) : std::to_string(age));
}

std::string pastRunsTitle(const AppState& app, int slot) {
  std::string title = horseTitle(app, slot);
  if (!validSlot(app, slot) || !app.card.oddsComplete) return title;
  return title + "   " + std::to_string(app.card.popularity[slot]) + sj("番人気（") +
         oddsFigure(app.card.winOdds[slot]) + sj("倍）");
}

RunLines disregardDialogLines(const AppState& app, const DisregardFlags* releasedFrom, int slot,
                              int run) {
  static const std::string heavyShort = sj("━━━");
  if (!validSlot(app, slot) || run < 1 || run > 5) return {};
  return RunLines{
      {heavyRule(), headingLine(app, slot, run), resultLine(app, slot, run), heavyRule()},
      {heavyShort, "", runEvaluation(app, releasedFrom, slot, run), heavyShort}};
}

RunLines pastRunsLines(const AppState& app, const DisregardFlags* releasedFrom, int slot) {
  static const std::string heavyShort = sj("━━━"), lightShort = sj("───");
  if (!validSlot(app, slot)) return {};
  RunLines lines;
  lines.runs.push_back(heavyRule());
  lines.evaluations.push_back(heavyShort);
  // Oldest first, so that the latest run stands last, just above the closing rule.
  for (int run = 5; run >= 1; --run) {
    lines.runs.push_back(headingLine(app, slot, run));
    lines.runs.push_back(resultLine(app, slot, run));
    lines.evaluations.emplace_back();
    lines.evaluations.push_back(runEvaluation(app, releasedFrom, slot, run));
    lines.runs.push_back(run > 1 ? lightRule() : heavyRule());
    lines.evaluations.push_back(run > 1 ? lightShort : heavyShort);
  }
  return lines;
}

}  // namespace korvane
