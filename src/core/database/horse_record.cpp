#include "core/database/horse_record.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr std::size_t kNameBytes = 18;

// Ages are kept to the two characters the line has room for.
std::string ageField(int age) {
  return padLeft(std::to_string(std::clamp(age, 0, 99)), 2);
}

std::string_view field(std::string_view line, std::size_t from, std::size_t bytes) {
  if (from >= line.size()) return {};
  return line.substr(from, bytes);
}

// One cp932 character each: 逃 先 好 差 追.
struct StyleMarks {
  std::string nige = sj("逃"), senkou = sj("先"), koui = sj("好"), sashi = sj("差"),
              oikomi = sj("追");
};

const StyleMarks& styleMarks() {
  static const StyleMarks marks;
  return marks;
}

}  // namespace

std::string identityLine(std::string_view name, int age, std::string_view sex) {
  return storedName(name) + ageField(age) + fitBytes(sex, 2);
}

std::string withAge(std::string identity, int age) {
  // A line cut short before its age still gets the age in its own columns.
  if (identity.size() < kNameBytes + 2) identity.resize(kNameBytes + 2, ' ');
  return identity.replace(kNameBytes, 2, ageField(age));
}

std::vector<std::string> placeholderRecord(std::string identity) {
  static const std::array<std::string, 8> emptyRun{sj("無"), "9999", sj("東") + "0000", "0000",
                                                   " 0 0 0", "999",  sj("良"),          "99"};
  std::vector<std::string> record;
  record.reserve(kBlockLines);
  record.push_back(std::move(identity));
  for (int r = 1; r <= kRuns; ++r) record.insert(record.end(), emptyRun.begin(), emptyRun.end());
  return record;
}

std::string computeStyle(std::span<const std::string_view> block) {
  std::array<std::string_view, kRuns> corners;
  for (int r = 1; r <= kRuns; ++r) {
    const auto L = static_cast<std::size_t>(runLine(r, RunField::Corners));
    if (L <= block.size()) corners[r - 1] = block[L - 1];
  }
  return std::string(styleFromCorners(corners));
}

std::string_view styleFromCorners(std::span<const std::string_view, kRuns> corners) {
  int nige = 0, senkou = 0, koui = 0, sashi = 0, oikomi = 0;
  int earlyFront = 0, earlyLate = 0;
  int valid = 0;
  for (int r = 1; r <= kRuns && valid < 3; ++r) {
    const std::string_view line = corners[r - 1];
    const int c4 = parseLenient(field(line, 4, 2));
    // A run without a 4th-corner position says nothing about where the horse races.
    if (c4 <= 0) continue;
    const int c3 = parseStrict(field(line, 2, 2)).value_or(0);
    if (c3 == 1) {
      ++nige;
    } else if (c3 == 2 || c3 == 3) {
      ++senkou;
    } else if (c3 == 4) {
      (c4 > 2 ? koui : senkou) += 1;
    } else if (c3 == 5 || c3 == 6) {
      (c4 > 4 ? sashi : koui) += 1;
    } else if (c3 >= 7 && c3 <= 18) {
      (c4 > 6 ? oikomi : sashi) += 1;
    }
    ++valid;
    if (valid == 2) {
      earlyFront = nige + senkou;
      earlyLate = sashi + oikomi;
    }
  }

  const StyleMarks& m = styleMarks();
  const std::string* style = &m.koui;
  if (senkou + koui + sashi + oikomi < nige) {
    style = &m.nige;
  } else if (nige + senkou + koui + sashi < oikomi) {
    style = &m.oikomi;
  } else if (nige + senkou > koui + sashi + oikomi) {
    style = &m.senkou;
  } else if (nige + senkou + koui < sashi + oikomi) {
    style = &m.sashi;
  }
  // The two most recent valid runs overrule a one-sided tally: a horse that was recently up
  // front is no pure closer, and one recently at the back is no pure front-runner.
  if (earlyFront > 0 && (style == &m.sashi || style == &m.oikomi)) style = &m.koui;
  if (earlyLate > 0 && (style == &m.nige || style == &m.senkou)) style = &m.koui;
  return *style;
}

std::vector<std::string_view> presentMonths(std::span<const std::string_view> block) {
  static const std::string noRun = sj("無");
  std::vector<std::string_view> months;
  for (int r = 1; r <= kRuns; ++r) {
    if (block[runLine(r, RunField::Surface) - 1] == noRun) continue;
    const std::string_view courseDate = block[runLine(r, RunField::CourseDate) - 1];
    months.push_back(courseDate.size() > 2 ? courseDate.substr(2, 4) : std::string_view());
  }
  return months;
}

