#include "gui/views/juni_form.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/views/point_form.hpp"

namespace korvane::gui {

namespace {

constexpr int kIndexRows = 11;  // ten horses and the line after the fifth
constexpr int kMarkRows = 4;    // ◎ to △; × and the two 注 with the reliability line

}  // namespace

TJuniForm::TJuniForm(AppState& app, QWidget* owner)
    : BaseDialog(owner), app_(app), view_(buildRankings(app)) {
  setObjectName("JuniForm");
  setWindowTitle(qs("各数値の上位順"));

  struct IndexColumn {
    RankingList which;
    const char* name;
    const char* caption;
    int widthBytes;
  };
  const IndexColumn columns[] = {
      {RankingList::Ability, "NouryokuLst", "能力値", 26},
      {RankingList::Power, "PowerLst", "底力", 26},
      {RankingList::LoseP, "MakePLst", "負Ｐ", 22},
      {RankingList::Best, "BestLst", "ベスト", 26},
      {RankingList::LastRun, "ZensouLst", "前走", 26},
      {RankingList::AllDistance, "ZenkyoriLst", "全距離能力", 26},
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  int cell = 0;
  for (const IndexColumn& c : columns) {
    const int row = 2 * (cell / 3), column = cell % 3;
    grid->addWidget(label(this, nullptr, qs(c.caption)), row, column, Qt::AlignHCenter);
    grid->addWidget(addList(c.which, c.name, c.widthBytes, kIndexRows), row + 1, column,
                    Qt::AlignLeft | Qt::AlignTop);
    ++cell;
  }

  auto* marks = new QHBoxLayout;
  marks->addWidget(addList(RankingList::Marks, "ShirushiLst", 24, kMarkRows));
  marks->addWidget(addList(RankingList::Marks2, "ShirushiLst2", 24, kMarkRows));
  auto* marksColumn = new QVBoxLayout;
  marksColumn->addWidget(label(this, "ShirushiLbl", qs("「コルバン」の印")));
  marksColumn->addLayout(marks);

  auto* note = new QVBoxLayout;
  note->addWidget(label(this, "Label1", qs("馬名をクリックすると、各リストの")));
  note->addWidget(label(this, "Label2", qs("同馬の箇所がマークされます。")));
  note->addStretch();
  auto* pointBtn = button(this, "PointBtn", qs("コルバン指数"));
  auto* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  tojiruBtn->setDefault(true);
  connect(pointBtn, &QPushButton::clicked, this, &TJuniForm::PointBtnClick);
  connect(tojiruBtn, &QPushButton::clicked, this, &TJuniForm::reject);
  note->addWidget(pointBtn);
  note->addWidget(tojiruBtn);

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(marksColumn);
  bottom->addSpacing(16);
  bottom->addLayout(note);
  bottom->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (int list = 0; list < kRankingLists; ++list) {
    setFixedLines(*lists_[static_cast<std::size_t>(list)], view_.items[static_cast<std::size_t>(list)]);
  }
  ShowHighlight();
}

QListWidget* TJuniForm::addList(RankingList which, const char* name, int widthBytes, int rows) {
  // A list that tells where it was pressed and selects nothing of its own accord.
  auto* list = new SlotColumn(this);
  list->setObjectName(name);
  shapeFixedList(*list, widthBytes, rows);
  list->setFocusPolicy(Qt::NoFocus);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(list, &SlotColumn::pressedAt, this, [this, which](int y) { ListPress(which, y); });
  lists_[static_cast<std::size_t>(which)] = list;
  return list;
}

void TJuniForm::ListPress(RankingList which, int y) {
  selectedHorse_ = clickedHorse(view_, which, y / fixedRowHeight());
  ShowHighlight();
}

void TJuniForm::ShowHighlight() {
  for (int list = 0; list < kRankingLists; ++list) {
    QListWidget* widget = lists_[static_cast<std::size_t>(list)];
    const int row = highlightedRow(view_, static_cast<RankingList>(list), selectedHorse_);
    if (row < 0) {
      widget->clearSelection();
      widget->setCurrentRow(-1);
    } else {
      widget->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
  }
}

void TJuniForm::PointBtnClick() {
  // Its 各値順位 button leads back here, where the rankings already stand.
  TPointForm points(app_, this);
  points.showModal();
}

}  // namespace korvane::gui
