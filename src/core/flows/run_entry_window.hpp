#pragma once
// The past-run entry screen (競走馬成績入力) around its pick lists: 完了 with its questions and
// データなし, and the run it hands to the horse record editor.

#include <optional>

#include "core/entry/run_entry.hpp"

namespace korvane {

class Dialogs;

class RunEntryWindow {
 public:
  RunEntryWindow(Dialogs& dialogs, RunEntry entry);

  RunEntry& entry() { return entry_; }
  const RunEntry& entry() const { return entry_; }

  // 完了: refuses a run without racecourse or time, asks about a time that looks too fast or
  // too slow; true when the run is taken and the screen closes.
  bool complete();
  // データなし: the run is taken as empty and the screen closes.
  void noData();

  // The run to store, once 完了 or データなし took it; nothing after 戻る.
  const std::optional<RunRecord>& run() const { return run_; }

 private:
  Dialogs& dialogs_;
  RunEntry entry_;
  std::optional<RunRecord> run_;
};

}  // namespace korvane
