#pragma once
// The custom marking window's edit copy of the rules and what each control does to it. The window
// shows what these answer and calls them.

#include <array>
#include <filesystem>
#include <string>

#include "core/custom/custom_file.hpp"
#include "core/engine/custom_rules.hpp"

namespace korvane {

// The radio items of each mark tab, in the order the window lists them (cp932 texts below).
inline constexpr int kKindItems = 6;   // 能力値上位の馬 .. 全距離上位の馬
inline constexpr int kLosePItems = 2;  // 「0.0」の馬, 負Ｐ無関係
inline constexpr int kFormItems = 4;   // 「Ａ」の馬 .. 近走無関係
inline constexpr int kStyleItems = 5;  // 「+」の馬 .. 脚質無関係

const std::array<std::string, kKindItems>& kindItemTexts();
const std::array<std::string, kLosePItems>& losePItemTexts();
const std::array<std::string, kFormItems>& formItemTexts();
const std::array<std::string, kStyleItems>& styleItemTexts();

// The text of a priority list row for a code 1..5 ("前走が５番目以内" ..).
const std::string& priorityRowText(int code);

class CustomEdit {
 public:
  // Opening the window: the committed rules, the set the card's development calls for, and the
  // priority rows last selected.
  CustomEdit(const CustomState& custom, const std::string& development);

  const CustomRules& rules() const { return rules_; }
  // The rules a custom file brought in replace the whole edit copy.
  void replaceRules(const CustomRules& rules) { rules_ = rules; }

  // Which set the tabs edit: 0 有利＆不問 (YuriBtn), 1 断然 (DanzenBtn).
  int set() const { return set_; }
  void selectSet(int set);
  // The caption of LogicGrp for the selected set.
  std::string groupCaption() const;

  // Mark tabs, mark 0..4 (◎ .. ×); every item is a 0-based position in its radio group.
  int kindItem(int mark) const;
  // 底力上位の馬 only makes sense for horses that showed 底力, so it ticks the 底力 filter too.
  void chooseKindItem(int mark, int item);
  bool powerFilter(int mark) const;
  // Clearing is refused while the kind is 底力; answers the state the box must show.
  bool setPowerFilter(int mark, bool on);
  bool powerFilterLocked(int mark) const;
  int losePItem(int mark) const;
  void chooseLosePItem(int mark, int item);
  int formItem(int mark) const;
  void chooseFormItem(int mark, int item);
  int styleItem(int mark) const;
  void chooseStyleItem(int mark, int item);

  // The 注 tab's priority list of the selected set.
  std::array<std::string, kPriorities> priorityRows() const;
  int selectedRow() const { return selectedRow_[set_]; }
  void selectRow(int row);
  // 上へ / 下へ: the selected row changes place with its neighbour and stays selected.
  void moveUp();
  void moveDown();
  const std::array<int, kRuleSets>& selectedRows() const { return selectedRow_; }

  // The file whose name the window's UmcFileLbl shows, and the one it opened with (戻る goes back
  // to that in custom mode).
  const std::filesystem::path& openedFile() const { return openedFile_; }

 private:
  MarkRule& rule(int mark) { return rules_.sets[set_].marks[mark]; }
  const MarkRule& rule(int mark) const { return rules_.sets[set_].marks[mark]; }

  CustomRules rules_;
  int set_ = 0;
  std::array<int, kRuleSets> selectedRow_{};
  std::filesystem::path openedFile_;
};

// The first 20 bytes of a custom file's name (cp932, a double-byte character never split), as
// the custom window and the prediction screen show it.
std::string customFileLabel(const std::filesystem::path& file);

}  // namespace korvane
