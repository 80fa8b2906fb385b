#include "core/entry/run_entry.hpp"

#include <algorithm>
#include <cmath>

#include "core/database/horse_record.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

// Minutes and tens of seconds that a run over each listed distance (800m .. 3600m) takes about,
// on turf and on dirt, written as 10 * minutes + tens: the time lists start there.
constexpr std::array<std::array<int, 2>, kDistances - 1> kTimeGuess{{
    {4, 4},   {5, 5},   {5, 10},  {5, 10},  {10, 10}, {10, 11}, {11, 11}, {12, 12},
    {12, 13}, {13, 14}, {14, 14}, {14, 15}, {15, 15}, {20, 20}, {20, 21}, {21, 22},
    {22, 23}, {22, 23}, {23, 24}, {24, 24}, {24, 25}, {25, 25}, {30, 30}, {30, 30},
    {31, 31}, {31, 31}, {32, 32}, {33, 33}, {33, 33}, {34, 34},
}};
constexpr int kDirtMileAtTokyo = 13;  // 東京's dirt mile starts on the back straight: 1:3
constexpr int kMileIndex = 9;         // 1600m

constexpr double kNoLast3FSeconds = 99.9;
constexpr int kFastestLap10 = 105;  // 10.6 s a furlong and faster asks
constexpr int kSlowestLap10 = 134;  // 13.5 s and slower asks

std::string twoDigits(int n) {
  n = ((n % 100) + 100) % 100;
  return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string_view bytesAt(std::string_view text, std::size_t from, std::size_t count) {
  return from >= text.size() ? std::string_view() : text.substr(from, count);
}

std::string dateText(const std::optional<YearMonth>& date) {
  if (!date) return sj("データなし");
  return "'" + twoDigits(date->year) + "/" + twoDigits(date->month);
}

}  // namespace

int lap10(double time, double last3F, int hundreds) {
  // A race of 600 m or less has no stretch before the last 3 furlongs to judge.
  if (hundreds <= 6) return 0;
  const double q = (time - last3F) / ((hundreds - 6) / 2.0);
  // 10 q exactly: the rounded product and the error of its rounding.
  const double product = 10.0 * q;
  const double error = std::fma(10.0, q, -product);
  const double whole = std::trunc(product);
  if (whole == product && error != 0.0) {
    if (product > 0 && error < 0) return static_cast<int>(product) - 1;
    if (product < 0 && error > 0) return static_cast<int>(product) + 1;
  }
  return static_cast<int>(whole);
}

namespace {

// Per pick list, in the order of EntryList: its page, and whether a second click moves on.
struct ListRole {
  EntryPage page;
  bool movesOn;
};
constexpr std::array<ListRole, static_cast<std::size_t>(EntryList::Agari3) + 1> kListRoles{{
    {EntryPage::Chaku, true},    {EntryPage::Keibajou, true}, {EntryPage::Keibajou, true},
    {EntryPage::Keibajou, true}, {EntryPage::Keibajou, true}, {EntryPage::Keibajou, true},
    {EntryPage::Kaisai, true},   {EntryPage::Kaisai, true},   {EntryPage::Course, true},
    {EntryPage::Course, true},   {EntryPage::Course, false},  {EntryPage::Joutai, true},
    {EntryPage::Tokei, false},   {EntryPage::Tokei, false},   {EntryPage::Tokei, false},
    {EntryPage::Tokei, true},    {EntryPage::Ichi, false},    {EntryPage::Ichi, false},
    {EntryPage::Ichi, true},     {EntryPage::Agari, false},   {EntryPage::Agari, false},
    {EntryPage::Agari, true},
}};

}  // namespace

bool movesOn(EntryList list) {
  return kListRoles[static_cast<std::size_t>(list)].movesOn;
}

EntryPage pageOf(EntryList list) {
  return kListRoles[static_cast<std::size_t>(list)].page;
}

