#include "gui/custom/custom_form.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/flows/custom_marking.hpp"
#include "core/text/sjis.hpp"
#include "core/views/race_label.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

constexpr Hint kHints[] = {
    {"HyoujunBtn", "「コルバン指数による印付け（標準）」に戻します。"},
    {"NewHozonBtn", "カスタマイズに名前を付けて保存します。"},
    {"YomikomiBtn", "カスタマイズファイルを読込みます。"},
};

constexpr const char* kMarkTabNames[kMarkRules] = {"HonmeiSht", "TaikouSht", "TananaSht",
                                                   "RenshitaSht", "RenshitaSht2"};
constexpr int kNokoriBytes = 26;  // the widest row, 全距離能力値が５番目以内, and a margin

// The name of a mark tab's control: ◎ has the plain name, ○ to × carry the suffixes 2 to 5.
QString markControl(const char* name, int mark) {
  return mark == 0 ? QString(name) : QString(name) + QString::number(mark + 1);
}

template <std::size_t N>
QStringList captions(const std::array<std::string, N>& cp932) {
  QStringList list;
  for (const std::string& text : cp932) list << toQt(text);
  return list;
}

QButtonGroup* markGroup(QWidget* tab, const char* name, int mark, const char* caption,
                        const QStringList& items) {
  auto* box = new QGroupBox(qs(caption), tab);
  box->setObjectName(markControl(name, mark) + "Box");
  return radioItems(box, markControl(name, mark), items);
}

void check(QButtonGroup* group, int item) {
  group->button(item)->setChecked(true);
}

}  // namespace

