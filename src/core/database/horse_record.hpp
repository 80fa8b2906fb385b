#pragma once
// The 42-line horse block: line 1 identity (name 18 bytes, age 2, sex 2), lines 2-41 the five
// runs of 8 lines each (run 1 = 前走 is the most recent), line 42 the running style.
// All text is cp932. These helpers work on a block given as its lines; the store accessors in
// horse_fields.hpp find a horse's block by its index.

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr int kBlockLines = 42;   // identity, 5 runs x 8 lines, style
inline constexpr int kRecordLines = 41;  // a block without its style line
inline constexpr int kRuns = 5;
inline constexpr int kHeaderLines = 61;  // race card header in front of page 0 and race files
inline constexpr int kHorsesPerPage = 750;
inline constexpr int kPageCount = 16;
inline constexpr int kMaxHorses = 12000;
inline constexpr int kStyleLine = 42;

// The eight lines of run r lie at block lines 8r-6 .. 8r+1, in this order.
enum class RunField { Surface = 0, Distance, CourseDate, Time, Corners, Last3F, Going, Finish };

// 1-based block line of a field of run r (1..5).
constexpr int runLine(int r, RunField field) { return 8 * r - 6 + static_cast<int>(field); }

// Numbers of the block. Lenient: leading blanks skipped, the leading digits taken, 0 without any
// (age, distance, 4th corner). Strict: blanks in front allowed, then only digits, at least one
// (3rd corner, last 3F, finish); nothing when the field is not a number.
// Numbers in a block are small; a runaway digit string is held at this ceiling instead of
// overflowing, so that a limit check (count, runners) still sees it as too large.
inline constexpr long long kNumberCeiling = 1'000'000'000;

// Where a number field's text starts after its blanks.
inline std::size_t blanksInFront(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  return pos;
}

inline int parseLenient(std::string_view text) {
  long long value = 0;
  for (std::size_t pos = blanksInFront(text); pos < text.size(); ++pos) {
    const unsigned digit = static_cast<unsigned char>(text[pos]) - unsigned{'0'};
    if (digit > 9) break;
    value = std::min(value * 10 + digit, kNumberCeiling);
  }
  return static_cast<int>(value);
}
inline std::optional<int> parseStrict(std::string_view text) {
  std::size_t pos = blanksInFront(text);
  if (pos == text.size()) return std::nullopt;
  long long value = 0;
  for (; pos < text.size(); ++pos) {
    const unsigned digit = static_cast<unsigned char>(text[pos]) - unsigned{'0'};
    if (digit > 9) return std::nullopt;
    value = std::min(value * 10 + digit, kNumberCeiling);
  }
  return static_cast<int>(value);
}

// Line 1 of a new block: the name with every "　" as two half-width spaces, cut or padded with
// half-width spaces to 18 bytes, the age right-aligned in 2 characters, the sex ("牡", "牝",
// "ｾﾝ").
std::string identityLine(std::string_view name, int age, std::string_view sex);

// Line 1 with the age (bytes 19-20) replaced, right-aligned in 2 characters and kept to 0..99;
// the name and the sex stay as they are.
std::string withAge(std::string identity, int age);

// A new horse's 41 lines: the identity line and five empty runs ("無", "9999", "東0000", "0000",
// " 0 0 0", "999", "良", "99").
std::vector<std::string> placeholderRecord(std::string identity);

// The running style (逃 先 好 差 追, one full-width character) from the corner positions of up to
// three valid runs. `block` holds at least the 41 record lines (index 0 = line 1).
std::string computeStyle(std::span<const std::string_view> block);
// The same from the corners lines of the five runs alone, run 1 first.
std::string_view styleFromCorners(std::span<const std::string_view, kRuns> corners);

// The meeting months (YYMM) of the runs the block really has (surface line not "無"), most
// recent first.
std::vector<std::string_view> presentMonths(std::span<const std::string_view> block);
// The two-digit year of a meeting month YYMM (0 when it holds no digits).
int meetingYear(std::string_view month);

// Racecourse name of a one-character course code; an unknown code is returned unchanged.
std::string courseName(std::string_view code);

// Name in stored form (line 1 bytes 1-18): "　" as two half-width spaces, padded to 18 bytes.
std::string storedName(std::string_view name);

// An identity line whose 18-byte name field ends in the first half of a double-byte character
// (a name written one byte too long by another program) gets that character as two blanks, so
// the name and the fields after it stay whole characters. Nothing when the name is whole.
std::optional<std::string> repairedCutName(std::string_view identity);

// Name in display form: pairs of half-width spaces as "　", padded with "　" to 18 bytes.
std::string displayName(std::string_view name);

// The 10-byte key of a run that the comparison uses: course code (with the inner/outer layout
// codes 都 潟 神 for turf at 京 新 阪), meeting month YYMM, surface, going.
std::string runCourseKeyOf(std::span<const std::string_view> block, int r);

}  // namespace korvane
