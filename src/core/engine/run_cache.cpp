#include "core/engine/run_cache.hpp"

#include <algorithm>
#include <cstring>
#include <span>

#include "core/database/horse_record.hpp"
#include "core/text/sjis.hpp"

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

// The value of a digit character, or more than 9 for any other byte.
unsigned digitOf(char c) {
  return static_cast<unsigned char>(c) - unsigned{'0'};
}

// Whether the four bytes at p are all digits, tested at once: every byte's high half must be 3,
// and stay 3 with 6 added (a byte that carries into the next has failed the first test already).
bool fourDigits(const char* p) {
  std::uint32_t x = 0;
  std::memcpy(&x, p, 4);
  return ((x & 0xF0F0F0F0u) | ((x + 0x06060606u) & 0xF0F0F0F0u) >> 4) == 0x33333333u;
}

bool twoDigits(std::string_view s, int& value) {
  if (s.size() != 2 || digitOf(s[0]) > 9 || digitOf(s[1]) > 9) return false;
  value = static_cast<int>(digitOf(s[0]) * 10 + digitOf(s[1]));
  return true;
}

// Two characters, zero-padded; a month that fell outside 00..99 (from an undated 00) keeps its
// sign so that it can never equal a real meeting month.
void putTwo(char* at, int v) {
  if (v >= 0 && v <= 99) {
    at[0] = static_cast<char>('0' + v / 10);
    at[1] = static_cast<char>('0' + v % 10);
  } else {
    at[0] = '-';
    at[1] = static_cast<char>('0' + (v < 0 ? -v : v) % 10);
  }
}

int previousYear(int yy) {
  return yy == 0 ? 99 : yy - 1;
}
int nextYear(int yy) {
  return yy == 99 ? 0 : yy + 1;
}

using MonthBytes = std::array<char, 4>;  // YYMM

// The key's YY and MM as numbers; false when they are not four digits.
bool readMonth(std::string_view key, int& yy, int& mm) {
  return key.size() >= kMonthAt + 4 && twoDigits(key.substr(kMonthAt, 2), yy) &&
         twoDigits(key.substr(kMonthAt + 2, 2), mm);
}

// The YYMM of month - 1, + 1, - 2 and + 2; false when the key holds no readable month.
bool variantMonths(std::string_view key, std::array<MonthBytes, 4>& out) {
  int yy = 0, mm = 0;
  if (!readMonth(key, yy, mm)) return false;
  auto set = [](MonthBytes& m, int year, int month) {
    putTwo(m.data(), year);
    putTwo(m.data() + 2, month);
  };
  // January's previous month is December of the year before, December's next is January of the
  // year after; two months either side roll over the same way.
  const bool jan = mm == 1, dec = mm == 12, janFeb = mm == 1 || mm == 2,
             novDec = mm >= 11 && mm <= 12;
  set(out[0], jan ? previousYear(yy) : yy, jan ? 12 : mm - 1);
  set(out[1], dec ? nextYear(yy) : yy, dec ? 1 : mm + 1);
  set(out[2], janFeb ? previousYear(yy) : yy, janFeb ? mm + 10 : mm - 2);
  set(out[3], novDec ? nextYear(yy) : yy, novDec ? mm - 10 : mm + 2);
  return true;
}

std::uint32_t packBytes(const MonthBytes& m) {
  std::uint32_t v = 0;
  std::memcpy(&v, m.data(), 4);
  return v;
}

// Equal bytes: the fields compared here are a character or two, shorter than a library call.
bool sameField(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

bool doubleByteChar(std::string_view s) {
  return s.size() == 2 && isLeadByte(static_cast<unsigned char>(s[0]));
}

// Most lines are in their written shape (a one-character code, YYMM, a one-character surface
// and going), and the run's course key is simply those bytes; the turf runs at the racecourses
// with two layouts, and damaged lines, go through the record's own key rule.
bool writtenShape(std::string_view courseDate, std::string_view surface, std::string_view going) {
  static const std::string turf = sj("芝");
  static const std::array<std::string, 3> twoLayouts{sj("京"), sj("新"), sj("阪")};
  const std::string_view code = courseDate.substr(0, std::min<std::size_t>(2, courseDate.size()));
  bool plain = courseDate.size() == 6 && doubleByteChar(code) && doubleByteChar(surface) &&
               doubleByteChar(going);
  plain = plain && fourDigits(courseDate.data() + 2);
  if (plain && sameField(surface, turf)) {
    for (const std::string& c : twoLayouts) plain = plain && !sameField(code, c);
  }
  return plain;
}

// The number fields of a run are nearly always a few digits, perhaps after spaces; read those
// here and leave every other shape to the record's own rules. Where this says yes, the strict
// and the lenient reading agree on the value.
bool plainNumber(std::string_view s, int& value) {
  if (s.size() > 4) return false;
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i == s.size()) return false;
  unsigned v = 0;
  for (; i < s.size(); ++i) {
    if (digitOf(s[i]) > 9) return false;
    v = v * 10 + digitOf(s[i]);
  }
  value = static_cast<int>(v);
  return true;
}

