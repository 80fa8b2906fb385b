#include "gui/entry/in_uma_form.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/entry/racecourses.hpp"
#include "core/flows/run_entry_window.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

constexpr Hint kHints[] = {
    {"KanryouBtn2", "すべて入力が終わったら押してください。"},
    {"DataNashiBtn",
     "成績を消去します。休養期間などには使わずに、成績を詰めて入力することを推奨します（有効な"
     "データ量が多いほど予想精度が高いため）。"},
};

// The item buttons on the left, their summary fields and their pages, in page order.
struct Item {
  const char* button;
  const char* caption;
  const char* field;
};
constexpr Item kItems[] = {
    {"ChakuBtn", "着順", "ChakuEdt"},       {"KeibajouBtn", "競馬場", "KeibajouEdt"},
    {"KaisaiBtn", "開催日", "KaisaibiEdt"}, {"CourseBtn", "コース", "CourseEdt"},
    {"BabaBtn", "馬場状態", "BabaEdt"},     {"TokeiBtn", "タイム", "TokeiEdt"},
    {"IchiBtn", "位置取り", "IchiEdt"},     {"AgariBtn", "上がり", "AgariEdt"},
};

QLabel* guide(QWidget* parent, const char* name, const char* lines) {
  QLabel* text = label(parent, name, qs(lines));
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return text;
}

// A caption over a list.
QVBoxLayout* titled(QWidget* parent, const char* caption, QWidget* list) {
  auto* column = new QVBoxLayout;
  column->addWidget(label(parent, QString(), qs(caption)));
  column->addWidget(list);
  column->addStretch();
  return column;
}

std::vector<std::string> racecourseItems(int list) {
  std::vector<std::string> items;
  const int first = firstOfRacecourseList(list);
  for (int i = first; i < first + racecourseListSize(list); ++i)
    items.push_back(racecourse(i).item);
  return items;
}

}  // namespace

