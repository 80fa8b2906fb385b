#include "gui/entry/add_uma_form.hpp"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/flows/record_editor.hpp"
#include "core/flows/run_entry_window.hpp"
#include "core/text/sjis.hpp"
#include "gui/entry/in_name_form.hpp"
#include "gui/entry/in_uma_form.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_dialogs.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

constexpr Hint kHints[] = {
    {"Race5Btn", "５走前の成績を入力・変更します。"},
    {"Race4Btn", "４走前の成績を入力・変更します。"},
    {"Race3Btn", "３走前の成績を入力・変更します。"},
    {"Race2Btn", "前々走の成績を入力・変更します。"},
    {"Race1Btn", "前走の成績を入力・変更します。"},
    {"AddBtn", "前走の成績を追加します。（元の前走が前々走になります。）"},
    {"SakujoBtn1", "前走の成績を削除します（元の前々走が前走になります）。"},
    {"SakujoBtn2", "前々走の成績を削除します（元の３走前が前々走になります）。"},
    {"SakujoBtn3", "３走前の成績を削除します（元の４走前が３走前になります）。"},
    {"SakujoBtn4", "４走前の成績を削除します（元の５走前が４走前になります）。"},
    {"SounyuBtn2", "前走と前々走の間に成績を挿入します。（元の５走前は削除されます。）"},
    {"SounyuBtn3", "前々走と３走前の間に成績を挿入します。（元の５走前は削除されます。）"},
    {"SounyuBtn4", "３走前と４走前の間に成績を挿入します。（元の５走前は削除されます。）"},
    {"UmaNameBtn", "馬名・性別・馬齢を変更します。"},
    {"HelpBtn", "成績の入力について簡単な説明をします。"},
    {"ToziruBtn", "メイン画面へ戻ります。"},
    {"MidashiMem",
     "「ラップ」は、「スタート」から「ゴール前３ハロン」までの、１ハロン平均タイムです。"},
};

constexpr const char* kRowNames[] = {"", "前走", "前々走", "３走前", "４走前", "５走前"};

// A read-only memo of fixed-pitch lines, as wide as `widthBytes` half-width cells.
QLabel* memo(QWidget* parent, const QString& name, int widthBytes, int lines) {
  QLabel* m = label(parent, name);
  m->setFont(fixedFont());
  m->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m->setTextFormat(Qt::PlainText);
  const QFontMetrics metrics(fixedFont());
  m->setFixedSize(metrics.horizontalAdvance(QString(widthBytes, 'M')) + 8,
                  metrics.lineSpacing() * lines + 8);
  m->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return m;
}

}  // namespace

