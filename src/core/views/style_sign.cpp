#include "core/views/style_sign.hpp"

#include "core/text/sjis.hpp"

namespace korvane {

std::string styleSign(const std::string& style) {
  static const std::string nige = sj("逃"), senkou = sj("先"), oikomi = sj("追");
  if (style == nige) return "*";
  if (style == senkou) return "+";
  if (style == oikomi) return "-";
  return " ";
}

std::string styleSignCell(const std::string& style) {
  const std::string sign = styleSign(style);
  std::string cell = sign;
  cell.append(style).append(sign);
  return cell;
}

bool isFrontRunner(const std::string& style) {
  static const std::string nige = sj("逃"), senkou = sj("先");
  return style == nige || style == senkou;
}

}  // namespace korvane
