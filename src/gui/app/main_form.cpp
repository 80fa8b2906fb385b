#include "gui/app/main_form.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/flows/main_window.hpp"
#include "core/app/main_lists.hpp"
#include "core/app/settings_edit.hpp"
#include "core/database/race_files.hpp"
#include "core/database/store_files.hpp"
#include "core/flows/new_horse.hpp"
#include "core/flows/maintenance.hpp"
#include "core/flows/race_files.hpp"
#include "core/flows/startup.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"
#include "core/views/race_label.hpp"
#include "gui/app/title_form.hpp"
#include "gui/custom/set_up_form.hpp"
#include "gui/engine/race_form.hpp"
#include "gui/entry/add_uma_form.hpp"
#include "gui/entry/help_form.hpp"
#include "gui/entry/in_name_form.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/platform/window_place.hpp"
#include "gui/views/yosou_form.hpp"

namespace korvane::gui {

namespace {

constexpr Hint kHints[] = {
    {"LoadBtn",
     "予想画面の「レース保存」で保存したデータを読み込みます。レースファイル編集中に「新しい馬の"
     "入力」はできません。"},
    {"SaveBtn", "編集中のファイルを上書き保存します。"},
    {"AllLoadBtn", "登録してある全ての競走馬データ（全競走馬ファイル）を読み込みます。"},
    {"AddLoadBtn",
     "編集中のデータに、レースファイルの競走馬を付け足します。すでに登録されている馬を読み込んだ"
     "場合、「前走の開催月」が新しいほうのデータが優先されます。"},
    {"ShussouBtn", "指定した競走馬を画面右側の出走馬リストへ登録します。"},
    {"AddBtn", "指定した競走馬の成績を表示・追加・変更します。"},
    {"InUmaBtn", "新しい競走馬を登録します。"},
    {"SakujoBtn", "指定した競走馬を削除します。"},
    {"SearchBtn",
     "左の検索文字列で競走馬を検索します（キーボードで打ち込んだ場合のみ使用。エンターキーでも"
     "可）。"},
    {"BSBtn", "検索文字列を訂正します（１文字消す）。"},
    {"SClearBtn", "検索文字列をクリアします。"},
    {"DakuBtn", "押すたびに濁点が付いたり消えたりします（または小さい字になります）。"},
    {"ClearBtn", "出走馬とレースコースをクリアします。"},
    {"HazusuBtn", "指定した出走馬をはずします。"},
    {"TorikeshiBtn", "指定した出走馬を出走取消にします。"},
    {"UpBtn", "指定した出走馬の枠順を上げます。"},
    {"DownBtn", "指定した出走馬の枠順を下げます。"},
    {"AddBtn2", "指定した出走馬の成績を表示・追加・変更します。"},
    {"CourseBtn", "レースのコース（競馬場・距離・馬場状態）を入力・変更します。"},
    {"YosouBtn", "予想画面に行きます。レースコースが未入力の場合、入力画面になります。"},
    {"SetteiBtn", "各種設定が行えます。"},
    {"ModeLbl2", "「◎○▲」などの印の付け方です。左の設定ボタンで変更できます。"},
    {"ModeLbl", "「◎○▲」などの印の付け方です。左の設定ボタンで変更できます。"},
};

// The runner list leaves a little more room per row than the prediction table: it is picked from
// with the mouse.
int runnerRowHeight() {
  return QFontMetrics(fixedFont()).height() + 4;
}

QListWidget* runnerColumn(QWidget* parent, const char* name, int widthBytes) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  shapeFixedList(*list, widthBytes, kMaxRunners, runnerRowHeight());
  return list;
}

constexpr std::array<const char*, kKanaRows> kKeyNames{
    "KeyABtn",  "KeyKaBtn", "KeySaBtn", "KeyTaBtn", "KeyNaBtn",
    "KeyHaBtn", "KeyMaBtn", "KeyYaBtn", "KeyRaBtn", "KeyWaBtn"};
constexpr std::array<const char*, 5> kDanNames{"AdanBtn", "IdanBtn", "UdanBtn", "EdanBtn",
                                               "OdanBtn"};

}  // namespace

