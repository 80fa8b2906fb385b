#pragma once
// A platform for runs without a screen (the command line, benchmarks): no dialog is ever shown,
// the date is fixed and nothing is written.

#include "core/app/clock.hpp"
#include "core/app/dialogs.hpp"
#include "core/text/line_file.hpp"

namespace korvane::gen {

class SilentDialogs : public Dialogs {
 public:
  std::vector<std::vector<std::string>> messages;  // what would have been shown
  void message(const std::vector<std::string>& lines) override { messages.push_back(lines); }
  bool confirm(const std::string&, const std::string&) override { return false; }
  void showWait(const std::string&) override {}
  void hideWait() override {}
  std::optional<std::filesystem::path> saveFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::filesystem::path> openFile(const FileDialogRequest&) override { return {}; }
};

class StillClock : public Clock {
 public:
  Date today() const override { return {2009, 3, 15}; }
};

class RefusingWriter : public LineWriter {
 public:
  using LineWriter::writeLines;
  using LineWriter::writeStaged;
  bool writeLines(const std::filesystem::path&, std::span<const std::string_view>) override {
    return false;
  }
  bool writeStaged(const std::filesystem::path&, std::span<const std::string_view>) override {
    return false;
  }
  bool makeFolder(const std::filesystem::path&) override { return false; }
  bool moveFile(const std::filesystem::path&, const std::filesystem::path&) override {
    return false;
  }
  bool syncFolder(const std::filesystem::path&) override { return false; }
  bool removeAll(const std::filesystem::path&) override { return false; }
};

struct QuietPlatform {
  SilentDialogs dialogs;
  StillClock clock;
  RefusingWriter writer;
};

}  // namespace korvane::gen
