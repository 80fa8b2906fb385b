#pragma once
// The past-run entry screen's rules: one run chosen item by item in pick lists, one tab page per
// item, turned into the eight stored lines of the run. The screen never writes into the horse
// store; the horse record editor stores what it hands back.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/entry/racecourses.hpp"
#include "core/entry/run_shifts.hpp"

namespace korvane {

// The tab pages in the order in which the entry moves on.
enum class EntryPage { Chaku, Keibajou, Kaisai, Course, Joutai, Tokei, Ichi, Agari, Kanryou };

// The pick lists, named for their controls.
enum class EntryList {
  Chaku,
  Keibajou,
  Keibajou2,
  Keibajou3,
  Keibajou4,
  Keibajou5,
  Tsuki,
  Nen,
  Kyori,
  Kyori2,
  Course,
  Baba,
  Tokei1,
  Tokei2,
  Tokei3,
  Tokei4,
  Ichi1,
  Ichi2,
  Ichi3,
  Agari1,
  Agari2,
  Agari3,
};

struct YearMonth {
  int year = 0;  // four digits
  int month = 0;
};

inline constexpr int kYearItems = 10;  // this year and nine before it
inline constexpr int kNoPick = -1;     // a list without a selection

// What the lists hold when the screen opens (the editor's pre-fill).
struct RunChoices {
  int finish = 0;                // `ChakuLst` item: position - 1, kNoPick
  int course = 0;                // 0..47, kNoRacecourse
  int month = kNoPick;           // `TsukiLst` item: month - 1
  int year = kNoPick;            // `NenLst` item: this year - year
  int surface = 0;               // 0 芝, 1 ダート
  int metres = 800;              // a stored distance no list offers is kept as it is
  int going = 0;                 // 良 稍重 重 不良
  std::array<int, 4> time{};     // minutes, tens of seconds, seconds, tenths
  std::array<int, 3> corners{};  // 2nd, 3rd, 4th corner: position - 1
  bool noPositions = true;
  std::array<int, 3> last3F{};  // tens (3 or 4), seconds, tenths: list items
  bool noLast3F = true;
};

// What 完了 finds about the time before it takes the run.
enum class Pace { Plausible, TooFast, TooSlow };

// The per-furlong time before the last 600 m in tenths of a second, truncated: q = (T - A) /
// ((D - 6) / 2) rounded to a double, then 10 q cut to a whole number without a second rounding,
// so that a lap of 10.6 s gives 105 as it always did. `hundreds` is the distance in hundreds of
// metres as the course field shows it.
int lap10(double time, double last3F, int hundreds);

class RunEntry {
 public:
  // Opens the screen for `slot` (0 = a new newest run, 1..5) with the neighbouring runs' dates:
  // without a month 1月 is chosen and the year follows from the neighbours, and the 着順 page
  // is shown.
  RunEntry(const RunChoices& choices, int slot, std::optional<YearMonth> older,
           std::optional<YearMonth> newer, YearMonth today);

  // A click on an item: stores it; a click on the item already selected also moves on.
  void click(EntryList list, int item);
  // A double click: stores the item and moves on. One that follows a click that moved on, or
  // on a list whose page is no longer shown, does nothing.
  void doubleClick(EntryList list, int item);
  // The page's radio button or summary field.
  void showPage(EntryPage page);
  // `NoIchiBtn`: no corner positions, on to 上がり. `Button1`: no last 3F, on to 完了.
  void setNoPositions();
  void setNoLast3F();

  EntryPage page() const { return page_; }
  int selected(EntryList list) const;  // the selected item, kNoPick
  const RunChoices& choices() const { return c_; }

  // The summary fields.
  std::string chakuText() const;     // "1着"
  std::string keibajouText() const;  // "東京"
  std::string kaisaiText() const;    // "'09/03", "'??" / "??" where none is chosen
  std::string courseText() const;    // "芝2000m", "ダ 800m"
  std::string babaText() const;      // "○良"
  std::string tokeiText() const;     // "1.33.1"
  std::string ichiText() const;      // "3.2.10", "不明"
  std::string agariText() const;     // "34.5", "不明"
  // `ZenkaiLbl` and `AtoLbl`: "'09/03" or "データなし".
  std::string olderText() const;
  std::string newerText() const;
  // `RaceLbl`: "前走" for slots 0 and 1, "前々走", "3走前" .. "5走前".
  std::string heading() const;
  const std::vector<std::string>& yearList() const { return years_; }

  // What 完了 checks, in the order it asks.
  bool hasRacecourse() const { return c_.course != kNoRacecourse; }
  Pace pace() const;
  bool timeEntered() const;

  // The run as 完了 and データなし store it.
  RunRecord completedRun() const;
  RunRecord noDataRun() const;

 private:
  void pick(EntryList list, int item);
  void moveOn(EntryList list);
  void chooseYearForMonth();
  void suggestTime();
  int tenthsOfLast3F() const;
  RunRecord build(bool noData) const;

  RunChoices c_;
  int slot_;
  std::optional<YearMonth> older_, newer_;
  YearMonth today_;
  std::vector<std::string> years_;
  EntryPage page_ = EntryPage::Chaku;
  bool movedByClick_ = false;  // the last click moved on to the next page
};

// Whether a choice in the list moves on to the next page on a second click or a double click.
bool movesOn(EntryList list);
EntryPage pageOf(EntryList list);

}  // namespace korvane
