#include "core/output/printed_lines.hpp"

#include "core/text/sjis.hpp"

namespace korvane {

std::vector<std::string> printedLines(const std::vector<std::string>& page) {
  static const std::string margin = sj("　");
  std::vector<std::string> lines;
  lines.reserve(page.size() + 1);
  lines.emplace_back();
  for (const std::string& line : page) lines.push_back(margin + line);
  return lines;
}

}  // namespace korvane
