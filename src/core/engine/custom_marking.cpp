#include "core/engine/custom_marking.hpp"

#include "core/engine/mark_list.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

namespace {

const SlotOrder& orderOfKind(const TYosouResult& r, int kind) {
  switch (static_cast<RuleKind>(kind)) {
    case RuleKind::Power:
      return r.powerOrder;
    case RuleKind::Ability:
      return r.abilityOrder;
    case RuleKind::Best:
      return r.bestOrder;
    case RuleKind::AllDistance:
      return r.allDistanceOrder;
    case RuleKind::LoseP:
      return r.losePOrder;
    case RuleKind::LastRun:
      break;
  }
  return r.lastRunOrder;
}

// The index itself asks that a runner was better than the middle on it; 底力 and 負Ｐ leave
// that to the rule's filters.
bool provenOnKind(const RunnerResult& r, int kind) {
  switch (static_cast<RuleKind>(kind)) {
    case RuleKind::Ability:
      return r.ability > kNoComparison;
    case RuleKind::Best:
      return r.best > kNoComparison;
    case RuleKind::AllDistance:
      return r.allDistance > kNoComparison;
    case RuleKind::LastRun:
      return r.lastRun > kNoComparison;
    case RuleKind::Power:
    case RuleKind::LoseP:
      break;
  }
  return true;
}

bool styleAllowed(int styleFit, int requirement) {
  switch (requirement) {
    case 1:
      return styleFit >= 1;  // "+" or unsigned
    case 2:
      return styleFit == 2;  // "+"
    case 3:
      return styleFit == 1;  // unsigned
    case 4:
      return styleFit == 0;  // "-"
    default:
      return true;
  }
}

bool passes(const RunnerResult& r, const MarkRule& rule) {
  return provenOnKind(r, rule.kind) && (rule.powerFilter == 0 || r.power > kNoComparison) &&
         (rule.losePFilter == 0 || r.losePZero) && r.form >= rule.minForm &&
         styleAllowed(r.styleFit, rule.style);
}

struct PriorityIndex {
  const SlotOrder& order;
  std::int32_t RunnerResult::*points;
  std::int32_t RunnerResult::*rank;
};

PriorityIndex priorityIndex(const TYosouResult& r, int code) {
  switch (static_cast<PriorityCode>(code)) {
    case PriorityCode::LastRun:
      return {r.lastRunOrder, &RunnerResult::lastRun, &RunnerResult::lastRunRank};
    case PriorityCode::Best:
      return {r.bestOrder, &RunnerResult::best, &RunnerResult::bestRank};
    case PriorityCode::Ability:
      return {r.abilityOrder, &RunnerResult::ability, &RunnerResult::abilityRank};
    case PriorityCode::Power:
      return {r.powerOrder, &RunnerResult::power, &RunnerResult::powerRank};
    case PriorityCode::AllDistance:
      break;
  }
  return {r.allDistanceOrder, &RunnerResult::allDistance, &RunnerResult::allDistanceRank};
}

}  // namespace

void markCustom(const TRaceCard& card, const std::string& development, const CustomRules& rules,
                TYosouResult& result) {
  const RuleSet& set = rules.sets[ruleSetFor(development)];
  MarkList marks(card, result);

  for (const MarkRule& rule : set.marks) {
    marks.firstOpen(orderOfKind(result, rule.kind),
                    [&rule](const RunnerResult& r) { return passes(r, rule); });
  }

  // The remaining marks go to the runners near the top of the indexes the user trusts most:
  // every index's winner before any index's runner-up, and so on down to fifth place.
  for (int level = 1; level <= 5; ++level) {
    for (int code : set.priority) {
      const PriorityIndex index = priorityIndex(result, code);
      marks.fill(index.order, kMaxMarks, [&index, level](const RunnerResult& r) {
        return r.*index.rank <= level && r.*index.points > kNoComparison;
      });
    }
  }
  // Never beaten by a rival and above the middle somewhere: a hidden chance.
  marks.fill(result.powerOrder, kMaxMarks, [](const RunnerResult& r) {
    return r.losePZero && (r.power > kNoComparison || r.best > kNoComparison ||
                           r.ability > kNoComparison || r.allDistance > kNoComparison);
  });
  marks.fill(result.powerOrder, 6, [](const RunnerResult& r) { return r.power > kNoComparison; });
  marks.fill(result.powerOrder, 6,
             [](const RunnerResult& r) { return r.losePZero && r.form == 3; });
}

}  // namespace korvane
