// コルバン: the desktop program. Decides the folders, opens the main window (whose title window
// loads the horses) and, when the main window closes, offers to save and writes korvane.ini.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <filesystem>

#include "core/app/app_state.hpp"
#include "core/app/clock.hpp"
#include "gui/app/main_form.hpp"
#include "gui/platform/folders.hpp"
#include "gui/platform/qt_dialogs.hpp"
#include "gui/platform/qt_text.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

int main(int argc, char* argv[]) {
  using namespace korvane;
  // Dates in the file dialogs in the Japanese way (2026/12/08 14:11), as the rest of the program
  // speaks; a user's own LC_ALL still decides.
  if (qEnvironmentVariableIsEmpty("LC_ALL")) qputenv("LC_TIME", "ja_JP.UTF-8");
  QApplication application(argc, argv);
  QApplication::setApplicationName("korvane");
  // Qt's own windows (the file dialogs and their overwrite question) speak Japanese too.
  QTranslator qtJapanese;
  if (qtJapanese.load(QLocale(QLocale::Japanese), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtJapanese);
  }

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
  dialogs.registerScreen(Screen::Main, &mainForm);
  mainForm.show();
  return application.exec();
}