TAddUmaForm::TAddUmaForm(AppState& app, QWidget* mainWindow)
    : BaseDialog(mainWindow),
      app_(app),
      editor_(std::make_unique<RecordEditor>(app)),
      mainWindow_(mainWindow) {
  setObjectName("TAddUmaForm");
  setWindowTitle(toQt(horseName(app_.store, editor_->horse())).trimmed() + qs("（成績画面）"));
  // The editor stands where the main window stood, and the message windows centre on it.
  centreOver(nullptr);
  QtDialogs::registerScreen(app_.dialogs, Screen::Entry, this);

  NameLbl = label(this, "NameLbl");
  NameLbl->setFont(fixedFont());
  KyakuLbl = label(this, "KyakuLbl");
  QPushButton* umaNameBtn = button(this, "UmaNameBtn", qs("馬名･性齢 変更"));
  QPushButton* helpBtn = button(this, "HelpBtn", qs("ヘルプ"));
  connect(umaNameBtn, &QPushButton::clicked, this, &TAddUmaForm::UmaNameBtnClick);
  connect(helpBtn, &QPushButton::clicked, this, [this] { editor_->help(); });
  auto* top = new QHBoxLayout;
  top->addWidget(NameLbl);
  top->addSpacing(12);
  top->addWidget(label(this, "KyakuCaption", qs("脚質")));
  top->addWidget(KyakuLbl);
  top->addStretch();
  top->addWidget(umaNameBtn);
  top->addWidget(helpBtn);

  auto* grid = new QGridLayout;
  QLabel* midashi = memo(this, "MidashiMem", 40, 2);
  midashi->setText(qs("競馬場  開催月　コース   \nタイム(ラップ)  位置  上がり"));
  QLabel* midashi2 = memo(this, "MidashiMem2", 5, 2);
  midashi2->setText(qs("着順"));
  grid->addWidget(midashi2, 0, 2);
  grid->addWidget(midashi, 0, 3);
  // Rows from the oldest run at the top to the newest at the bottom.
  for (int slot = 5; slot >= 1; --slot) {
    const int row = 6 - slot;
    QPushButton* change = button(this, QString("Race%1Btn").arg(slot), qs("変更"));
    connect(change, &QPushButton::clicked, this, [this, slot] { RaceBtnClick(slot); });
    ChakuMem[slot] = memo(this, QString("ChakuMem%1").arg(slot), 5, 2);
    RaceMem[slot] = memo(this, QString("RaceMem%1").arg(slot), 40, 2);
    grid->addWidget(label(this, QString("RowLbl%1").arg(slot), qs(kRowNames[slot])), row, 0);
    grid->addWidget(change, row, 1);
    grid->addWidget(ChakuMem[slot], row, 2);
    grid->addWidget(RaceMem[slot], row, 3);
    if (slot >= 2 && slot <= 4) {
      QPushButton* insert = button(this, QString("SounyuBtn%1").arg(slot), qs("挿入"));
      connect(insert, &QPushButton::clicked, this, [this, slot] { SounyuBtnClick(slot); });
      grid->addWidget(insert, row, 4);
    }
    if (slot <= 4) {
      QPushButton* remove = button(this, QString("SakujoBtn%1").arg(slot), qs("削除"));
      connect(remove, &QPushButton::clicked, this, [this, slot] { SakujoBtnClick(slot); });
      grid->addWidget(remove, row, 5);
    }
  }

  QPushButton* addBtn = button(this, "AddBtn", qs("前走追加"));
  QPushButton* toziruBtn = button(this, "ToziruBtn", qs("閉じる"));
  connect(addBtn, &QPushButton::clicked, this, &TAddUmaForm::AddBtnClick);
  connect(toziruBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(addBtn);
  bottom->addStretch();
  bottom->addWidget(toziruBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setHints(*this, kHints);
  refresh();
}

TAddUmaForm::~TAddUmaForm() = default;

bool TAddUmaForm::nameChanged() const {
  return editor_->nameChanged();
}

void TAddUmaForm::showEvent(QShowEvent* event) {
  if (mainWindow_ != nullptr) move(mainWindow_->pos());
  BaseDialog::showEvent(event);
}

void TAddUmaForm::changeEvent(QEvent* event) {
  BaseDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && mainWindow_ != nullptr &&
      !mainHidden_) {
    mainWindow_->hide();
    mainHidden_ = true;
  }
}

void TAddUmaForm::done(int result) {
  if (mainWindow_ != nullptr) {
    mainWindow_->move(pos());
    if (mainHidden_) mainWindow_->show();
    mainHidden_ = false;
  }
  BaseDialog::done(result);
}

void TAddUmaForm::refresh() {
  NameLbl->setText(toQt(editor_->nameLabel()));
  KyakuLbl->setText(toQt(editor_->styleLabel()));
  for (int slot = 1; slot <= 5; ++slot) {
    const RunRow row = editor_->row(slot);
    ChakuMem[static_cast<std::size_t>(slot)]->setText(toQt(row.finish));
    RaceMem[static_cast<std::size_t>(slot)]->setText(toQt(row.course) + '\n' + toQt(row.time));
  }
}

void TAddUmaForm::enterRun(int slot) {
  RunEntryWindow entry(app_.dialogs, editor_->runEntry(slot));
  TInUmaForm form(entry, horseName(app_.store, editor_->horse()), this);
  if (form.showModal() && entry.run()) editor_->storeRun(slot, *entry.run());
  refresh();
}

void TAddUmaForm::RaceBtnClick(int slot) {
  enterRun(slot);
}

void TAddUmaForm::AddBtnClick() {
  enterRun(0);
}

void TAddUmaForm::SounyuBtnClick(int slot) {
  editor_->insertRun(slot);
  refresh();
}

void TAddUmaForm::SakujoBtnClick(int slot) {
  editor_->deleteRun(slot);
  refresh();
}

void TAddUmaForm::UmaNameBtnClick() {
  TInNameForm form(app_.dialogs, editor_->renameChoice(), this);
  if (form.showModal()) editor_->rename(form.choice());
  refresh();
}

}  // namespace korvane::gui
