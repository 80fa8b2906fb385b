#pragma once
// The terminal side of korvane-cli: pages and messages leave in UTF-8 with LF, or as the exact
// cp932 bytes with CR LF that the output window writes to a file.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace korvane::cli {

enum class Encoding { Utf8, Cp932 };

// Writes the lines; false (and nothing written) when a line is no valid cp932 for UTF-8 output.
bool writePage(std::ostream& out, const std::vector<std::string>& lines, Encoding encoding);

// A message of the program (cp932 lines) on a terminal in UTF-8; bytes that do not convert are
// shown as their hexadecimal codes, so a damaged name in a file still gets reported.
void writeMessage(std::ostream& out, const std::vector<std::string>& lines);

// A message about one file: its first line is led by the file's name and, when the fault lies on
// one line, that line ("「race.uma」2行目：...").
void writeFileMessage(std::ostream& out, const std::filesystem::path& file, int line,
                      std::vector<std::string> lines);

}  // namespace korvane::cli
