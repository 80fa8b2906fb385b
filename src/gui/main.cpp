// コルバン: the desktop program. Decides the folders, opens the main window (whose title window
// loads the horses) and, when the main window closes, offers to save and writes korvane.ini.

#include <QApplication>
#include <filesystem>

#include "app/app_state.hpp"
#include "app/clock.hpp"
#include "app/main_form.hpp"
#include "platform/folders.hpp"
#include "platform/qt_dialogs.hpp"
#include "platform/qt_text.hpp"
#include "text/line_file.hpp"
#include "text/sjis.hpp"

int main(int argc, char* argv[]) {
  using namespace korvane;
  QApplication application(argc, argv);
  QApplication::setApplicationName("korvane");

  gui::QtDialogs dialogs;
  SystemClock clock;
  AtomicLineWriter writer;
  AppState app(dialogs, clock, writer);
  dialogs.attach(app);

  const FolderSetup folders =
      gui::startFolders(app, gui::pathFromQt(QApplication::applicationDirPath()));
  if (!folders.ok) {
    dialogs.message(folders.message);
    return 1;
  }

  gui::TMainForm mainForm(app);
  dialogs.registerScreen(sj("メイン"), &mainForm);
  mainForm.show();
  return application.exec();
}
