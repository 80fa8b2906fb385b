#include "engine/run_cache.hpp"

#include <algorithm>
#include <cstring>

#include "database/horse_fields.hpp"
#include "text/sjis.hpp"

namespace korvane {

namespace {

constexpr std::size_t kMonthAt = 2;  // bytes 3-6 of the key are YYMM

std::uint32_t packMonth(std::string_view key) {
  if (key.size() < kMonthAt + 4) return 0xFFFFFFFFu;  // a short key only meets its own kind
  std::uint32_t m = 0;
  std::memcpy(&m, key.data() + kMonthAt, 4);
  return m;
}

// Course code, surface and going, with their length so that keys of other shapes never meet.
std::uint64_t packPlace(std::string_view key) {
  char rest[64];
  std::size_t size = 0;
  auto append = [&](std::string_view part) {
    for (char c : part) {
      if (size < sizeof rest) rest[size] = c;
      ++size;
    }
  };
  if (key.size() < kMonthAt + 4) {
    append(key);
  } else {
    append(key.substr(0, kMonthAt));
    append(key.substr(kMonthAt + 4));
  }
  const std::uint64_t length = std::min<std::size_t>(size, 255);
  std::uint64_t packed = 0;
  if (size <= 7) {
    std::memcpy(&packed, rest, size);
  } else {
    // A damaged line made the key long; a hash keeps such keys apart from each other.
    packed = 1469598103934665603ull;
    for (std::size_t i = 0; i < std::min(size, sizeof rest); ++i) {
      packed = (packed ^ static_cast<unsigned char>(rest[i])) * 1099511628211ull;
    }
    packed &= 0x00FFFFFFFFFFFFFFull;
  }
  return packed | (length << 56);
}

bool twoDigits(std::string_view s, int& value) {
  if (s.size() != 2 || s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9') return false;
  value = (s[0] - '0') * 10 + (s[1] - '0');
  return true;
}

// Two characters, zero-padded; a month that fell outside 00..99 (from an undated 00) keeps its
// sign so that it can never equal a real meeting month.
void putTwo(std::string& key, std::size_t at, int v) {
  if (v >= 0 && v <= 99) {
    key[at] = static_cast<char>('0' + v / 10);
    key[at + 1] = static_cast<char>('0' + v % 10);
  } else {
    key[at] = '-';
    key[at + 1] = static_cast<char>('0' + (v < 0 ? -v : v) % 10);
  }
}

int previousYear(int yy) {
  return yy == 0 ? 99 : yy - 1;
}
int nextYear(int yy) {
  return yy == 99 ? 0 : yy + 1;
}

}  // namespace

std::array<std::string, 4> meetingVariants(std::string_view key) {
  std::array<std::string, 4> out;
  out.fill(std::string(key));
  int yy = 0, mm = 0;
  if (key.size() < kMonthAt + 4 || !twoDigits(key.substr(kMonthAt, 2), yy) ||
      !twoDigits(key.substr(kMonthAt + 2, 2), mm)) {
    return out;  // no readable month: the run meets only its own key
  }
  auto set = [&](std::string& k, int y, int m) {
    putTwo(k, kMonthAt, y);
    putTwo(k, kMonthAt + 2, m);
  };
  if (mm == 1)
    set(out[0], previousYear(yy), 12);
  else
    set(out[0], yy, mm - 1);
  if (mm == 12)
    set(out[1], nextYear(yy), 1);
  else
    set(out[1], yy, mm + 1);
  if (mm == 1 || mm == 2)
    set(out[2], previousYear(yy), mm + 10);
  else
    set(out[2], yy, mm - 2);
  if (mm == 11 || mm == 12)
    set(out[3], nextYear(yy), mm - 10);
  else
    set(out[3], yy, mm + 2);
  return out;
}

std::int32_t timeInTenths(std::string_view time) {
  if (time.size() < 4) return 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (time[i] < '0' || time[i] > '9') return 0;
  }
  return (time[0] - '0') * 600 + ((time[1] - '0') * 10 + (time[2] - '0')) * 10 + (time[3] - '0');
}

void fillRunCache(RunCache& cache, const HorseStore& store, const TRaceCard& card) {
  static const std::string none = sj("無");
  const int n = std::min(card.runnerCount, kMaxRunners);
  for (int k = 1; k <= kMaxRunners; ++k) {
    const int horse = card.runner[k];
    const bool hasHorse = k <= n && horse >= 1 && horse <= store.count;
    for (int r = 1; r <= kRuns; ++r) {
      CachedRun& run = cache[k][r];
      run = CachedRun{};
      if (!hasHorse) continue;  // 9999 m: never inside a distance window, never compared
      const std::string surface = runSurface(store, horse, r);
      const std::string key = runCourseKey(store, horse, r);
      run.place = packPlace(key);
      run.month = packMonth(key);
      const auto variants = meetingVariants(key);
      for (std::size_t v = 0; v < variants.size(); ++v) run.nearMonths[v] = packMonth(variants[v]);
      run.distance = runDistance(store, horse, r);
      run.finish = runFinish(store, horse, r);
      const std::string corners = runCorners(store, horse, r);
      run.corner3 =
          corners.size() >= 4 ? parseStrict(std::string_view(corners).substr(2, 2)).value_or(0) : 0;
      run.corner4 = corners.size() >= 5 ? parseLenient(std::string_view(corners).substr(4, 2)) : 0;
      run.time = timeInTenths(runTime(store, horse, r));
      run.last3F = runLast3F(store, horse, r);
      run.present = surface != none;
      run.raceSurface = surface == card.surface;
    }
  }
}

}  // namespace korvane
