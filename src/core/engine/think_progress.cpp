#include "core/engine/think_progress.hpp"

#include <algorithm>

#include "core/text/sjis.hpp"

namespace korvane {

std::string progressCircles(int filled) {
  static const std::string done = sj("●"), open = sj("○");
  filled = std::clamp(filled, 0, kProgressCircles);
  std::string circles;
  for (int i = 0; i < kProgressCircles; ++i) circles += i < filled ? done : open;
  return circles;
}

}  // namespace korvane
