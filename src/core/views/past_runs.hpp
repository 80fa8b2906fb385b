#pragma once
// A runner's past runs as the disregard dialog (one run) and the past-runs screen "競走馬情報"
// (all five) show them: a list of run lines and, beside it, a list of evaluations (cp932).

#include <string>
#include <vector>

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

// BameiLbl of the disregard dialog: the name, a blank, sex and age ("牡４", "牝10").
std::string horseTitle(const AppState& app, int slot);

// BameiLbl of the past-runs screen: the same, and with the win odds of every runner entered,
// three blanks and "1番人気（2.3倍）".
std::string pastRunsTitle(const AppState& app, int slot);

// Two lists of the same length, row k of one beside row k of the other.
struct RunLines {
  std::vector<std::string> runs;         // SeisekiLst
  std::vector<std::string> evaluations;  // HyoukaLst
};

// The dialog for run `run` (1 = 前走 .. 5): a heavy rule, the heading and result lines of the run
// and a heavy rule; its evaluation beside the result line (`releasedFrom` as in runEvaluation).
RunLines disregardDialogLines(const AppState& app, const DisregardFlags* releasedFrom, int slot,
                              int run);

// The past-runs screen: runs 5 down to 1 between heavy rules, a light rule between two runs (16
// lines); each evaluation beside its result line.
RunLines pastRunsLines(const AppState& app, const DisregardFlags* releasedFrom, int slot);

}  // namespace korvane
