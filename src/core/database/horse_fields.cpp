#include "core/database/horse_fields.hpp"

#include <optional>
#include <string_view>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

bool isHorse(const HorseStore& store, int n) {
  return n >= 1 && n <= store.count;
}
bool isRun(int r) {
  return r >= 1 && r <= kRuns;
}

// A run field of a registered horse, or nothing for a slot without a horse or a bad run number.
std::optional<std::string_view> runLineOf(const HorseStore& store, int n, int r, RunField f) {
  if (!isHorse(store, n) || !isRun(r)) return std::nullopt;
  return store.line(n, runLine(r, f));
}

std::string_view bytes(std::string_view line, std::size_t from, std::size_t count) {
  return from >= line.size() ? std::string_view() : line.substr(from, count);
}

}  // namespace

std::string horseName(const HorseStore& store, int n) {
  if (n == 0) {
    static const std::string scratched = fitBytesZen(sj("出走取消"), 18);
    return scratched;
  }
  return isHorse(store, n) ? displayName(store.line(n, 1)) : std::string();
}

int horseAge(const HorseStore& store, int n) {
  if (n == 0) return 99;
  return isHorse(store, n) ? parseLenient(bytes(store.line(n, 1), 18, 2)) : 0;
}

std::string horseSex(const HorseStore& store, int n) {
  return isHorse(store, n) ? std::string(bytes(store.line(n, 1), 20, 2)) : std::string();
}

std::string runSurface(const HorseStore& store, int n, int r) {
  if (n == 0) {
    static const std::string none = sj("無");
    return none;
  }
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::Surface);
  return line ? std::string(*line) : std::string();
}

int runDistance(const HorseStore& store, int n, int r) {
  if (n == 0) return 9999;
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::Distance);
  if (!line) return 0;
  const int metres = parseLenient(*line);
  // Old entries give the distance in hundreds of metres.
  return metres <= 98 ? metres * 100 : metres;
}

std::string runCourseCode(const HorseStore& store, int n, int r) {
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::CourseDate);
  return line ? std::string(bytes(*line, 0, 2)) : std::string();
}

std::string runCourseName(const HorseStore& store, int n, int r) {
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::CourseDate);
  return line ? courseName(bytes(*line, 0, 2)) : std::string();
}

std::string runCourseKey(const HorseStore& store, int n, int r) {
  if (n == 0) {
    static const std::string none = sj("無") + "0000" + sj("無無");
    return none;
  }
  if (!isHorse(store, n) || !isRun(r)) return {};
  const BlockLines block = store.block(n);
  return runCourseKeyOf(block, r);
}

std::string runTime(const HorseStore& store, int n, int r) {
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::Time);
  if (!line) return {};
  // A damaged short time line counts as a time not entered.
  return line->size() < 4 ? std::string("0000") : std::string(*line);
}

std::string runCorners(const HorseStore& store, int n, int r) {
  if (n == 0) return " 0 0 0";
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::Corners);
  return line ? std::string(*line) : std::string();
}

int runLast3F(const HorseStore& store, int n, int r) {
  if (n == 0) return 999;
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::Last3F);
  if (!line) return 0;
  // Loading refuses a present run whose 上がり is not a number; in an empty run it means nothing.
  return parseStrict(*line).value_or(999);
}

std::string runGoing(const HorseStore& store, int n, int r) {
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::Going);
  return line ? std::string(*line) : std::string();
}

int runFinish(const HorseStore& store, int n, int r) {
  if (n == 0) return 99;
  const std::optional<std::string_view> line = runLineOf(store, n, r, RunField::Finish);
  if (!line) return 0;
  return parseStrict(*line).value_or(99);
}

std::string horseStyle(const HorseStore& store, int n) {
  if (n == 0) {
    static const std::string unknown = sj("？");
    return unknown;
  }
  return isHorse(store, n) ? std::string(store.line(n, kStyleLine)) : std::string();
}

std::string updateStyle(HorseStore& store, int n) {
  if (!isHorse(store, n)) return {};
  const BlockLines block = store.block(n);
  std::string style = computeStyle(block);
  store.setLine(n, kStyleLine, style);
  return style;
}

}  // namespace korvane
