#pragma once
// The user evaluation screen (ユーザー予想の入力): the user's own class for every runner, what
// its five columns and labels show. Texts are cp932.
// The names column is the prediction screen's (PredictionColumns::name).

#include <array>
#include <string>
#include <vector>

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

// A row of the race: slots 1..runnerCount.
bool isRaceSlot(const TRaceCard& card, int slot);

// The five classes, userRank 1..5: 絶対連絡む, 上位必至, わからない, たぶん下位, 絶対来ない.
inline constexpr int kUserClassCount = 5;
inline constexpr int kUndecidedClass = 3;  // わからない, the class of every new slot
const std::array<std::string, kUserClassCount>& userClassNames();

// The heading over the five columns and the hint it and the column captions carry.
std::string userEvaluationHeading();
std::string userEvaluationHint();

// The class a slot is shown in: its userRank, or わからない for a number no class has (the
// judgement weighs such a runner as わからない too).
int shownUserClass(const TRaceCard& card, int slot);

// Column `userClass` (1..5) for slots 1..runnerCount: "   ○" where the slot is in that class,
// "   ・" elsewhere.
std::vector<std::string> userClassColumn(const TRaceCard& card, int userClass);

// CursorLbl: "カーソル位置", or with the column under the pointer "カーソル位置［上位必至］".
std::string cursorLabel(int userClass);

// SelectLbl for the row under the pointer: "3 " + the horse's name ("出走取消" for a scratched
// slot), or "なし" below the last runner.
std::string selectLabel(const AppState& app, int row);

// The row (1-based) under the pointer at height y of a column of 18 rows.
int rowUnderPointer(int y, int columnHeight);

// Runners in 絶対連絡む and 上位必至 together (scratched slots do not run).
int strongRatedCount(const TRaceCard& card);

// 判定 narrows at most seven strong horses down to candidates.
inline constexpr int kMaxStrongRated = 7;
const std::vector<std::string>& tooManyStrongRatedMessage();

}  // namespace korvane
