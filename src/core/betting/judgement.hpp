#pragma once
// The betting judgement (判定): the program's marked horses and the user's evaluation merged into
// one overall list of at most seven horses, the kind of bet that suits the race, and the
// suggested quinella, win, place and wide bets with their estimated odds. Every string is cp932,
// exactly as the judgement window shows it.

#include <array>
#include <string>
#include <vector>

#include "core/database/race_card.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

struct AppState;
class HorseStore;
struct TYosouResult;

// Longest overall list: a ◎, ○, ▲, △, × and two 注.
inline constexpr int kMaxOverall = 7;
// The choices of 最大買い目数: １点 .. 11点, ７点 when the window opens.
inline constexpr int kMinBets = 1;
inline constexpr int kMaxBets = 11;
inline constexpr int kStandardMaxBets = 7;

// Whose evaluation the judgement weighs: the user's (the user evaluation screen), or nobody's
// (コルバンの買い目: every runner counts as わからない, whatever the card says).
enum class UserEvaluations { FromCard, Neutral };

// What the judgement decides once per showing; the bets are computed from it for any 最大買い目数.
struct Judgement {
  int runnerCount = 0;
  // Per runner slot (index 0 unused): "10" and the 18-byte name as the lists write them, and
  // the win odds (0.0 = not entered).
  std::array<std::string, kMaxRunners + 1> number;
  std::array<std::string, kMaxRunners + 1> name;
  std::array<double, kMaxRunners + 1> winOdds{};
  std::array<std::string, 6> symbols;
  int confidence = 0;

  // The user's classes 絶対連絡む, 上位必至, たぶん下位 and 絶対来ない; rated1 and rated2 stand
  // in コルバン指数 order, the other two in slot order.
  std::vector<int> rated1, rated2, rated4, rated5;

  std::vector<std::string> sKouho;  // 「コルバン」の有力馬
  std::vector<std::string> uKouho;  // ユーザー予想の有力馬

  BetKind judgeClass = BetKind::Box;
  std::vector<int> overall;  // D1 (the main horse) .. Dn
  // No runner rated anything but わからない: the program's own judgement, whose reliability
  // closes the overall list.
  bool programOnly = true;
};

// The lists of the judgement window for one 最大買い目数.
struct BetLists {
  int maxBets = kStandardMaxBets;
  int betCount = 0;
  std::string kaimeLbl;             // "枠連" up to eight runners, else "馬連"
  std::vector<std::string> sougou;  // 総合判定結果
  std::vector<std::string> kaime1;  // the first three quinella bets
  std::vector<std::string> kaime2;  // the rest
  std::vector<std::string> kaime3;  // the summary: "１点買い", "4頭ボックス" + " （計6点）", ...
  std::vector<std::string> tanshou;   // 単勝
  std::vector<std::string> fukushou;  // 複勝
  std::vector<std::string> wide;      // ワイド
};

Judgement judgeRace(const TRaceCard& card, const HorseStore& store, const TYosouResult& result,
                    const std::array<std::string, 6>& symbols, UserEvaluations evaluations);
// Over the program's state: the race card, the last prediction and the mark symbols.
Judgement judgeRace(const AppState& app, UserEvaluations evaluations);

// The bets for maxBets (clamped to 1..11); the overall list and the kind of bet stay as judged.
BetLists computeBets(const Judgement& judgement, int maxBets = kStandardMaxBets);

// The number of quinella bets for an overall list of n horses.
int betCountFor(BetKind judgeClass, int n, int maxBets);

// An odds figure as the lists write it: one decimal, the decimal dropped when the figure is
// longer than four characters, right-aligned in four; "  ??" when not known (0).
std::string oddsText(double odds);

// The estimated quinella odds of two runners from their win odds.
double estimatedQuinellaOdds(double winOddsA, double winOddsB);

// A runner number right-aligned in two characters: " 3", "12".
std::string runnerNumber(int slot);

// A quinella pair, the smaller number first: " 3-12".
std::string pairText(int slotA, int slotB);

}  // namespace korvane