int meetingYear(std::string_view month) {
  return parseLenient(month.substr(0, 2));
}

std::string courseName(std::string_view code) {
  using Table = std::vector<std::pair<std::string, std::string>>;
  static const Table table = [] {
    // Ten central, twelve foreign and twenty-six local racecourses.
    const char* const pairs[][2] = {
        {"東", "東京"}, {"中", "中山"},   {"阪", "阪神"},   {"京", "京都"}, {"福", "福島"},
        {"名", "中京"}, {"新", "新潟"},   {"小", "小倉"},   {"札", "札幌"}, {"函", "函館"},
        {"米", "米国"}, {"加", "加国"},   {"英", "英国"},   {"仏", "仏国"}, {"独", "独国"},
        {"愛", "愛国"}, {"伊", "伊国"},   {"豪", "豪州"},   {"Ｎ", "新国"}, {"香", "香港"},
        {"ア", "ｱﾗﾌﾞ"}, {"シ", "ｼﾝｶﾞ"},   {"大", "大井"},   {"川", "川崎"}, {"船", "船橋"},
        {"浦", "浦和"}, {"高", "高崎"},   {"宇", "宇都"},   {"足", "足利"}, {"旭", "旭川"},
        {"帯", "帯広"}, {"岩", "岩見沢"}, {"門", "門別"},   {"盛", "盛岡"}, {"水", "水沢"},
        {"上", "上山"}, {"三", "三条"},   {"屋", "名古屋"}, {"笠", "笠松"}, {"金", "金沢"},
        {"園", "園田"}, {"姫", "姫路"},   {"山", "福山"},   {"益", "益田"}, {"知", "高知"},
        {"佐", "佐賀"}, {"荒", "荒尾"},   {"津", "中津"}};
    Table t;
    for (const auto& p : pairs) t.emplace_back(sj(p[0]), sj(p[1]));
    return t;
  }();
  for (const auto& [c, name] : table) {
    if (c == code) return name;
  }
  return std::string(code);
}

std::string storedName(std::string_view name) {
  return fitBytes(zenToHalfSpaces(name), 18);
}

std::optional<std::string> repairedCutName(std::string_view identity) {
  constexpr std::size_t kNameBytes = 18;
  // Only a character that begins on the last byte of the field can be cut; a name that ends in
  // a blank, as most do, needs no walk through its characters.
  if (identity.size() <= kNameBytes ||
      !isLeadByte(static_cast<unsigned char>(identity[kNameBytes - 1]))) {
    return std::nullopt;
  }
  std::size_t pos = 0;
  while (pos < kNameBytes && pos < identity.size()) pos += charBytesAt(identity, pos);
  if (pos != kNameBytes + 1) return std::nullopt;
  std::string mended(identity);
  mended[kNameBytes - 1] = ' ';
  mended[kNameBytes] = ' ';
  return mended;
}

std::string displayName(std::string_view name) {
  return fitBytesZen(halfSpacesToZen(name.substr(0, std::min<std::size_t>(name.size(), 18))), 18);
}

std::string runCourseKeyOf(std::span<const std::string_view> block, int r) {
  struct Layout {
    std::string code, keyCode;
    std::array<int, 4> distances;
  };
  // Courses with an inner and an outer turf track: the distance tells which one was run.
  static const std::array<Layout, 3> layouts{Layout{sj("京"), sj("都"), {1200, 2000, 0, 0}},
                                             Layout{sj("新"), sj("潟"), {1000, 1200, 1400, 1800}},
                                             Layout{sj("阪"), sj("神"), {1600, 1800, 2400, 2600}}};
  static const std::string turf = sj("芝");

  const auto at = [&](RunField f) -> std::string_view {
    const auto L = static_cast<std::size_t>(runLine(r, f));
    return L <= block.size() ? std::string_view(block[L - 1]) : std::string_view();
  };
  const std::string_view courseDate = at(RunField::CourseDate);
  const std::string_view surface = at(RunField::Surface);
  std::string code = fitBytes(field(courseDate, 0, 2), 2);
  if (surface == turf) {
    int distance = parseLenient(at(RunField::Distance));
    if (distance <= 98) distance *= 100;
    for (const Layout& layout : layouts) {
      if (distance > 0 && code == layout.code &&
          std::find(layout.distances.begin(), layout.distances.end(), distance) !=
              layout.distances.end()) {
        code = layout.keyCode;
      }
    }
  }
  return code + fitBytes(field(courseDate, 2, 4), 4) + fitBytes(surface, 2) +
         fitBytes(at(RunField::Going), 2);
}

}  // namespace korvane
