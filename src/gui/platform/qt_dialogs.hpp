#pragma once
// The message, confirmation and wait windows and the file dialogs, as Qt windows. The three small
// windows centre on the screen in front (AppState::currentScreen): the main window, the horse
// record editor or the prediction screen.

#include <QPointer>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/app/dialogs.hpp"
#include "gui/platform/base_dialog.hpp"

class QLabel;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

// The message window: up to eight lines (M1Lbl .. M8Lbl) and 閉じる (TojiruBtn). Its height
// follows the number of lines. Centred on `parent`.
class TPrintForm : public BaseDialog {
  Q_OBJECT
 public:
  TPrintForm(const std::vector<std::string>& lines, QWidget* parent = nullptr);
};

// The confirmation window: two lines (KakuninLbl, KakuninLbl2), はい and いいえ (HaiBtn, IieBtn),
// no close box. Centred on `parent`; showModal() is true only on はい.
class TKakuninForm : public BaseDialog {
  Q_OBJECT
 public:
  TKakuninForm(const std::string& line1, const std::string& line2, QWidget* parent = nullptr);
};

// The wait window, shown without blocking while a file is read or written.
class TWaitForm : public QWidget {
  Q_OBJECT
 public:
  explicit TWaitForm(QWidget* parent = nullptr);
  void setText(const std::string& text);

 private:
  QLabel* MessageLbl = nullptr;
};

// "名前(*.uma)|*.uma" pairs as a Qt name filter list ("名前(*.uma)").
QStringList qtNameFilters(const std::string& filterCp932);

class QtDialogs : public Dialogs {
 public:
  QtDialogs();
  ~QtDialogs() override;

  // The window of a screen that the small windows centre on.
  void registerScreen(Screen screen, QWidget* window);
  // Registers through whatever Dialogs the program runs with; scripted test dialogs ignore it.
  static void registerScreen(Dialogs& dialogs, Screen screen, QWidget* window);
  void attach(const AppState& app);

  void message(const std::vector<std::string>& lines) override;
  bool confirm(const std::string& line1, const std::string& line2) override;
  void showWait(const std::string& text) override;
  void hideWait() override;
  std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override;

  // The window the small windows centre on now.
  QWidget* screenInFront() const;

 private:
  std::optional<std::filesystem::path> fileDialog(const FileDialogRequest& request, bool save);

  std::map<Screen, QPointer<QWidget>> screens_;
  const AppState* app_ = nullptr;
  std::unique_ptr<TWaitForm> wait_;
};

}  // namespace korvane::gui
