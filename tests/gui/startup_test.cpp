// Starting the program: the data folder (portable or per user, with the sample set on the first
// run), the title window's load, the window position from korvane.ini, and the first close.

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <memory>

#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"
#include "gui/app/main_form.hpp"
#include "gui/app/title_form.hpp"
#include "gui/platform/folders.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/window_place.hpp"
#include "tests/gui/support/gui_world.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::GuiWorld;
namespace fs = std::filesystem;

namespace {

void writeIni(const fs::path& folder, std::vector<std::string> lines) {
  AtomicLineWriter writer;
  QVERIFY(writer.writeLines(folder / "korvane.ini", lines));
}

// The captions the title window shows, collected while it is open.
struct TitleCaptions {
  QStringList seen;
  QTimer timer;
  TitleCaptions() {
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* title = qobject_cast<TTitleForm*>(QApplication::activeModalWidget());
      if (title != nullptr && (seen.isEmpty() || seen.back() != title->windowTitle())) {
        seen << title->windowTitle();
      }
    });
    timer.start();
  }
};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

  QTemporaryDir home;     // stands for $XDG_DATA_HOME
  QTemporaryDir program;  // the executable's folder

  fs::path userData() const { return pathFromQt(home.path()) / "korvane"; }

  // Starts as main() does, the title window ticking fast.
  std::unique_ptr<TMainForm> start(GuiWorld& world) {
    const FolderSetup setup = startFolders(world.app, pathFromQt(program.path()));
    if (!setup.ok) return nullptr;
    auto form = std::make_unique<TMainForm>(world.app, MainFormOptions{.titleTickMs = 20});
    form->show();
    return form;
  }

  static bool titleClosed() {
    return qobject_cast<TTitleForm*>(QApplication::activeModalWidget()) == nullptr;
  }

 private slots:
  void initTestCase() { qputenv("XDG_DATA_HOME", home.path().toUtf8()); }

  void cleanup() {
    fs::remove_all(userData());
    fs::remove(pathFromQt(program.path()) / "korvane.ini");
  }

  void dataFolderIsPortableOnlyWithKorvaneIni() {
    const fs::path exe = pathFromQt(program.path());
    QCOMPARE(dataFolderFor(exe), userData());
    writeIni(exe, {"0", "0"});
    QCOMPARE(dataFolderFor(exe), exe);
  }

  void theSampleSetIsCopiedOnlyBeforeTheFirstSave() {
    const fs::path data = userData();
    QVERIFY(provideDataFolder(data, GuiWorld::sampleFile()));
    QVERIFY(fs::exists(data / "smpuma.um0"));

    fs::remove(data / "smpuma.um0");
    writeIni(data, {"0", "0"});
    std::ofstream(data / u8"全競走馬.um0") << "KORVANE DATA 1998-2006\r\n";
    QVERIFY(provideDataFolder(data, GuiWorld::sampleFile()));
    QVERIFY(!fs::exists(data / "smpuma.um0"));
  }

  void firstStartShowsTheSampleAndOffersToSave() {
    {
      GuiWorld world;
      TitleCaptions captions;
      auto form = start(world);
      QVERIFY(form != nullptr);
      QCOMPARE(world.app.folders.data, userData());
      QVERIFY(fs::is_directory(userData() / "RaceFile"));
      QTRY_VERIFY(world.app.store.count > 0 && titleClosed());

      QVERIFY(
          captions.seen.contains(qs("初めての起動ため 設定をしています しばらくお待ちください")));
      QCOMPARE(child<QLabel>(*form, "FileLbl")->text(), qs("全競走馬"));
      QCOMPARE(child<QListView>(*form, "UmaLst")->model()->rowCount(), world.app.store.count + 15);
      QVERIFY(!child<QListView>(*form, "UmaLst")->model()->index(0, 0).data().toString().isEmpty());
      QVERIFY(child<QListView>(*form, "UmaLst")
                  ->model()
                  ->index(world.app.store.count, 0)
                  .data()
                  .toString()
                  .isEmpty());
      QCOMPARE(child<QLabel>(*form, "RaceLbl")->text(), qs("京都(外) 芝2200m（良）"));
      QVERIFY(world.app.store.modified);

      world.dialogs.confirmAnswers = {true};
      QVERIFY(form->close());
      QCOMPARE(world.dialogs.confirmations.size(), 1u);
      QCOMPARE(world.dialogs.confirmations[0],
               std::make_pair(sj("全競走馬ファイル"), sj("は変更されています。保存しますか？")));
      QVERIFY(fs::exists(userData() / u8"全競走馬.um0"));
      QVERIFY(fs::exists(userData() / "korvane.ini"));
    }
    // The next start loads the saved set: no first-run caption, nothing to save at the close.
    GuiWorld world;
    TitleCaptions captions;
    auto form = start(world);
    QTRY_VERIFY(world.app.store.count > 0 && titleClosed());
    QCOMPARE(captions.seen, QStringList{qs("起動しています　少しお待ち下さい")});
    QVERIFY(!world.app.store.modified);
    QVERIFY(form->close());
    QVERIFY(world.dialogs.confirmations.empty());
  }

  void loadOffStartsAnEmptyRace() {
    fs::create_directories(userData());
    writeIni(userData(), {"0", "0", "load=N"});
    GuiWorld world;
    auto form = start(world);
    QTRY_VERIFY(titleClosed() && child<QLabel>(*form, "FileLbl")->text() == qs("新しいレース.uma"));
    QCOMPARE(world.app.store.count, 0);
    QCOMPARE(child<QLabel>(*form, "RaceLbl")->text(), qs("入力されていません"));
  }

  void aSavedPositionOffTheScreenIsPulledBack() {
    fs::create_directories(userData());
    writeIni(userData(), {"5000", "5000"});
    GuiWorld world;
    auto form = start(world);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTRY_VERIFY(titleClosed());
    // The whole frame, title bar and borders included, once the window is framed (at once on the
    // offscreen platform, when the window manager gets to it on a desktop).
    (void)QTest::qWaitFor([&] { return framed(*form); }, 2000);
    QTRY_VERIFY(screen.contains(form->frameGeometry()));
    const QRect frame = form->frameGeometry();
    QVERIFY(frame.left() > 0 || frame.width() >= screen.width());
    form->close();
    // The close writes where the window stood.
    const auto lines = readLines(userData() / "korvane.ini").lines;
    QVERIFY(lines.has_value());
    QCOMPARE(QString::fromStdString((*lines)[0]), QString::number(frame.left()));
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
