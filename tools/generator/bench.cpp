#include "generator/bench.hpp"

#include <chrono>
#include <filesystem>

#include "core/app/app_state.hpp"
#include "core/betting/judgement.hpp"
#include "core/flows/prediction.hpp"
#include "core/views/prediction_columns.hpp"
#include "generator/quiet_platform.hpp"

namespace korvane::gen {

RaceSet benchRace(int i) {
  WorldOptions options;
  options.seed = 0xC0FFEEull + static_cast<std::uint64_t>(i) * 7919ull;
  options.horses = 24;
  options.groupSize = 24;
  const World world = generateWorld(options);
  Rng rng(options.seed ^ 0xCA4Dull);
  CardOptions card;
  card.runners = 8 + i % 11;
  card.scratched = i % 7 == 0 ? 1 : 0;
  card.odds = i % 3 == 0;
  card.disregards = i % 5 == 0 ? 2 : 0;
  return raceSet(world, makeCard(world, rng, card));
}

void Fnv1a::add(std::string_view bytes) {
  for (unsigned char c : bytes) {
    hash_ ^= c;
    hash_ *= 0x100000001B3ull;
  }
  // A separator, so that "ab" + "c" and "a" + "bc" differ.
  hash_ ^= 0xFF;
  hash_ *= 0x100000001B3ull;
}

void Fnv1a::add(std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) {
    hash_ ^= (bits >> (8 * i)) & 0xFF;
    hash_ *= 0x100000001B3ull;
  }
}

void addPrediction(Fnv1a& hash, const TYosouResult& r, const PredictionColumns& c) {
  hash.add(std::int64_t{r.runnerCount});
  for (int k = 1; k <= r.runnerCount && k <= kMaxRunners; ++k) {
    const RunnerResult& x = r.runner[k];
    for (std::int64_t v :
         {x.ability, x.abilityRank, x.power, x.powerRank, x.loseP, x.losePRank,
          std::int32_t{x.losePZero}, x.allDistance, x.allDistanceRank, x.best, x.bestRank,
          x.lastRun, x.lastRunRank, x.form, x.korvane, x.korvaneRank, x.styleFit}) {
      hash.add(v);
    }
    for (int run = 1; run <= 5; ++run) hash.add(std::int64_t{x.runScore[run]});
    hash.add(x.raceStyle);
  }
  for (const SlotOrder* order : {&r.korvaneOrder, &r.powerOrder, &r.bestOrder, &r.abilityOrder,
                                 &r.lastRunOrder, &r.allDistanceOrder, &r.losePOrder}) {
    hash.add(std::int64_t{order->size});
    for (int i = 0; i < order->size && i < kMaxRunners; ++i) hash.add(std::int64_t{order->slot[i]});
  }
  hash.add(std::int64_t{r.markCount});
  for (int i = 0; i < r.markCount && i < kMaxMarks; ++i) hash.add(std::int64_t{r.markOrder[i]});
  for (std::int64_t v :
       {r.confidence, static_cast<std::int32_t>(r.confidenceClass), r.distanceMin, r.distanceMax})
    hash.add(v);
  for (const auto* column : {&c.umaban, &c.name, &c.mark, &c.style, &c.ability, &c.power, &c.loseP,
                             &c.best, &c.lastRun, &c.allDistance, &c.form}) {
    hash.add(std::int64_t{static_cast<std::int64_t>(column->size())});
    for (const std::string& item : *column) hash.add(item);
  }
  hash.add(c.reliability);
  hash.add(c.development);
  hash.add(c.developmentLabel);
}

void loadInto(AppState& app, const RaceSet& race) {
  app.store = race.store;
  app.card = race.card;
  app.editedFile = std::filesystem::path("bench.uma");
  app.result = TYosouResult{};
}

namespace {

// The judgement's lists and the bets of one 最大買い目数.
void addJudgement(Fnv1a& hash, const Judgement& j) {
  for (const std::vector<int>* slots : {&j.rated1, &j.rated2, &j.rated4, &j.rated5, &j.overall}) {
    hash.add(static_cast<std::int64_t>(slots->size()));
    for (int slot : *slots) hash.add(std::int64_t{slot});
  }
  for (const auto* list : {&j.sKouho, &j.uKouho}) {
    hash.add(static_cast<std::int64_t>(list->size()));
    for (const std::string& item : *list) hash.add(item);
  }
  hash.add(static_cast<std::int64_t>(j.judgeClass));
}

void addBets(Fnv1a& hash, const BetLists& bets) {
  hash.add(std::int64_t{bets.maxBets});
  hash.add(std::int64_t{bets.betCount});
  hash.add(bets.kaimeLbl);
  for (const auto* list : {&bets.sougou, &bets.kaime1, &bets.kaime2, &bets.kaime3, &bets.tanshou,
                           &bets.fukushou, &bets.wide}) {
    hash.add(static_cast<std::int64_t>(list->size()));
    for (const std::string& item : *list) hash.add(item);
  }
}

// The classes the user gives race i before its second judgement; every third race is left to the
// program.
void rateForBench(TRaceCard& card, int i) {
  const int n = card.runnerCount;
  if (i % 3 == 0 || n == 0) return;
  // One or two sure horses, the next ones near the top, then one likely beaten and one out.
  const std::array<int, 7> ranks{1, i % 3 == 2 ? 1 : 2, 2, 2, 2, 4, 5};
  for (int r = 0; r < static_cast<int>(ranks.size()); ++r) {
    const int slot = (i + 3 * r) % n + 1;
    if (card.runner[slot] != 0 && card.userRank[slot] == 3) card.userRank[slot] = ranks[r];
  }
}

}  // namespace

BenchOutcome runBench(int n) {
  QuietPlatform platform;
  AppState app(platform.dialogs, platform.clock, platform.writer);
  Fnv1a hash;
  std::chrono::steady_clock::duration spent{};
  for (int i = 0; i < n; ++i) {
    loadInto(app, benchRace(i));
    const auto start = std::chrono::steady_clock::now();
    predictRace(app);
    const PredictionColumns columns = buildPredictionColumns(app);
    spent += std::chrono::steady_clock::now() - start;
    addPrediction(hash, app.result, columns);
    for (const UserEvaluations evaluations :
         {UserEvaluations::Neutral, UserEvaluations::FromCard}) {
      if (evaluations == UserEvaluations::FromCard) rateForBench(app.card, i);
      const Judgement judgement = judgeRace(app, evaluations);
      addJudgement(hash, judgement);
      for (int maxBets = kMinBets; maxBets <= kMaxBets; ++maxBets) {
        addBets(hash, computeBets(judgement, maxBets));
      }
    }
  }
  BenchOutcome outcome;
  outcome.signature = hash.value();
  if (n > 0) outcome.secondsPerPrediction = std::chrono::duration<double>(spent).count() / n;
  return outcome;
}

}  // namespace korvane::gen