RunEntry::RunEntry(const RunChoices& choices, int slot, std::optional<YearMonth> older,
                   std::optional<YearMonth> newer, YearMonth today)
    : c_(choices),
      slot_(slot),
      older_(older),
      newer_(newer),
      today_(today),
      years_(yearItems(today.year)) {
  if (c_.month == kNoPick) {
    c_.month = 0;
    chooseYearForMonth();
  }
}

void RunEntry::click(EntryList list, int item) {
  const bool again = selected(list) == item;
  pick(list, item);
  movedByClick_ = again && movesOn(list);
  if (movedByClick_) moveOn(list);
}

void RunEntry::doubleClick(EntryList list, int item) {
  // The second press of a double click on the item already chosen lands on the next page,
  // which the first click opened: it chooses nothing there.
  const bool stale = movedByClick_ || pageOf(list) != page_;
  movedByClick_ = false;
  if (stale) return;
  pick(list, item);
  moveOn(list);
}

void RunEntry::showPage(EntryPage page) {
  page_ = page;
  if (page == EntryPage::Tokei) suggestTime();
}

void RunEntry::setNoPositions() {
  c_.noPositions = true;
  c_.corners = {};
  showPage(EntryPage::Agari);
}

void RunEntry::setNoLast3F() {
  c_.noLast3F = true;
  c_.last3F = {};
  showPage(EntryPage::Kanryou);
}

int RunEntry::selected(EntryList list) const {
  const auto inList = [](int value, int first, int size) {
    return value >= first && value < first + size ? value - first : kNoPick;
  };
  switch (list) {
    case EntryList::Chaku:
      return c_.finish;
    case EntryList::Keibajou:
    case EntryList::Keibajou2:
    case EntryList::Keibajou3:
    case EntryList::Keibajou4:
    case EntryList::Keibajou5: {
      const int n = static_cast<int>(list) - static_cast<int>(EntryList::Keibajou);
      return inList(c_.course, firstOfRacecourseList(n), racecourseListSize(n));
    }
    case EntryList::Tsuki:
      return c_.month;
    case EntryList::Nen:
      return c_.year;
    case EntryList::Kyori:
      return inList(distanceIndex(c_.metres), 0, kFirstLongDistance);
    case EntryList::Kyori2:
      return inList(distanceIndex(c_.metres), kFirstLongDistance, kDistances - kFirstLongDistance);
    case EntryList::Course:
      return c_.surface;
    case EntryList::Baba:
      return c_.going;
    case EntryList::Tokei1:
    case EntryList::Tokei2:
    case EntryList::Tokei3:
    case EntryList::Tokei4:
      return c_.time[static_cast<std::size_t>(list) - static_cast<std::size_t>(EntryList::Tokei1)];
    case EntryList::Ichi1:
    case EntryList::Ichi2:
    case EntryList::Ichi3:
      return c_
          .corners[static_cast<std::size_t>(list) - static_cast<std::size_t>(EntryList::Ichi1)];
    case EntryList::Agari1:
    case EntryList::Agari2:
    case EntryList::Agari3:
      return c_
          .last3F[static_cast<std::size_t>(list) - static_cast<std::size_t>(EntryList::Agari1)];
  }
  return kNoPick;
}