TInUmaForm::TInUmaForm(RunEntryWindow& entry, const std::string& horseName, QWidget* owner)
    : BaseDialog(owner), entry_(entry) {
  setObjectName("TInUmaForm");
  setWindowTitle(qs("競走馬成績入力"));

  QLabel* umaNameLbl = label(this, "UmaNameLbl", toQt(horseName));
  umaNameLbl->setFont(fixedFont());
  QLabel* raceLbl = label(this, "RaceLbl", toQt(entry_.entry().heading()));
  auto* heading = new QHBoxLayout;
  heading->addWidget(umaNameLbl);
  heading->addSpacing(12);
  heading->addWidget(raceLbl);
  heading->addStretch();

  auto* left = new QGridLayout;
  for (int i = 0; i < kPages - 1; ++i) {
    const Item& item = kItems[i];
    radios_[i] = new QRadioButton(qs(item.caption), this);
    radios_[i]->setObjectName(item.button);
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(item.field);
    fields_[i]->setReadOnly(true);
    fields_[i]->setFont(fixedFont());
    fields_[i]->setFixedWidth(QFontMetrics(fixedFont()).horizontalAdvance(QString(10, 'M')));
    fields_[i]->installEventFilter(this);
    const auto page = static_cast<EntryPage>(i);
    connect(radios_[i], &QRadioButton::clicked, this, [this, page] {
      entry_.entry().showPage(page);
      refresh();
    });
    left->addWidget(radios_[i], i, 0);
    left->addWidget(fields_[i], i, 1);
  }
  QPushButton* dataNashiBtn = button(this, "DataNashiBtn", qs("データなし"));
  connect(dataNashiBtn, &QPushButton::clicked, this, &TInUmaForm::DataNashiBtnClick);
  left->addWidget(dataNashiBtn, kPages - 1, 0, 1, 2);
  left->setRowStretch(kPages, 1);

  QPushButton* kanryouBtn = button(this, "KanryouBtn", qs("完了"));
  QPushButton* modoruBtn = button(this, "ModoruBtn", qs("戻る"));
  kanryouBtn->setDefault(true);
  connect(kanryouBtn, &QPushButton::clicked, this, &TInUmaForm::KanryouBtnClick);
  connect(modoruBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* body = new QHBoxLayout;
  body->addLayout(left);
  body->addWidget(buildPages(), 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(kanryouBtn);
  buttons->addWidget(modoruBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addLayout(body);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setHints(*this, kHints);

  connect(PageControl, &QTabWidget::currentChanged, this, [this](int index) {
    entry_.entry().showPage(static_cast<EntryPage>(index));
    refresh();
  });
  refresh();
}

QWidget* TInUmaForm::page(EntryPage which, const char* name, const char* caption) {
  auto* sheet = new QWidget;
  sheet->setObjectName(name);
  PageControl->addTab(sheet, qs(caption));
  pages_[static_cast<std::size_t>(which)] = sheet;
  return sheet;
}

QListWidget* TInUmaForm::pickList(EntryList list, const char* name,
                                  const std::vector<std::string>& items) {
  QListWidget* widget = choiceList(nullptr, name, items);
  lists_.emplace_back(list, widget);
  connect(widget, &QListWidget::itemClicked, this, [this, list, widget](QListWidgetItem* item) {
    entry_.entry().click(list, widget->row(item));
    refresh();
  });
  connect(widget, &QListWidget::itemDoubleClicked, this,
          [this, list, widget](QListWidgetItem* item) {
            entry_.entry().doubleClick(list, widget->row(item));
            refresh();
          });
  return widget;
}

QWidget* TInUmaForm::buildPages() {
  PageControl = new QTabWidget(this);
  PageControl->setObjectName("PageControl");
  // Every page's tab in sight: the window grows to hold them all.
  PageControl->setUsesScrollButtons(false);

  {
    QWidget* sheet = page(EntryPage::Chaku, "ChakuSht", "着順");
    auto* row = new QHBoxLayout(sheet);
    row->addWidget(pickList(EntryList::Chaku, "ChakuLst", finishItems()), 0, Qt::AlignTop);
    row->addWidget(guide(sheet, "ChakuGuideLbl",
                         "着順を選択（クリック）後\n選択した着順の上で\nもう１度クリックすると\n"
                         "次の項目へ移ります\n他の項目も同様に操作してください"));
    row->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Keibajou, "KeibajouSht", "競馬場");
    auto* row = new QHBoxLayout(sheet);
    constexpr const char* names[] = {"KeibajouLst", "KeibajouLst2", "KeibajouLst3", "KeibajouLst4",
                                     "KeibajouLst5"};
    for (int list = 0; list < kRacecourseLists; ++list) {
      const auto which = static_cast<EntryList>(static_cast<int>(EntryList::Keibajou) + list);
      row->addWidget(pickList(which, names[list], racecourseItems(list)), 0, Qt::AlignTop);
    }
    row->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Kaisai, "KaisaiSht", "開催日");
    auto* row = new QHBoxLayout(sheet);
    row->addLayout(titled(sheet, "開催月", pickList(EntryList::Tsuki, "TsukiLst", monthItems())));
    row->addLayout(
        titled(sheet, "開催年", pickList(EntryList::Nen, "NenLst", entry_.entry().yearList())));
    auto* dates = new QVBoxLayout;
    ZenkaiLbl = label(sheet, "ZenkaiLbl");
    AtoLbl = label(sheet, "AtoLbl");
    dates->addWidget(label(sheet, QString(), qs("前のレースの開催日")));
    dates->addWidget(ZenkaiLbl);
    dates->addSpacing(8);
    dates->addWidget(label(sheet, QString(), qs("後のレースの開催日")));
    dates->addWidget(AtoLbl);
    dates->addSpacing(16);
    dates->addWidget(guide(sheet, "KaisaiGuideLbl",
                           "開催月をクリックすると\n前後の開催日から\n自動で適当な開催年に\n"
                           "マークが付きます\n（現在の西暦と\n判断しています）\n"
                           "開催月を２回クリック\nでも次へ進めます"));
    dates->addStretch();
    row->addLayout(dates);
    row->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Course, "CourseSht", "コース");
    auto* row = new QHBoxLayout(sheet);
    row->addWidget(pickList(EntryList::Kyori, "KyoriLst", distanceItems(false)), 0, Qt::AlignTop);
    row->addWidget(pickList(EntryList::Kyori2, "KyoriLst2", distanceItems(true)), 0, Qt::AlignTop);
    row->addWidget(pickList(EntryList::Course, "CourseLst", surfaceItems()), 0, Qt::AlignTop);
    row->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Joutai, "JoutaiSht", "馬場状態");
    auto* row = new QHBoxLayout(sheet);
    row->addWidget(pickList(EntryList::Baba, "BabaLst", goingItems()), 0, Qt::AlignTop);
    row->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Tokei, "TokeiSht", "タイム");
    auto* box = new QVBoxLayout(sheet);
    auto* row = new QHBoxLayout;
    row->addLayout(titled(sheet, "分", pickList(EntryList::Tokei1, "TokeiLst1", digitItems(0, 4))));
    row->addLayout(
        titled(sheet, "10秒", pickList(EntryList::Tokei2, "TokeiLst2", digitItems(0, 5))));
    row->addLayout(
        titled(sheet, "１秒", pickList(EntryList::Tokei3, "TokeiLst3", digitItems(0, 9))));
    row->addLayout(
        titled(sheet, "1/10秒", pickList(EntryList::Tokei4, "TokeiLst4", digitItems(0, 9))));
    row->addStretch();
    box->addLayout(row);
    box->addWidget(
        guide(sheet, "TokeiGuideLbl",
              "距離・コースにより　自動で「分」「10秒」は\n適当なところにマークされます"));
    box->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Ichi, "IchiSht", "位置取り");
    auto* row = new QHBoxLayout(sheet);
    row->addLayout(titled(sheet, "２角", pickList(EntryList::Ichi1, "IchiLst1", cornerItems())));
    row->addLayout(titled(sheet, "３角", pickList(EntryList::Ichi2, "IchiLst2", cornerItems())));
    row->addLayout(titled(sheet, "４角", pickList(EntryList::Ichi3, "IchiLst3", cornerItems())));
    auto* side = new QVBoxLayout;
    side->addWidget(guide(sheet, "IchiGuideLbl",
                          "新聞に\n数字が４つある場合\n右から３つ分を入力\n\n数字が２つの場合\n"
                          "２角と３角に左の数字\n４角に右の数字を入力\n\n位置取りがない場合"));
    QPushButton* noIchiBtn = button(sheet, "NoIchiBtn", qs("このボタン"));
    connect(noIchiBtn, &QPushButton::clicked, this, [this] {
      entry_.entry().setNoPositions();
      refresh();
    });
    side->addWidget(noIchiBtn);
    side->addStretch();
    row->addLayout(side);
    row->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Agari, "AgariSht", "上がり");
    auto* row = new QHBoxLayout(sheet);
    row->addLayout(
        titled(sheet, "10秒", pickList(EntryList::Agari1, "AgariLst1", digitItems(3, 4))));
    row->addLayout(
        titled(sheet, "１秒", pickList(EntryList::Agari2, "AgariLst2", digitItems(0, 9))));
    row->addLayout(
        titled(sheet, "1/10秒", pickList(EntryList::Agari3, "AgariLst3", digitItems(0, 9))));
    auto* side = new QVBoxLayout;
    side->addWidget(label(sheet, QString(), qs("上がりがない場合")));
    QPushButton* button1 = button(sheet, "Button1", qs("このボタン"));
    connect(button1, &QPushButton::clicked, this, [this] {
      entry_.entry().setNoLast3F();
      refresh();
    });
    side->addWidget(button1);
    side->addStretch();
    row->addLayout(side);
    row->addStretch();
  }
  {
    QWidget* sheet = page(EntryPage::Kanryou, "KanryouSht", "完了");
    auto* row = new QHBoxLayout(sheet);
    QPushButton* kanryouBtn2 = button(sheet, "KanryouBtn2", qs("完了"));
    kanryouBtn2->setMinimumSize(120, 48);
    connect(kanryouBtn2, &QPushButton::clicked, this, &TInUmaForm::KanryouBtnClick);
    row->addWidget(kanryouBtn2, 0, Qt::AlignCenter);
  }
  return PageControl;
}

