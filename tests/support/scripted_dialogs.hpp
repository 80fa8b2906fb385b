#pragma once
// Test doubles of the platform: dialogs that answer from a script and record what they showed,
// a fixed clock, and a writer that can be made to fail.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/clock.hpp"
#include "core/app/dialogs.hpp"
#include "core/text/line_file.hpp"

namespace korvane::testing {

class ScriptedDialogs : public Dialogs {
 public:
  // Answers, used in order; an unscripted confirmation answers いいえ, an unscripted file dialog
  // cancels.
  std::deque<bool> confirmAnswers;
  std::deque<std::optional<std::filesystem::path>> fileAnswers;

  // What was shown, in order.
  std::vector<std::vector<std::string>> messages;
  std::vector<std::pair<std::string, std::string>> confirmations;
  std::vector<std::string> waits;
  std::vector<FileDialogRequest> fileRequests;
  bool waitShown = false;

  void message(const std::vector<std::string>& lines) override { messages.push_back(lines); }
  bool confirm(const std::string& line1, const std::string& line2) override {
    confirmations.emplace_back(line1, line2);
    if (confirmAnswers.empty()) return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  void showWait(const std::string& text) override {
    waits.push_back(text);
    waitShown = true;
  }
  void hideWait() override { waitShown = false; }
  std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override {
    return nextFile(request);
  }
  std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override {
    return nextFile(request);
  }

 private:
  std::optional<std::filesystem::path> nextFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(Date date = {2009, 3, 15}) : date(date) {}
  Date today() const override { return date; }
  Date date;
};

// Writes through the real atomic writer until told to fail: then every write (or only writes to
// files of one name) fails as a full disk would, leaving the old file. `failAtCall` fails the
// n-th call of any kind (writes, folders, moves, flushes, removals), one step of a save at a time;
// `killAtCall` fails that call and every later one, which leaves the disk as a kill at that
// instant would.
class FailingWriter : public LineWriter {
 public:
  bool failAll = false;
  std::optional<std::filesystem::path> failName;  // fail only files with this file name
  int failAtCall = 0;                             // 1-based; 0 = none
  int killAtCall = 0;                             // 1-based; 0 = none
  int writes = 0;
  int calls = 0;

  using LineWriter::writeLines;
  using LineWriter::writeStaged;
  bool writeLines(const std::filesystem::path& path,
                  std::span<const std::string_view> lines) override {
    ++writes;
    if (failAll || (failName && path.filename() == *failName) || failsNow()) return false;
    return real_.writeLines(path, lines);
  }
  bool writeStaged(const std::filesystem::path& path,
                   std::span<const std::string_view> lines) override {
    ++writes;
    if (failAll || (failName && path.filename() == *failName) || failsNow()) return false;
    return real_.writeStaged(path, lines);
  }
  bool makeFolder(const std::filesystem::path& folder) override {
    return !failAll && !failsNow() && real_.makeFolder(folder);
  }
  bool moveFile(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return !failAll && !failsNow() && real_.moveFile(from, to);
  }
  bool syncFolder(const std::filesystem::path& folder) override {
    return !failAll && !failsNow() && real_.syncFolder(folder);
  }
  bool removeAll(const std::filesystem::path& path) override {
    return !failAll && !failsNow() && real_.removeAll(path);
  }

 private:
  bool failsNow() {
    ++calls;
    return calls == failAtCall || (killAtCall > 0 && calls >= killAtCall);
  }
  AtomicLineWriter real_;
};

}  // namespace korvane::testing
