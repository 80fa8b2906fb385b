#include "core/flows/odds.hpp"

#include "core/app/app_state.hpp"
#include "core/app/dialogs.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

void showNoSelection(Dialogs& dialogs) {
  dialogs.message({sj("オッズを修正したい所を"), sj("クリックしてからお願いします。")});
}

bool selectable(const TRaceCard& card, int slot) {
  return slot >= 1 && slot <= card.runnerCount && !isScratched(card, slot);
}

// Asks slot k's win odds and stores a valid answer; false on a cancel.
bool askWinOdds(AppState& app, int slot, const AskValue& ask) {
  const std::optional<std::string> text =
      ask(winOddsQuestion(app, slot), winOddsValue(app.card.winOdds[slot]));
  const std::optional<double> odds = text ? readWinOddsInput(*text) : std::nullopt;
  if (!odds) return false;
  app.card.winOdds[slot] = *odds;
  recomputeOdds(app.card);
  app.store.modified = true;
  return true;
}

bool askQuinella(QuinellaOdds& odds, int entry, const AskValue& ask) {
  const std::optional<std::string> text = ask(odds.question(entry), odds.value(entry));
  const std::optional<double> value = text ? readOddsInput(*text) : std::nullopt;
  if (!value) return false;
  odds.set(entry, *value);
  return true;
}

}  // namespace

void enterAllWinOdds(AppState& app, const AskValue& ask) {
  for (int k = 1; k <= app.card.runnerCount; ++k) {
    if (app.card.winOdds[k] >= kScratchedOdds) continue;
    if (!askWinOdds(app, k, ask)) return;
  }
}

int correctWinOdds(AppState& app, int selected, const AskValue& ask) {
  const TRaceCard& card = app.card;
  if (!selectable(card, selected)) {
    showNoSelection(app.dialogs);
    return 0;
  }
  if (!askWinOdds(app, selected, ask)) return selected;
  // A scratched row cannot be selected, or the next correction would give it odds again.
  for (int k = selected + 1; k <= card.runnerCount; ++k) {
    if (selectable(card, k)) return k;
  }
  return 0;
}

bool clearWinOdds(AppState& app) {
  if (!app.dialogs.confirm(sj("単勝オッズをクリアします。"), sj("よろしいですか？"))) return false;
  TRaceCard& card = app.card;
  for (int k = 1; k <= card.runnerCount; ++k) {
    // A withdrawn runner stays withdrawn: its 9999.0 is what keeps it out of the popularity.
    if (card.winOdds[k] < kScratchedOdds) card.winOdds[k] = 0.0;
  }
  recomputeOdds(card);
  app.store.modified = true;
  return true;
}

bool mayEnterQuinella(AppState& app) {
  for (int k = 1; k <= app.card.runnerCount; ++k) {
    if (isScratched(app.card, k)) {
      app.dialogs.message({sj("出走取消の馬がいるため"), sj("馬連オッズが入力できません。")});
      return false;
    }
  }
  return true;
}

void enterAllQuinella(QuinellaOdds& odds, const AskValue& ask) {
  for (int i = 1; i <= odds.entries(); ++i) {
    if (!askQuinella(odds, i, ask)) return;
  }
}

int correctQuinella(Dialogs& dialogs, QuinellaOdds& odds, int selected, const AskValue& ask) {
  if (selected < 1 || selected > odds.entries()) {
    showNoSelection(dialogs);
    return 0;
  }
  if (!askQuinella(odds, selected, ask)) return selected;
  return selected < odds.entries() ? selected + 1 : 0;
}

bool finishQuinella(AppState& app, const QuinellaOdds& odds) {
  const auto win = winOddsFromQuinella(odds);
  if (!win || static_cast<int>(win->size()) != app.card.runnerCount) return false;
  for (int k = 1; k <= app.card.runnerCount; ++k) {
    app.card.winOdds[k] = (*win)[static_cast<std::size_t>(k - 1)];
  }
  recomputeOdds(app.card);
  app.store.modified = true;
  return true;
}

}  // namespace korvane