void RunEntry::pick(EntryList list, int item) {
  if (item < 0) return;
  switch (list) {
    case EntryList::Chaku:
      c_.finish = std::min(item, 17);
      break;
    case EntryList::Keibajou:
    case EntryList::Keibajou2:
    case EntryList::Keibajou3:
    case EntryList::Keibajou4:
    case EntryList::Keibajou5: {
      const int n = static_cast<int>(list) - static_cast<int>(EntryList::Keibajou);
      c_.course = firstOfRacecourseList(n) + std::min(item, racecourseListSize(n) - 1);
      // The local courses race on dirt.
      if (isLocalRacecourse(c_.course)) c_.surface = 1;
      break;
    }
    case EntryList::Tsuki:
      c_.month = std::min(item, 11);
      chooseYearForMonth();
      break;
    case EntryList::Nen:
      c_.year = std::min(item, kYearItems - 1);
      break;
    case EntryList::Kyori:
      c_.metres = distanceMetres(std::min(item, kFirstLongDistance - 1));
      break;
    case EntryList::Kyori2:
      c_.metres = distanceMetres(std::min(kFirstLongDistance + item, kDistances - 1));
      break;
    case EntryList::Course:
      c_.surface = std::min(item, 1);
      break;
    case EntryList::Baba:
      c_.going = std::min(item, 3);
      break;
    case EntryList::Tokei1:
      c_.time[0] = std::min(item, 4);
      break;
    case EntryList::Tokei2:
      c_.time[1] = std::min(item, 5);
      break;
    case EntryList::Tokei3:
    case EntryList::Tokei4:
      c_.time[static_cast<std::size_t>(list) - static_cast<std::size_t>(EntryList::Tokei1)] =
          std::min(item, 9);
      break;
    case EntryList::Ichi1:
    case EntryList::Ichi2:
    case EntryList::Ichi3: {
      // A corner position carries over to the later corners until they are chosen.
      const auto from = static_cast<std::size_t>(list) - static_cast<std::size_t>(EntryList::Ichi1);
      for (std::size_t i = from; i < c_.corners.size(); ++i) c_.corners[i] = std::min(item, 17);
      c_.noPositions = false;
      break;
    }
    case EntryList::Agari1:
      c_.last3F[0] = std::min(item, 1);
      c_.noLast3F = false;
      break;
    case EntryList::Agari2:
    case EntryList::Agari3:
      c_.last3F[static_cast<std::size_t>(list) - static_cast<std::size_t>(EntryList::Agari1)] =
          std::min(item, 9);
      c_.noLast3F = false;
      break;
  }
}

void RunEntry::moveOn(EntryList list) {
  if (!movesOn(list)) return;
  const EntryPage page = pageOf(list);
  if (page != EntryPage::Kanryou) showPage(static_cast<EntryPage>(static_cast<int>(page) + 1));
}

void RunEntry::chooseYearForMonth() {
  const int m = c_.month + 1;
  int year = 0;
  if (older_) {
    year = m >= older_->month ? older_->year : older_->year + 1;
  } else if (newer_) {
    year = m <= newer_->month ? newer_->year : newer_->year - 1;
  } else {
    year = m <= today_.month ? today_.year : today_.year - 1;
  }
  const int index = today_.year - year;
  c_.year = index >= 0 && index < kYearItems ? index : 0;
}

void RunEntry::suggestTime() {
  if (c_.time != std::array<int, 4>{}) return;
  const int index = distanceIndex(c_.metres);
  // 4000m and distances no list offers have no usual time.
  if (index == kNoDistance || index >= static_cast<int>(kTimeGuess.size())) return;
  int guess = kTimeGuess[static_cast<std::size_t>(index)][static_cast<std::size_t>(c_.surface)];
  if (c_.surface == 1 && index == kMileIndex && isTokyo(c_.course)) guess = kDirtMileAtTokyo;
  c_.time = {guess / 10, guess % 10, 0, 0};
}

std::string RunEntry::chakuText() const {
  return c_.finish == kNoPick ? std::string() : std::to_string(c_.finish + 1) + sj("着");
}

std::string RunEntry::keibajouText() const {
  return hasRacecourse() ? racecourse(c_.course).display : std::string();
}

std::string RunEntry::kaisaiText() const {
  const std::string yy = c_.year == kNoPick ? "??" : twoDigits(today_.year - c_.year);
  const std::string mm = c_.month == kNoPick ? "??" : twoDigits(c_.month + 1);
  return "'" + yy + "/" + mm;
}

std::string RunEntry::courseText() const {
  return (c_.surface == 0 ? sj("芝") : sj("ダ")) + padLeft(std::to_string(c_.metres), 4) + "m";
}

