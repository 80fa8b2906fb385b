#pragma once
// The desktop's windows as the core sees them: the message, confirmation and wait windows and
// the file dialogs. The desktop program implements them with Qt; tests script the answers.
// Every text is cp932.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct FileDialogRequest {
  std::string title;
  std::string filter;                  // e.g. "コルバンレースファイル(*.uma)|*.uma"
  std::string defaultExtension;        // without the dot, e.g. "uma"
  std::filesystem::path folder;        // where the dialog starts
  std::filesystem::path proposedName;  // file name offered, empty for none
  bool overwritePrompt = false;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The message window, 1..8 lines.
  virtual void message(const std::vector<std::string>& lines) = 0;
  // The confirmation window: true only on はい.
  virtual bool confirm(const std::string& line1, const std::string& line2) = 0;
  // The wait window, shown without blocking during a long operation.
  virtual void showWait(const std::string& text) = 0;
  virtual void hideWait() = 0;
  // File dialogs: the chosen path as typed (the caller adds a missing extension), or nothing on
  // cancel.
  virtual std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) = 0;
};

// Shows the wait window for the life of the guard.
class WaitWindow {
 public:
  WaitWindow(Dialogs& dialogs, const std::string& text) : dialogs_(dialogs) {
    dialogs_.showWait(text);
  }
  ~WaitWindow() { dialogs_.hideWait(); }
  WaitWindow(const WaitWindow&) = delete;
  WaitWindow& operator=(const WaitWindow&) = delete;

 private:
  Dialogs& dialogs_;
};

}  // namespace korvane
