#pragma once
// Conversion between cp932 (the files and all domain text) and UTF-8 (the screen, the terminal,
// file names). Text that cannot be converted is reported, never dropped or replaced.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace korvane {

struct Converted {
  bool ok = false;
  std::string text;           // the converted text when ok
  std::size_t badOffset = 0;  // byte offset in the input of the first unconvertible sequence
};

Converted cp932ToUtf8(std::string_view cp932);
// One bit per double-byte code (lead << 8 | trail) that cp932 gives a character.
extern const std::array<std::uint64_t, 0x10000 / 64> kAssignedCp932Codes;

// True when the two bytes form a character of cp932 (unassigned codes such as 85 40 do not).
inline bool isAssignedCp932Pair(unsigned char lead, unsigned char trail) {
  const unsigned code = static_cast<unsigned>(lead) << 8 | trail;
  return kAssignedCp932Codes[code / 64] >> (code % 64) & 1u;
}
Converted utf8ToCp932(std::string_view utf8);

// For messages only: a UTF-8 text (such as a file name) in cp932, with every character that cp932
// cannot hold shown as "?".
std::string utf8ToCp932Lossy(std::string_view utf8);
// A file's name (without its folder) as a message or a label shows it, the same way.
std::string shownFileName(const std::filesystem::path& file);

}  // namespace korvane
