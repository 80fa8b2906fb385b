#include "views/race_label.hpp"

#include "text/sjis.hpp"

namespace korvane {

std::string raceLabel(const TRaceCard& card) {
  if (card.distance == 0) return sj("入力されていません");
  return card.course + " " + card.surface + std::to_string(card.distance) + "m" + sj("（") +
         card.going + sj("）");
}

}  // namespace korvane
