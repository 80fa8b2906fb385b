#include "core/views/odds_figure.hpp"

#include <charconv>

namespace korvane {

std::string oddsFigure(double odds, std::size_t width) {
  // Wide enough for any double written with one decimal.
  char buffer[320];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, odds, std::chars_format::fixed, 1);
  std::string text(buffer, result.ptr);
  const std::size_t point = text.find('.');
  if (text.size() > width && point != std::string::npos) text.erase(point);
  return text;
}

}  // namespace korvane
