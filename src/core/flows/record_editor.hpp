#pragma once
// The horse record editor (成績画面): one horse's name, running style and five past runs, where
// runs are added, inserted, deleted and changed and the horse is renamed. Every change goes
// straight into the horse store.

#include <string>

#include "core/entry/horse_identity.hpp"
#include "core/entry/run_entry.hpp"
#include "core/entry/run_shifts.hpp"

namespace korvane {

struct AppState;

// One slot's memos: `ChakuMem` (" 1着", " なし") and the two lines of `RaceMem`.
struct RunRow {
  std::string finish;
  std::string course;  // "東京 '97/05 芝2000m(良)"
  std::string time;    // "2.01.5(12.16)  5. 4. 3  35秒2"
};

class RecordEditor {
 public:
  // Opens on the current horse; the message windows centre on the editor while it is open.
  explicit RecordEditor(AppState& app);
  ~RecordEditor();
  RecordEditor(const RecordEditor&) = delete;
  RecordEditor& operator=(const RecordEditor&) = delete;

  int horse() const { return horse_; }
  std::string nameLabel() const;   // `NameLbl`
  std::string styleLabel() const;  // `KyakuLbl`
  RunRow row(int slot) const;      // slot 1 (前走) .. 5

  // The entry screen for slot 0 (前走追加) or 1..5 (変更), with the lists set from the runs.
  RunEntry runEntry(int slot) const;
  // What the entry screen completed: slot 0 becomes the newest run, 1..5 replaces that slot.
  void storeRun(int slot, const RunRecord& run);
  // 挿入 (slot 2..4) and 削除 (slot 1..4), each after its question; true when done.
  bool insertRun(int slot);
  bool deleteRun(int slot);

  // 馬名･性齢 変更: what the name window opens with, and its 完了.
  NameChoice renameChoice() const;
  void rename(const NameChoice& choice);
  // The main window rebuilds its horse list after a rename.
  bool nameChanged() const { return nameChanged_; }

  // ヘルプ: the two pages one after the other.
  void help();

 private:
  AppState& app_;
  int horse_;
  bool nameChanged_ = false;
};

}  // namespace korvane