bool TInUmaForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (int i = 0; i < kPages - 1; ++i) {
      if (watched == fields_[i]) {
        entry_.entry().showPage(static_cast<EntryPage>(i));
        refresh();
      }
    }
  }
  return BaseDialog::eventFilter(watched, event);
}

void TInUmaForm::refresh() {
  const RunEntry& e = entry_.entry();
  for (auto& [list, widget] : lists_) {
    const QSignalBlocker block(widget);
    const int row = e.selected(list);
    if (row == kNoPick) {
      widget->clearSelection();
      widget->setCurrentRow(-1);
    } else {
      widget->setCurrentRow(row);
    }
  }
  const std::array<std::string, kPages - 1> texts{e.chakuText(),  e.keibajouText(), e.kaisaiText(),
                                                  e.courseText(), e.babaText(),     e.tokeiText(),
                                                  e.ichiText(),   e.agariText()};
  for (int i = 0; i < kPages - 1; ++i) fields_[i]->setText(toQt(texts[i]));
  ZenkaiLbl->setText(toQt(e.olderText()));
  AtoLbl->setText(toQt(e.newerText()));
  const int shown = static_cast<int>(e.page());
  {
    const QSignalBlocker block(PageControl);
    PageControl->setCurrentIndex(shown);
  }
  // The 完了 page has no button of its own: then none is checked.
  for (int i = 0; i < kPages - 1; ++i) {
    radios_[i]->setAutoExclusive(false);
    radios_[i]->setChecked(i == shown);
    radios_[i]->setAutoExclusive(true);
  }
}

void TInUmaForm::KanryouBtnClick() {
  if (entry_.complete()) accept();
}

void TInUmaForm::DataNashiBtnClick() {
  entry_.noData();
  accept();
}

}  // namespace korvane::gui