TMainForm::TMainForm(AppState& app, MainFormOptions options, QWidget* parent)
    : QMainWindow(parent), app_(app), options_(options), letters_(kanaRow(0)) {
  setObjectName("TMainForm");
  setWindowTitle(qs("コルバン"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  buildHorseSide();
  buildRunnerSide();
  buildMenu();

  QPushButton* yosouBtn = button(central, "YosouBtn", qs("予想"));
  QPushButton* setteiBtn = button(central, "SetteiBtn", qs("設定"));
  connect(setteiBtn, &QPushButton::clicked, this, &TMainForm::SetteiBtnClick);
  ModeLbl = label(central, "ModeLbl", toQt(modeLabel(app_.settings)));
  yosouBtn->setMinimumHeight(36);
  connect(yosouBtn, &QPushButton::clicked, this, &TMainForm::YosouBtnClick);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(yosouBtn, 2);
  bottom->addWidget(setteiBtn, 1);
  bottom->addSpacing(16);
  bottom->addWidget(label(central, "ModeLbl2", qs("印付けモード")));
  bottom->addWidget(ModeLbl);
  bottom->addStretch();

  auto* sides = new QHBoxLayout;
  sides->addWidget(UmaGrp);
  sides->addWidget(RunGrp);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(sides);
  layout->addLayout(bottom);
  setHints(*this, kHints);

  adjustSize();
  placeOnScreen();
  refreshAll();
}

void TMainForm::placeOnScreen() {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint at =
      keptOnScreen(QPoint(app_.settings.left, app_.settings.top), frameGeometry().size(), area);
  if (windowHandle() == nullptr) {
    move(at);  // not on screen yet: Qt takes the position for the frame's
  } else if (at != frameGeometry().topLeft()) {
    moveFrameTo(*this, at, frameMargins(*this));
  }
}

void TMainForm::buildHorseSide() {
  UmaGrp = new QGroupBox(qs("登録馬（馬名を２回ｸﾘｯｸで出走馬へ）"), centralWidget());
  UmaGrp->setObjectName("UmaGrp");
  auto* layout = new QVBoxLayout(UmaGrp);
  layout->addLayout(buildFileRows());
  buildHorseList();
  layout->addWidget(UmaLst, 1);
  layout->addLayout(buildHorseButtons());
  layout->addLayout(buildSearchPad());
}

// 編集中ファイル and the four buttons that load and save it.
QLayout* TMainForm::buildFileRows() {
  QWidget* g = UmaGrp;
  FileLbl = label(g, "FileLbl");
  FileLbl->setFont(fixedFont());
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(label(g, "FileCaptionLbl", qs("編集中ファイル")));
  fileRow->addWidget(FileLbl, 1);

  const std::pair<const char*, const char*> files[] = {
      {"LoadBtn", "レース読込"},
      {"SaveBtn", "保存"},
      {"AllLoadBtn", "全競走馬読込"},
      {"AddLoadBtn", "追加読込"},
  };
  const std::array<void (TMainForm::*)(), 4> handlers{
      &TMainForm::LoadBtnClick, &TMainForm::SaveBtnClick, &TMainForm::AllLoadBtnClick,
      &TMainForm::AddLoadBtnClick};
  auto* fileButtons = new QHBoxLayout;
  for (std::size_t i = 0; i < handlers.size(); ++i) {
    QPushButton* b = button(g, files[i].first, qs(files[i].second));
    connect(b, &QPushButton::clicked, this, handlers[i]);
    fileButtons->addWidget(b);
  }
  auto* rows = new QVBoxLayout;
  rows->addLayout(fileRow);
  rows->addLayout(fileButtons);
  return rows;
}

void TMainForm::buildHorseList() {
  horses_ = new HorseListModel(app_.store, this);
  UmaLst = new QListView(UmaGrp);
  UmaLst->setObjectName("UmaLst");
  UmaLst->setFont(fixedFont());
  UmaLst->setUniformItemSizes(true);
  UmaLst->setModel(horses_);
  UmaLst->setSelectionMode(QAbstractItemView::SingleSelection);
  UmaLst->setEditTriggers(QAbstractItemView::NoEditTriggers);
  UmaLst->setMinimumWidth(cellsWidth(24) + 32);
  UmaLst->setMinimumHeight(QFontMetrics(fixedFont()).height() * 20);
  connect(UmaLst, &QListView::clicked, this, &TMainForm::UmaLstClick);
  connect(UmaLst, &QListView::doubleClicked, this, &TMainForm::UmaLstDblClick);
  connect(UmaLst->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TMainForm::UmaLstKeyMove);
  UmaLst->viewport()->installEventFilter(this);
}

// What is done with the horse picked in the list.
QLayout* TMainForm::buildHorseButtons() {
  QWidget* g = UmaGrp;
  QPushButton* shussouBtn = button(g, "ShussouBtn", qs("出走馬へ"));
  QPushButton* addBtn = button(g, "AddBtn", qs("成績"));
  QPushButton* inUmaBtn = button(g, "InUmaBtn", qs("新しい馬"));
  QPushButton* sakujoBtn = button(g, "SakujoBtn", qs("削除"));
  InUmaBtn = inUmaBtn;
  connect(addBtn, &QPushButton::clicked, this, &TMainForm::AddBtnClick);
  connect(inUmaBtn, &QPushButton::clicked, this, &TMainForm::InUmaBtnClick);
  connect(shussouBtn, &QPushButton::clicked, this, &TMainForm::ShussouBtnClick);
  connect(sakujoBtn, &QPushButton::clicked, this, &TMainForm::SakujoBtnClick);
  auto* row = new QHBoxLayout;
  for (QPushButton* b : {shussouBtn, addBtn, inUmaBtn, sakujoBtn}) row->addWidget(b);
  return row;
}

// The search box with its buttons, and the kana pad that types into it a letter at a time.
QLayout* TMainForm::buildSearchPad() {
  QWidget* g = UmaGrp;
  SearchEdt = new QLineEdit(g);
  SearchEdt->setObjectName("SearchEdt");
  SearchEdt->setFont(fixedFont());
  SearchEdt->setMinimumWidth(cellsWidth(static_cast<int>(kSearchBytes) + 2));
  QPushButton* searchBtn = button(g, "SearchBtn", qs("検索"));
  QPushButton* bsBtn = button(g, "BSBtn", qs("ＢＳ"));
  QPushButton* sClearBtn = button(g, "SClearBtn", qs("クリア"));
  QPushButton* dakuBtn = button(g, "DakuBtn", qs("゛゜ァ"));
  connect(SearchEdt, &QLineEdit::textEdited, this, &TMainForm::SearchEdtChange);
  connect(SearchEdt, &QLineEdit::returnPressed, this, &TMainForm::SearchBtnClick);
  connect(searchBtn, &QPushButton::clicked, this, &TMainForm::SearchBtnClick);
  connect(bsBtn, &QPushButton::clicked, this, &TMainForm::BSBtnClick);
  connect(sClearBtn, &QPushButton::clicked, this, &TMainForm::SClearBtnClick);
  connect(dakuBtn, &QPushButton::clicked, this, &TMainForm::DakuBtnClick);

  auto* keys = new QGridLayout;
  keys->setSpacing(2);
  for (int row = 0; row < kKanaRows; ++row) {
    QPushButton* key = button(g, kKeyNames[row], toQt(kanaRowCaptions()[row]));
    connect(key, &QPushButton::clicked, this, [this, row] { KeyBtnClick(row); });
    keys->addWidget(key, row / 5, row % 5);
  }
  for (int letter = 0; letter < 5; ++letter) {
    DanBtn[letter] = button(g, kDanNames[letter], {});
    DanBtn[letter]->setFont(fixedFont(12));
    connect(DanBtn[letter], &QPushButton::clicked, this, [this, letter] { DanBtnClick(letter); });
    keys->addWidget(DanBtn[letter], 2, letter);
  }
  keys->addWidget(dakuBtn, 2, 5);
  // The pad is as wide as the list above it, not as wide as Qt's default buttons.
  for (int column = 0; column < 6; ++column) keys->setColumnStretch(column, 1);
  for (int i = 0; i < keys->count(); ++i) {
    QWidget* key = keys->itemAt(i)->widget();
    key->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    key->setMinimumWidth(cellsWidth(5));
  }
  showLetters();

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(SearchEdt, 1);
  for (QPushButton* b : {searchBtn, bsBtn, sClearBtn}) searchRow->addWidget(b);
  auto* pad = new QVBoxLayout;
  pad->addLayout(searchRow);
  pad->addLayout(keys);
  return pad;
}

void TMainForm::buildRunnerSide() {
  RunGrp = new QGroupBox(qs("出走馬（馬名を２回ｸﾘｯｸで成績を見る）"), centralWidget());
  RunGrp->setObjectName("RunGrp");
  QWidget* g = RunGrp;

  UmabanLst = runnerColumn(g, "UmabanLst", 2);
  // The numbers only stand beside the runners: a press on them never leaves a highlight.
  UmabanLst->setSelectionMode(QAbstractItemView::NoSelection);
  UmabanLst->setFocusPolicy(Qt::NoFocus);
  std::vector<std::string> numbers;
  for (int slot = 1; slot <= kMaxRunners; ++slot) numbers.push_back(slotNumber(slot));
  setFixedLines(*UmabanLst, numbers, runnerRowHeight());
  RunLst = runnerColumn(g, "RunLst", 27);
  RunLst->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(RunLst, &QListWidget::itemClicked, this, &TMainForm::RunLstClick);
  connect(RunLst, &QListWidget::itemDoubleClicked, this, &TMainForm::RunLstDblClick);
  connect(RunLst, &QListWidget::currentRowChanged, this, &TMainForm::RunLstKeyMove);
  connect(RunLst, &QListWidget::itemSelectionChanged, this, [this] {
    // A press below the last runner lets go of the selection: the buttons must not act on it.
    if (RunLst->selectedItems().isEmpty()) app_.selectedSlot = 0;
  });
  RunLst->viewport()->installEventFilter(this);
  connect(UmabanLst, &QListWidget::itemClicked, this, &TMainForm::UmabanLstClick);

  QPushButton* clearBtn = button(g, "ClearBtn", qs("クリア"));
  QPushButton* hazusuBtn = button(g, "HazusuBtn", qs("はずす"));
  QPushButton* torikeshiBtn = button(g, "TorikeshiBtn", qs("出走取消"));
  QPushButton* upBtn = button(g, "UpBtn", qs("上へ"));
  QPushButton* downBtn = button(g, "DownBtn", qs("下へ"));
  QPushButton* addBtn2 = button(g, "AddBtn2", qs("成績"));
  connect(addBtn2, &QPushButton::clicked, this, &TMainForm::AddBtn2Click);
  connect(clearBtn, &QPushButton::clicked, this, &TMainForm::ClearBtnClick);
  connect(hazusuBtn, &QPushButton::clicked, this, [this] { runnerEdit(RunnerEdit::Remove); });
  connect(torikeshiBtn, &QPushButton::clicked, this, [this] { runnerEdit(RunnerEdit::Scratch); });
  connect(upBtn, &QPushButton::clicked, this, [this] { runnerEdit(RunnerEdit::Up); });
  connect(downBtn, &QPushButton::clicked, this, [this] { runnerEdit(RunnerEdit::Down); });

  RaceLbl = label(g, "RaceLbl");
  RaceLbl->setFont(fixedFont());
  QPushButton* courseBtn = button(g, "CourseBtn", qs("変更"));
  connect(courseBtn, &QPushButton::clicked, this, &TMainForm::CourseBtnClick);

  auto* lists = new QHBoxLayout;
  lists->setSpacing(0);
  lists->addWidget(UmabanLst);
  lists->addWidget(RunLst);
  lists->addStretch();
  auto* buttons = new QGridLayout;
  buttons->addWidget(clearBtn, 0, 0);
  buttons->addWidget(hazusuBtn, 0, 1);
  buttons->addWidget(torikeshiBtn, 0, 2);
  buttons->addWidget(upBtn, 1, 0);
  buttons->addWidget(downBtn, 1, 1);
  buttons->addWidget(addBtn2, 1, 2);
  auto* course = new QGridLayout;
  course->addWidget(label(g, "CourseCaptionLbl", qs("レースコース")), 0, 0);
  course->addWidget(courseBtn, 0, 1, Qt::AlignRight);
  course->addWidget(RaceLbl, 1, 0, 1, 2);

  auto* layout = new QVBoxLayout(RunGrp);
  layout->addLayout(lists);
  layout->addLayout(buttons);
  layout->addLayout(course);
  layout->addStretch();
}

void TMainForm::buildMenu() {
  QMenuBar* menu = menuBar();
  menu->setObjectName("MainMenu1");
  connect(menu->addAction(qs("はじめて使う方")), &QAction::triggered, this, [this] {
    THelpForm help(this);
    help.showModal();
  });
  QMenu* help = menu->addMenu(qs("ヘルプ"));
  connect(help->addAction(qs("ファイルについて")), &QAction::triggered, this,
          &TMainForm::FileAboutClick);
  QMenu* age = menu->addMenu(qs("馬の歳"));
  age->setObjectName("AgeMenu");
  connect(age->addAction(qs("全競走馬に歳を１つとらせる")), &QAction::triggered, this,
          [this] { AgeMenuClick(AgeStep::Older); });
  connect(age->addAction(qs("全競走馬の歳を１つもどす")), &QAction::triggered, this,
          [this] { AgeMenuClick(AgeStep::Younger); });
  QMenu* old = menu->addMenu(qs("古い馬の削除"));
  old->setObjectName("OldHorseMenu");
  connect(old->addAction(qs("現在の登録馬数を見る")), &QAction::triggered, this,
          [this] { showHorseCount(app_); });
  const std::pair<int, const char*> moves[] = {{3, "ここ３年間レースに出走していない馬を移動"},
                                               {2, "ここ２年間レースに出走していない馬を移動"},
                                               {1, "ここ１年間レースに出走していない馬を移動"}};
  for (const auto& move : moves) {
    const int years = move.first;
    connect(old->addAction(qs(move.second)), &QAction::triggered, this,
            [this, years] { OldHorseMenuClick(years); });
  }
  QMenu* end = menu->addMenu(qs("終了"));
  connect(end->addAction(qs("終了")), &QAction::triggered, this, &QWidget::close);
  QMenu* settings = menu->addMenu(qs("設定"));
  connect(settings->addAction(qs("環境などを設定")), &QAction::triggered, this,
          &TMainForm::SetteiBtnClick);
  connect(settings->addAction(qs("レースフォルダを開く")), &QAction::triggered, this,
          [this] { openFolder("RaceFile"); });
  connect(settings->addAction(qs("カスタマイズフォルダを開く")), &QAction::triggered, this,
          [this] { openFolder("CustomFile"); });
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  app_.currentScreen = Screen::Main;
  SClearBtnClick();
  if (!placed_) {
    placed_ = true;
    placeOnScreen();  // again with the frame, where the platform knows it by now
  }
  if (options_.showTitle && !titleShown_) {
    titleShown_ = true;
    QTimer::singleShot(0, this, &TMainForm::runTitle);
  }
}

// A window manager frames the window after it is shown, and moves the client area into the
// frame: from then on the frame's size is known, and the saved position is corrected with it.
void TMainForm::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (placed_ && !framed_ && framed(*this)) {
    framed_ = true;
    placeOnScreen();
  }
}

void TMainForm::runTitle() {
  {
    TTitleForm title(app_, this, options_.titleTickMs);
    title.exec();
  }
  startupFinished();
}

void TMainForm::startupFinished() {
  app_.currentHorse = 0;
  app_.selectedSlot = 0;
  refreshAll();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  app_.settings.left = frameGeometry().left();
  app_.settings.top = frameGeometry().top();
  if (closeProgram(app_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TMainForm::refreshAll() {
  FileLbl->setText(toQt(app_.fileLabel()));
  // New horses join the all-horses set only, never a race file.
  InUmaBtn->setEnabled(app_.editingAllHorses());
  ModeLbl->setText(toQt(modeLabel(app_.settings)));
  refreshHorseList();
  refreshRunnerList();
  refreshRaceLabel();
}

void TMainForm::refreshHorseList() {
  horses_->refresh();
  const int position = app_.currentHorse == 0 ? -1 : orderPosition(app_.store, app_.currentHorse);
  if (position < 0) {
    UmaLst->clearSelection();
    UmaLst->scrollToTop();
    return;
  }
  selectHorseRow(position);
}

void TMainForm::selectHorseRow(int position) {
  const QModelIndex index = horses_->index(position);
  UmaLst->setCurrentIndex(index);
  UmaLst->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void TMainForm::refreshRunnerList() {
  const QSignalBlocker quiet(RunLst);  // refilling is no choice of the user's
  std::vector<std::string> rows;
  for (int slot = 1; slot <= app_.card.runnerCount; ++slot) {
    rows.push_back(runnerListRow(app_.store, app_.card, slot));
  }
  setFixedLines(*RunLst, rows, runnerRowHeight());
  if (app_.selectedSlot >= 1 && app_.selectedSlot <= app_.card.runnerCount) {
    RunLst->setCurrentRow(app_.selectedSlot - 1);
  }
}

void TMainForm::refreshRaceLabel() {
  RaceLbl->setText(toQt(raceLabel(app_.card)));
}

void TMainForm::UmaLstClick(const QModelIndex& index) {
  clickEntered_ = false;
  const int horse = index.isValid() ? horses_->horseAt(index.row()) : 0;
  if (horse == 0 || horse != app_.currentHorse) {
    app_.currentHorse = horse;
    return;
  }
  clickEntered_ = true;
  if (enterRunner(app_, horse)) refreshRunnerList();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == UmaLst->viewport() || watched == RunLst->viewport()) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) pressing_ = true;
    if (type == QEvent::MouseButtonRelease) pressing_ = false;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::UmaLstKeyMove(const QModelIndex& index) {
  // The arrow keys pick a horse as a click on another row does; making it a runner stays the
  // mouse's (or 出走馬へ's) business.
  if (pressing_ || !index.isValid()) return;
  app_.currentHorse = horses_->horseAt(index.row());
}

void TMainForm::RunLstKeyMove(int row) {
  if (!pressing_ && row >= 0) app_.selectedSlot = row + 1;
}

void TMainForm::UmaLstDblClick(const QModelIndex& index) {
  const bool entered = clickEntered_;
  clickEntered_ = false;
  app_.currentHorse = index.isValid() ? horses_->horseAt(index.row()) : 0;
  if (app_.currentHorse == 0) return;
  if (!entered && enterRunner(app_, app_.currentHorse)) refreshRunnerList();
}

void TMainForm::ShussouBtnClick() {
  enterCurrentHorse(app_);
  refreshRunnerList();
  const int position = orderPosition(app_.store, app_.currentHorse);
  if (position >= 0) {
    UmaLst->setCurrentIndex(horses_->index(position));
  } else if (app_.currentHorse == 0 && app_.store.count > 0) {
    UmaLst->clearSelection();
  }
}

void TMainForm::SakujoBtnClick() {
  if (!deleteCurrentHorse(app_)) return;
  refreshHorseList();
  refreshRunnerList();
  SClearBtnClick();
}

void TMainForm::LoadBtnClick() {
  loadRace(app_);
  refreshAll();
}

void TMainForm::SaveBtnClick() {
  saveButton(app_);
}

void TMainForm::AllLoadBtnClick() {
  reloadAllHorses(app_);
  refreshAll();
}

void TMainForm::AddLoadBtnClick() {
  addLoadRace(app_);
  refreshAll();
}

void TMainForm::SearchEdtChange() {
  const std::optional<std::string> typed = fromQt(SearchEdt->text());
  if (!typed) {
    SearchEdt->setText(toQt(searchText_));
    app_.dialogs.message(refusedTextMessage());
    return;
  }
  searchText_ = cutBytes(*typed, kSearchBytes);
  if (searchText_ != *typed) SearchEdt->setText(toQt(searchText_));
}

void TMainForm::search(const std::string& piece) {
  searchText_ = appendToSearch(searchText_, piece);
  SearchEdt->setText(toQt(searchText_));
  const int position = findHorse(app_.store, searchText_);
  selectHorseRow(position);
  app_.currentHorse = horses_->horseAt(position);
}

void TMainForm::SearchBtnClick() {
  search({});
}

void TMainForm::BSBtnClick() {
  searchText_ = backspaceSearch(searchText_);
  search({});
}

void TMainForm::SClearBtnClick() {
  SearchEdt->clear();
  searchText_.clear();
}

void TMainForm::DakuBtnClick() {
  letters_ = dakutenStep(letters_);
  showLetters();
}

void TMainForm::KeyBtnClick(int row) {
  letters_ = kanaRow(row);
  showLetters();
}

void TMainForm::DanBtnClick(int letter) {
  search(letters_[static_cast<std::size_t>(letter)]);
}

void TMainForm::showLetters() {
  for (std::size_t i = 0; i < DanBtn.size(); ++i) DanBtn[i]->setText(toQt(letters_[i]));
}

void TMainForm::RunLstClick(QListWidgetItem* item) {
  const int slot = RunLst->row(item) + 1;
  const bool again = slot == app_.selectedSlot;
  app_.selectedSlot = slot;
  clickOpened_ = again && selectedRunnerHorse(app_) != 0;
  if (clickOpened_) AddBtn2Click();
}

void TMainForm::RunLstDblClick(QListWidgetItem* item) {
  // The click that began the double click may have opened the record already.
  const bool opened = clickOpened_;
  clickOpened_ = false;
  app_.selectedSlot = RunLst->row(item) + 1;
  if (!opened && selectedRunnerHorse(app_) != 0) AddBtn2Click();
}

void TMainForm::AddBtnClick() {
  if (horseToShow(app_) != 0) openRecord();
}

void TMainForm::AddBtn2Click() {
  if (runnerToShow(app_) != 0) openRecord();
}

void TMainForm::InUmaBtnClick() {
  if (!roomForNewHorse(app_)) return;
  TInNameForm name(app_.dialogs, newHorseChoice(), this);
  if (!name.showModal() || !registerNewHorse(app_, name.choice())) return;
  openRecord();
  refreshHorseList();
}

void TMainForm::openRecord() {
  bool nameChanged = false;
  {
    TAddUmaForm editor(app_, this);
    editor.showModal();
    nameChanged = editor.nameChanged();
  }
  refreshRunnerList();
  if (nameChanged) refreshHorseList();
}

void TMainForm::UmabanLstClick() {
  UmabanLst->clearSelection();
}

void TMainForm::ClearBtnClick() {
  clearRunners(app_);
  refreshRunnerList();
  refreshRaceLabel();
}

void TMainForm::runnerEdit(RunnerEdit edit) {
  editSelectedRunner(app_, edit);
  refreshRunnerList();
}

bool TMainForm::askRaceConditions() {
  TRaceForm form(app_, this);
  if (!form.showModal()) return false;
  refreshRaceLabel();
  return true;
}

void TMainForm::CourseBtnClick() {
  askRaceConditions();
}

void TMainForm::YosouBtnClick() {
  if (!enoughRunnersToPredict(app_)) return;
  if (app_.card.distance == 0 && !askRaceConditions()) return;
  {
    TYosouForm yosou(app_, this);
    yosou.showModal();
  }
  refreshAll();
}

void TMainForm::SetteiBtnClick() {
  TSetUpForm setUp(app_, this);
  if (setUp.showModal()) ModeLbl->setText(toQt(modeLabel(app_.settings)));
}

void TMainForm::FileAboutClick() {
  app_.dialogs.message({sj("『全競走馬ファイル』…"), sj("起動時に読み込まれる基本になるファイル。"),
                        sj("このファイルに新しい馬を登録していきます。"), sj("『レースファイル』…"),
                        sj("レースに出走する馬だけが入ったファイル。"),
                        sj("予想結果画面の「レース保存」で作成できます。")});
}

void TMainForm::AgeMenuClick(AgeStep step) {
  if (!changeAges(app_, step)) return;
  refreshHorseList();
  refreshRunnerList();
}

void TMainForm::OldHorseMenuClick(int years) {
  if (!moveOldHorses(app_, years)) return;
  refreshHorseList();
  refreshRunnerList();
}

void TMainForm::openFolder(const char* name) {
  const std::filesystem::path folder = app_.folders.data / name;
  if (options_.openUrl(QUrl::fromLocalFile(pathToQt(folder)))) return;
  // Without a file manager the desktop opens nothing and says nothing: the program says it.
  app_.dialogs.message(
      {sj("フォルダを開けませんでした。"), fromQt(pathToQt(folder)).value_or(sj(name))});
}

}  // namespace korvane::gui