std::string RunEntry::babaText() const {
  return goingItems()[static_cast<std::size_t>(c_.going)];
}

std::string RunEntry::tokeiText() const {
  const auto d = [&](std::size_t i) { return static_cast<char>('0' + c_.time[i]); };
  return std::string{d(0), '.', d(1), d(2), '.', d(3)};
}

std::string RunEntry::ichiText() const {
  if (c_.noPositions) return sj("不明");
  return std::to_string(c_.corners[0] + 1) + "." + std::to_string(c_.corners[1] + 1) + "." +
         std::to_string(c_.corners[2] + 1);
}

std::string RunEntry::agariText() const {
  if (c_.noLast3F) return sj("不明");
  const int tenths = tenthsOfLast3F();
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string RunEntry::olderText() const {
  return dateText(older_);
}

std::string RunEntry::newerText() const {
  return dateText(newer_);
}

std::string RunEntry::heading() const {
  if (slot_ <= 1) return sj("前走");
  if (slot_ == 2) return sj("前々走");
  return std::to_string(slot_) + sj("走前");
}

int RunEntry::tenthsOfLast3F() const {
  return 300 + 100 * c_.last3F[0] + 10 * c_.last3F[1] + c_.last3F[2];
}

Pace RunEntry::pace() const {
  if (c_.noLast3F) return Pace::Plausible;
  // The fields as the screen shows them: "1.33.1", "芝2000m" (hundreds in bytes 3-4), "34.5".
  const std::string time = tokeiText();
  const double t =
      (time[0] - '0') * 60.0 + parseLenient(bytesAt(time, 2, 2)) + (time[5] - '0') / 10.0;
  const double a = tenthsOfLast3F() / 10.0;
  if (a >= 99) return Pace::Plausible;
  const int lap = lap10(t, a, parseLenient(bytesAt(courseText(), 2, 2)));
  if (lap > 0 && lap <= kFastestLap10) return Pace::TooFast;
  if (lap > kSlowestLap10) return Pace::TooSlow;
  return Pace::Plausible;
}

bool RunEntry::timeEntered() const {
  return tokeiText() != "0.00.0";
}

RunRecord RunEntry::completedRun() const {
  return build(false);
}

RunRecord RunEntry::noDataRun() const {
  return build(true);
}

RunRecord RunEntry::build(bool noData) const {
  static const std::string none = sj("無");
  static const std::array<std::string, 4> goings{sj("良"), sj("稍"), sj("重"), sj("不")};
  RunRecord run;
  const std::string course = courseText();
  run[0] = noData ? none : course.substr(0, 2);
  run[1] = noData || c_.metres == 0 ? "9999" : padLeft(std::to_string(c_.metres), 4);
  // A run without a racecourse keeps the code of the blank run, so the field stays 6 bytes.
  const std::string code =
      hasRacecourse() ? racecourse(c_.course).code : blankRun()[2].substr(0, 2);
  const std::string yy = noData || c_.year == kNoPick ? "00" : twoDigits(today_.year - c_.year);
  const std::string mm = noData || c_.month == kNoPick ? "00" : twoDigits(c_.month + 1);
  run[2] = code + yy + mm;
  const std::string time = tokeiText();
  run[3] = time.substr(0, 1) + time.substr(2, 2) + time.substr(5, 1);
  if (c_.noPositions) {
    run[4] = " 0 0 0";
  } else {
    for (int corner : c_.corners) run[4] += padLeft(std::to_string(corner + 1), 2);
  }
  run[5] = noData || c_.noLast3F ? "999" : std::to_string(tenthsOfLast3F());
  run[6] = noData ? none : goings[static_cast<std::size_t>(c_.going)];
  run[7] = noData || c_.finish == kNoPick ? "99" : std::to_string(c_.finish + 1);
  return run;
}

}  // namespace korvane
