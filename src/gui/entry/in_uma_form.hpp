#pragma once
// The past-run entry screen (競走馬成績入力): one run chosen in pick lists, one tab page per item,
// with a summary field per item on the left.

#include <QListWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/entry/run_entry.hpp"
#include "gui/platform/base_dialog.hpp"

class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace korvane {
class RunEntryWindow;
}  // namespace korvane

namespace korvane::gui {

class TInUmaForm : public BaseDialog {
  Q_OBJECT

 public:
  // `horseName` (cp932) heads the screen; the run is the editor's to store after 完了 or
  // データなし.
  TInUmaForm(RunEntryWindow& entry, const std::string& horseName, QWidget* owner);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kPages = 9;

  QWidget* buildPages();
  QWidget* page(EntryPage which, const char* name, const char* caption);
  QListWidget* pickList(EntryList list, const char* name, const std::vector<std::string>& items);
  void refresh();
  void KanryouBtnClick();
  void DataNashiBtnClick();

  RunEntryWindow& entry_;
  QTabWidget* PageControl = nullptr;
  std::array<QWidget*, kPages> pages_{};
  std::array<QRadioButton*, kPages - 1> radios_{};  // ChakuBtn .. AgariBtn
  std::array<QLineEdit*, kPages - 1> fields_{};     // ChakuEdt .. AgariEdt
  std::vector<std::pair<EntryList, QListWidget*>> lists_;
  QLabel* ZenkaiLbl = nullptr;
  QLabel* AtoLbl = nullptr;
};

}  // namespace korvane::gui