TCustomForm::TCustomForm(AppState& app, QWidget* parent)
    : BaseDialog(parent), app_(app), edit_(openCustomEdit(app)) {
  setObjectName("TCustomForm");
  setWindowTitle(qs("印の付け方をカスタマイズ"));

  QLabel* raceLbl = label(this, "RaceLbl", toQt(raceLabel(app_.card)));
  QLabel* yuriLbl = label(this, "YuriLbl", toQt(app_.card.development));
  UmcFileLbl = label(this, "UmcFileLbl");
  for (QLabel* l : {raceLbl, yuriLbl, UmcFileLbl}) l->setFont(fixedFont());
  auto* top = new QHBoxLayout;
  top->addWidget(raceLbl);
  top->addSpacing(16);
  top->addWidget(label(this, "TenkaiCapLbl", qs("展開")));
  top->addWidget(yuriLbl);
  top->addStretch();
  top->addWidget(label(this, "UmcCapLbl", qs("カスタマイズファイル")));
  top->addWidget(UmcFileLbl);

  auto* yuriBtn = new QRadioButton(qs("○○○○有利＆不問の場合"), this);
  yuriBtn->setObjectName("YuriBtn");
  auto* danzenBtn = new QRadioButton(qs("○○○○断然の場合"), this);
  danzenBtn->setObjectName("DanzenBtn");
  (edit_.set() == 1 ? danzenBtn : yuriBtn)->setChecked(true);
  connect(yuriBtn, &QRadioButton::clicked, this, &TCustomForm::YuriBtnClick);
  connect(danzenBtn, &QRadioButton::clicked, this, &TCustomForm::DanzenBtnClick);
  auto* sets = new QHBoxLayout;
  sets->addWidget(yuriBtn);
  sets->addWidget(danzenBtn);
  sets->addStretch();

  LogicGrp = new QGroupBox(this);
  LogicGrp->setObjectName("LogicGrp");
  tabs_ = new QTabWidget(LogicGrp);
  tabs_->setObjectName("ShirushiPages");
  // The tabs carry the symbols the marks are shown with, as the settings have them.
  for (int mark = 0; mark < kMarkRules; ++mark) {
    tabs_->addTab(buildMarkTab(mark), toQt(app_.settings.symbols[mark]));
  }
  tabs_->addTab(buildChuiTab(), toQt(app_.settings.symbols[kMarkRules]));
  (new QVBoxLayout(LogicGrp))->addWidget(tabs_);

  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, const char*> named[] = {
      {"KanryouBtn", "完了"},  {"HyoujunBtn", "標準"},  {"ModoruBtn", "戻る"},
      {"NewHozonBtn", "保存"}, {"YomikomiBtn", "読込"}, {"HelpBtn", "ヘルプ"}};
  for (const auto& [name, caption] : named) {
    QPushButton* b = button(this, name, qs(caption));
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto handle = [this](const char* name, auto handler) {
    connect(findChild<QPushButton*>(name), &QPushButton::clicked, this, handler);
  };
  handle("KanryouBtn", &TCustomForm::KanryouBtnClick);
  handle("HyoujunBtn", &TCustomForm::HyoujunBtnClick);
  handle("ModoruBtn", &TCustomForm::reject);
  handle("NewHozonBtn", &TCustomForm::NewHozonBtnClick);
  handle("YomikomiBtn", &TCustomForm::YomikomiBtnClick);
  handle("HelpBtn", [this] { customHelp(app_); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(sets);
  layout->addWidget(LogicGrp);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setHints(*this, kHints);

  showFileName();
  showEdit();
}

QWidget* TCustomForm::buildMarkTab(int mark) {
  auto* tab = new QWidget;
  tab->setObjectName(kMarkTabNames[mark]);

  AbilityGrp[mark] = markGroup(tab, "AbilityGrp", mark, "能力", captions(kindItemTexts()));
  Power50Btn[mark] = new QCheckBox(qs("底力が「50.0」より上の馬"), tab);
  Power50Btn[mark]->setObjectName(markControl("Power50Btn", mark));
  auto* abilityBox = static_cast<QGroupBox*>(AbilityGrp[mark]->parent());
  abilityBox->layout()->addWidget(Power50Btn[mark]);
  MakePGrp[mark] = markGroup(tab, "MakePGrp", mark, "負Ｐ", captions(losePItemTexts()));
  KinsouGrp[mark] = markGroup(tab, "KinsouGrp", mark, "近走", captions(formItemTexts()));
  KyakuGrp[mark] = markGroup(tab, "KyakuGrp", mark, "脚質", captions(styleItemTexts()));

  connect(AbilityGrp[mark], &QButtonGroup::idClicked, this,
          [this, mark](int item) { AbilityGrpClick(mark, item); });
  connect(Power50Btn[mark], &QCheckBox::clicked, this,
          [this, mark](bool on) { Power50BtnClick(mark, on); });
  connect(MakePGrp[mark], &QButtonGroup::idClicked, this,
          [this, mark](int item) { edit_.chooseLosePItem(mark, item); });
  connect(KinsouGrp[mark], &QButtonGroup::idClicked, this,
          [this, mark](int item) { edit_.chooseFormItem(mark, item); });
  connect(KyakuGrp[mark], &QButtonGroup::idClicked, this,
          [this, mark](int item) { edit_.chooseStyleItem(mark, item); });

  auto* middle = new QVBoxLayout;
  middle->addWidget(static_cast<QWidget*>(MakePGrp[mark]->parent()));
  middle->addWidget(static_cast<QWidget*>(KinsouGrp[mark]->parent()));
  middle->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(static_cast<QWidget*>(KyakuGrp[mark]->parent()));
  right->addStretch();
  auto* row = new QHBoxLayout(tab);
  row->addWidget(abilityBox, 0, Qt::AlignTop);
  row->addLayout(middle);
  row->addLayout(right);
  return tab;
}

QWidget* TCustomForm::buildChuiTab() {
  auto* tab = new QWidget;
  tab->setObjectName("ChuiSht");
  auto* column = new QVBoxLayout(tab);
  column->addWidget(label(tab, "ChuiLbl1", qs("上記の選出後、印を付けた馬が７頭に満たない場合、")));
  column->addWidget(label(tab, "ChuiLbl2", qs("負Ｐが「*0.0*」の馬を中心に、印を付けます")));
  column->addWidget(label(tab, "ChuiLbl3", qs("印を付けた馬が７頭になるまで、下記の順で選出")));

  // The numbers only stand beside the rows; a click on them selects nothing.
  QListWidget* numberLst = shownLinesList(
      tab, "NumberLst", 2, kPriorities, {sj("１"), sj("２"), sj("３"), sj("４"), sj("５")});
  NokoriLst = new QListWidget(tab);
  NokoriLst->setObjectName("NokoriLst");
  shapeFixedList(*NokoriLst, kNokoriBytes, kPriorities);
  connect(NokoriLst, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { NokoriLstClick(NokoriLst->row(item)); });
  QPushButton* upBtn = button(tab, "UpBtn", qs("上へ"));
  QPushButton* downBtn = button(tab, "DownBtn", qs("下へ"));
  for (QPushButton* b : {upBtn, downBtn}) b->setAutoDefault(false);
  connect(upBtn, &QPushButton::clicked, this, &TCustomForm::UpBtnClick);
  connect(downBtn, &QPushButton::clicked, this, &TCustomForm::DownBtnClick);

  auto* moves = new QVBoxLayout;
  moves->addWidget(upBtn);
  moves->addWidget(downBtn);
  moves->addStretch();
  auto* lists = new QHBoxLayout;
  lists->setSpacing(0);
  lists->addWidget(numberLst);
  lists->addWidget(NokoriLst);
  lists->addSpacing(12);
  lists->addLayout(moves);
  lists->addStretch();
  column->addLayout(lists);
  column->addStretch();
  return tab;
}

void TCustomForm::reject() {
  leaveCustom(app_, edit_);
  BaseDialog::reject();
}

void TCustomForm::YuriBtnClick() {
  edit_.selectSet(0);
  showEdit();
}

void TCustomForm::DanzenBtnClick() {
  edit_.selectSet(1);
  showEdit();
}

void TCustomForm::AbilityGrpClick(int mark, int item) {
  edit_.chooseKindItem(mark, item);
  showMark(mark);
}

void TCustomForm::Power50BtnClick(int mark, bool on) {
  Power50Btn[mark]->setChecked(edit_.setPowerFilter(mark, on));
}

void TCustomForm::NokoriLstClick(int row) {
  edit_.selectRow(row);
  showPriorities();
}

void TCustomForm::UpBtnClick() {
  edit_.moveUp();
  showPriorities();
}

void TCustomForm::DownBtnClick() {
  edit_.moveDown();
  showPriorities();
}

void TCustomForm::KanryouBtnClick() {
  commitCustom(app_, edit_);
  accept();
}

void TCustomForm::HyoujunBtnClick() {
  restoreStandardMarking(app_);
  accept();
}

void TCustomForm::NewHozonBtnClick() {
  if (saveCustomFile(app_, edit_)) showFileName();
}

void TCustomForm::YomikomiBtnClick() {
  if (!loadCustomFile(app_, edit_)) return;
  showFileName();
  showEdit();
}

void TCustomForm::showEdit() {
  LogicGrp->setTitle(toQt(edit_.groupCaption()));
  for (int mark = 0; mark < kMarkRules; ++mark) showMark(mark);
  showPriorities();
}

void TCustomForm::showMark(int mark) {
  check(AbilityGrp[mark], edit_.kindItem(mark));
  Power50Btn[mark]->setChecked(edit_.powerFilter(mark));
  check(MakePGrp[mark], edit_.losePItem(mark));
  check(KinsouGrp[mark], edit_.formItem(mark));
  check(KyakuGrp[mark], edit_.styleItem(mark));
}

void TCustomForm::showPriorities() {
  const auto rows = edit_.priorityRows();
  setFixedLines(*NokoriLst, {rows.begin(), rows.end()});
  NokoriLst->setCurrentRow(edit_.selectedRow());
}

void TCustomForm::showFileName() {
  UmcFileLbl->setText(toQt(customFileLabel(app_.custom.file)));
}

}  // namespace korvane::gui
