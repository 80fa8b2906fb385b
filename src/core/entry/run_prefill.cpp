#include "core/entry/run_prefill.hpp"

#include <algorithm>

#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

bool hasRun(const HorseStore& store, int n, int r) {
  static const std::string none = sj("無");
  return runSurface(store, n, r) != none;
}

int digitAt(std::string_view text, std::size_t pos) {
  const char c = pos < text.size() ? text[pos] : '0';
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

// The stored YYMM of run r: two-digit year and month (0 for none).
std::pair<int, int> storedDate(const HorseStore& store, int n, int r) {
  const std::string_view line = store.line(n, runLine(r, RunField::CourseDate));
  const std::string_view date = line.size() > 2 ? line.substr(2) : std::string_view();
  return {digitAt(date, 0) * 10 + digitAt(date, 1), digitAt(date, 2) * 10 + digitAt(date, 3)};
}

// Racecourse, month, year and surface as run r has them; an undated run chooses no month and
// no year.
void takePlaceAndDate(const HorseStore& store, int n, int r, int currentYear, RunChoices& c) {
  c.course = racecourseOfCode(runCourseCode(store, n, r));
  const auto [yy, mm] = storedDate(store, n, r);
  c.month = mm >= 1 && mm <= 12 ? mm - 1 : kNoPick;
  c.year = c.month == kNoPick ? kNoPick : yearIndexOf(yy, currentYear);
  c.surface = runSurface(store, n, r) == sj("ダ") ? 1 : 0;
}

int goingIndex(const std::string& going) {
  if (going == sj("稍")) return 1;
  if (going == sj("重")) return 2;
  if (going == sj("不")) return 3;
  return 0;
}

// Every list set from a stored run.
RunChoices fromRun(const HorseStore& store, int n, int r, int currentYear) {
  RunChoices c;
  takePlaceAndDate(store, n, r, currentYear, c);
  c.going = goingIndex(runGoing(store, n, r));
  c.metres = std::clamp(runDistance(store, n, r), 0, 9999);
  const int finish = runFinish(store, n, r);
  c.finish = finish >= 1 && finish <= 18 ? finish - 1 : kNoPick;
  const std::string time = runTime(store, n, r);
  c.time = {std::min(digitAt(time, 0), 4), std::min(digitAt(time, 1), 5), digitAt(time, 2),
            digitAt(time, 3)};
  const int last3F = runLast3F(store, n, r);
  c.noLast3F = last3F == 999;
  if (!c.noLast3F) {
    c.last3F = {std::clamp(last3F / 100 - 3, 0, 1), (last3F / 10) % 10, last3F % 10};
  }
  const std::string corners = fitBytes(runCorners(store, n, r), 6);
  c.noPositions = corners.substr(0, 2) == " 0";
  if (!c.noPositions) {
    for (std::size_t i = 0; i < 3; ++i) {
      c.corners[i] = std::clamp(parseLenient(corners.substr(2 * i, 2)) - 1, 0, 17);
    }
  }
  return c;
}

std::optional<YearMonth> neighbour(const HorseStore& store, int n, int from, int to, int step,
                                   int currentYear) {
  for (int r = from; r >= 1 && r <= kRuns && r != to + step; r += step) {
    if (!hasRun(store, n, r)) continue;
    const auto [yy, mm] = storedDate(store, n, r);
    const int century = currentYear - currentYear % 100;
    const int year = century + yy - (yy > currentYear % 100 ? 100 : 0);
    return YearMonth{year, mm};
  }
  return std::nullopt;
}

}  // namespace

int yearIndexOf(int yy, int currentYear) {
  const int current = currentYear % 100;
  const int index = current - yy + (current < yy ? 100 : 0);
  return index >= 0 && index < kYearItems ? index : kNoPick;
}

RunEntry openRunEntry(const HorseStore& store, int n, int slot, YearMonth today) {
  RunChoices c;
  if (slot == 0) {
    // A new newest run: where and when the last one was is the likeliest guess.
    takePlaceAndDate(store, n, 1, today.year, c);
  } else if (hasRun(store, n, slot)) {
    c = fromRun(store, n, slot, today.year);
  } else {
    takePlaceAndDate(store, n, slot, today.year, c);
    if (slot > 1) takePlaceAndDate(store, n, slot - 1, today.year, c);
  }
  const std::optional<YearMonth> older =
      slot >= kRuns ? std::nullopt : neighbour(store, n, slot + 1, kRuns, 1, today.year);
  const std::optional<YearMonth> newer =
      slot <= 1 ? std::nullopt : neighbour(store, n, slot - 1, 1, -1, today.year);
  return RunEntry(c, slot, older, newer, today);
}

}  // namespace korvane
