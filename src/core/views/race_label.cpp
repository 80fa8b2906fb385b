#include "core/views/race_label.hpp"

#include "core/text/sjis.hpp"

namespace korvane {

std::string raceLabel(const TRaceCard& card) {
  if (card.distance == 0) return sj("入力されていません");
  return card.course + " " + card.surface + std::to_string(card.distance) + "m" + sj("（") +
         card.going + sj("）");
}

std::string distanceHeading(const TRaceCard& card) {
  return sj("┌────") + card.surface + std::to_string(card.distance) + sj("m能力────┐");
}

}  // namespace korvane
