#include "core/app/clock.hpp"

#include <ctime>

namespace korvane {

Date SystemClock::today() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace korvane
