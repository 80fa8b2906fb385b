#include "core/custom/custom_edit.hpp"

#include <algorithm>
#include <utility>

#include "core/custom/custom_file.hpp"
#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFileLabelBytes = 20;

// Rule values in the order of each tab's radio items.
constexpr std::array<int, kKindItems> kKindOfItem{2, 1, 5, 3, 6, 4};
constexpr std::array<int, kLosePItems> kLosePOfItem{1, 0};
constexpr std::array<int, kFormItems> kFormOfItem{3, 2, 1, 0};
constexpr std::array<int, kStyleItems> kStyleOfItem{2, 1, 3, 4, 0};

template <std::size_t N>
int itemOf(const std::array<int, N>& values, int value) {
  const auto it = std::find(values.begin(), values.end(), value);
  return it == values.end() ? 0 : static_cast<int>(it - values.begin());
}

template <std::size_t N>
std::array<std::string, N> texts(const std::array<const char*, N>& utf8) {
  std::array<std::string, N> out;
  for (std::size_t i = 0; i < N; ++i) out[i] = sj(utf8[i]);
  return out;
}

bool validItem(int item, int count) {
  return item >= 0 && item < count;
}

}  // namespace

const std::array<std::string, kKindItems>& kindItemTexts() {
  static const auto t = texts<kKindItems>({"能力値上位の馬", "底力上位の馬", "負Ｐ少ない馬",
                                           "ベスト上位の馬", "前走上位の馬", "全距離上位の馬"});
  return t;
}

const std::array<std::string, kLosePItems>& losePItemTexts() {
  static const auto t = texts<kLosePItems>({"「0.0」の馬", "負Ｐ無関係"});
  return t;
}

const std::array<std::string, kFormItems>& formItemTexts() {
  static const auto t = texts<kFormItems>(
      {"「Ａ」の馬", "「Ａ」か「Ｂ」の馬", "「Ａ」か「Ｂ」か「Ｃ」の馬", "近走無関係"});
  return t;
}

const std::array<std::string, kStyleItems>& styleItemTexts() {
  static const auto t =
      texts<kStyleItems>({"「+」の馬", "「+」か無印の馬", "無印の馬", "「-」の馬", "脚質無関係"});
  return t;
}

const std::string& priorityRowText(int code) {
  static const auto t =
      texts<kPriorities>({"前走が５番目以内", "ベストが５番目以内", "能力値が５番目以内",
                          "底力が５番目以内", "全距離能力値が５番目以内"});
  return t[std::clamp(code, 1, kPriorities) - 1];
}

CustomEdit::CustomEdit(const CustomState& custom, const std::string& development)
    : rules_(custom.rules),
      set_(ruleSetFor(development)),
      selectedRow_(custom.selectedRow),
      openedFile_(custom.file) {}

void CustomEdit::selectSet(int set) {
  if (set >= 0 && set < kRuleSets) set_ = set;
}

std::string CustomEdit::groupCaption() const {
  // The same words as the set's button, so the user sees which set the tabs now edit.
  return set_ == 1 ? sj("○○○○断然の場合") : sj("○○○○有利＆不問の場合");
}

int CustomEdit::kindItem(int mark) const {
  return itemOf(kKindOfItem, rule(mark).kind);
}

void CustomEdit::chooseKindItem(int mark, int item) {
  if (!validItem(item, kKindItems)) return;
  MarkRule& r = rule(mark);
  r.kind = kKindOfItem[item];
  if (r.kind == static_cast<int>(RuleKind::Power)) r.powerFilter = 1;
}

bool CustomEdit::powerFilter(int mark) const {
  return rule(mark).powerFilter == 1;
}

bool CustomEdit::setPowerFilter(int mark, bool on) {
  if (!powerFilterLocked(mark)) rule(mark).powerFilter = on ? 1 : 0;
  return powerFilter(mark);
}

bool CustomEdit::powerFilterLocked(int mark) const {
  return rule(mark).kind == static_cast<int>(RuleKind::Power);
}

int CustomEdit::losePItem(int mark) const {
  return itemOf(kLosePOfItem, rule(mark).losePFilter);
}

void CustomEdit::chooseLosePItem(int mark, int item) {
  if (validItem(item, kLosePItems)) rule(mark).losePFilter = kLosePOfItem[item];
}

int CustomEdit::formItem(int mark) const {
  return itemOf(kFormOfItem, rule(mark).minForm);
}

void CustomEdit::chooseFormItem(int mark, int item) {
  if (validItem(item, kFormItems)) rule(mark).minForm = kFormOfItem[item];
}

int CustomEdit::styleItem(int mark) const {
  return itemOf(kStyleOfItem, rule(mark).style);
}

void CustomEdit::chooseStyleItem(int mark, int item) {
  if (validItem(item, kStyleItems)) rule(mark).style = kStyleOfItem[item];
}

std::array<std::string, kPriorities> CustomEdit::priorityRows() const {
  std::array<std::string, kPriorities> rows;
  for (int i = 0; i < kPriorities; ++i) rows[i] = priorityRowText(rules_.sets[set_].priority[i]);
  return rows;
}

void CustomEdit::selectRow(int row) {
  if (validItem(row, kPriorities)) selectedRow_[set_] = row;
}

void CustomEdit::moveUp() {
  int& row = selectedRow_[set_];
  if (row <= 0) return;
  std::swap(rules_.sets[set_].priority[row], rules_.sets[set_].priority[row - 1]);
  --row;
}

void CustomEdit::moveDown() {
  int& row = selectedRow_[set_];
  if (row >= kPriorities - 1) return;
  std::swap(rules_.sets[set_].priority[row], rules_.sets[set_].priority[row + 1]);
  ++row;
}

std::string customFileLabel(const fs::path& file) {
  return cutBytes(shownFileName(file), kFileLabelBytes);
}

}  // namespace korvane