int lenientNumber(std::string_view s) {
  int v = 0;
  return plainNumber(s, v) ? v : parseLenient(s);
}

int strictNumber(std::string_view s, int otherwise) {
  int v = 0;
  return plainNumber(s, v) ? v : parseStrict(s).value_or(otherwise);
}

}  // namespace

std::array<std::string, 4> meetingVariants(std::string_view key) {
  std::array<std::string, 4> out;
  out.fill(std::string(key));
  std::array<MonthBytes, 4> months;
  if (!variantMonths(key, months)) return out;  // no readable month: only its own key meets
  for (std::size_t v = 0; v < 4; ++v) out[v].replace(kMonthAt, 4, months[v].data(), 4);
  return out;
}

std::int32_t timeInTenths(std::string_view time) {
  if (time.size() < 4 || !fourDigits(time.data())) return 0;
  return (time[0] - '0') * 600 + ((time[1] - '0') * 10 + (time[2] - '0')) * 10 + (time[3] - '0');
}

void fillRunCache(RunCache& cache, const HorseStore& store, const TRaceCard& card) {
  static const std::string none = sj("無");
  const int n = std::min(card.runnerCount, kMaxRunners);
  for (int k = 1; k <= kMaxRunners; ++k) {
    const int horse = card.runner[k];
    const bool hasHorse = k <= n && horse >= 1 && horse <= store.count;
    // The whole block at once: the fields are read by their place in it, as the record accessors
    // read them, without looking the horse up again for every field.
    const std::span<const std::string_view> block =
        hasHorse ? store.runnerBlock(horse) : std::span<const std::string_view>();
    for (int r = 1; r <= kRuns; ++r) {
      CachedRun& run = cache[k][r];
      run = CachedRun{};
      if (block.size() < kRecordLines) continue;  // no horse: 9999 m, never compared
      auto line = [&](RunField f) -> std::string_view { return block[runLine(r, f) - 1]; };
      const std::string_view surface = line(RunField::Surface);
      run.present = !sameField(surface, none);
      run.raceSurface = sameField(surface, card.surface);
      if (!run.present) continue;  // an empty run's other lines mean nothing
      const std::string_view courseDate = line(RunField::CourseDate), going = line(RunField::Going);
      std::string ruleKey;
      std::string_view key = courseDate;  // its YYMM sit where the course key has them
      if (writtenShape(courseDate, surface, going)) {
        // The key without its month is code, surface and going: six bytes, packed the way
        // packPlace packs a short key, without writing the key out first.
        const std::array<char, 6> rest{courseDate[0], courseDate[1], surface[0],
                                       surface[1],    going[0],      going[1]};
        std::uint64_t packed = 0;
        std::memcpy(&packed, rest.data(), rest.size());
        run.place = packed | std::uint64_t{rest.size()} << 56;
      } else {
        ruleKey = runCourseKeyOf(block, r);
        key = ruleKey;
        run.place = packPlace(key);
      }
      run.month = packMonth(key);
      int yy = 0, mm = 0;
      std::array<MonthBytes, 4> months;
      if (readMonth(key, yy, mm) && mm >= 1 && mm <= 12) {
        run.monthIndex = static_cast<std::int16_t>(yy * 12 + mm - 1);
      } else if (variantMonths(key, months)) {
        for (std::size_t v = 0; v < 4; ++v) run.nearMonths[v] = packBytes(months[v]);
      } else {
        run.nearMonths.fill(run.month);
      }
      const int metres = lenientNumber(line(RunField::Distance));
      run.distance = metres <= 98 ? metres * 100 : metres;  // old entries: hundreds of metres
      run.finish = strictNumber(line(RunField::Finish), 99);
      const std::string_view corners = line(RunField::Corners);
      run.corner3 = corners.size() >= 4 ? strictNumber(corners.substr(2, 2), 0) : 0;
      run.corner4 = corners.size() >= 5 ? lenientNumber(corners.substr(4, 2)) : 0;
      run.time = timeInTenths(line(RunField::Time));
      run.last3F = strictNumber(line(RunField::Last3F), 999);
    }
  }
}

}  // namespace korvane
