#include "cli_text.hpp"

#include <cstdio>
#include <ostream>

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane::cli {

namespace {

std::string readable(const std::string& cp932) {
  std::string out;
  std::size_t pos = 0;
  while (pos < cp932.size()) {
    const Converted part = cp932ToUtf8(cp932.substr(pos));
    if (part.ok) return out + part.text;
    out += cp932ToUtf8(cp932.substr(pos, part.badOffset)).text;
    char hex[8];
    std::snprintf(hex, sizeof hex, "<%02X>",
                  static_cast<unsigned char>(cp932[pos + part.badOffset]));
    out += hex;
    pos += part.badOffset + 1;
  }
  return out;
}

}  // namespace

bool writePage(std::ostream& out, const std::vector<std::string>& lines, Encoding encoding) {
  if (encoding == Encoding::Cp932) {
    for (const auto& line : lines) out << line << "\r\n";
    return true;
  }
  std::string text;
  for (const auto& line : lines) {
    const Converted converted = cp932ToUtf8(line);
    if (!converted.ok) return false;
    text += converted.text;
    text += '\n';
  }
  out << text;
  return true;
}

void writeMessage(std::ostream& out, const std::vector<std::string>& lines) {
  for (const auto& line : lines) out << readable(line) << '\n';
}

void writeFileMessage(std::ostream& out, const std::filesystem::path& file, int line,
                      std::vector<std::string> lines) {
  std::string lead = sj("「") + shownFileName(file) + sj("」");
  if (line > 0) lead += std::to_string(line) + sj("行目");
  lines.insert(lines.begin(), lead + sj("："));
  if (lines.size() > 1) {
    lines[0] += lines[1];
    lines.erase(lines.begin() + 1);
  }
  out << "korvane-cli: ";
  writeMessage(out, lines);
}

}  // namespace korvane::cli
