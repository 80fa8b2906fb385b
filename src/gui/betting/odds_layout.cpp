#include "gui/betting/odds_layout.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane::gui {

void layOutOddsWindow(QWidget& window, QWidget* table, std::initializer_list<QPushButton*> entries,
                      QPushButton* kanryouBtn) {
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : entries) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  buttons->addWidget(kanryouBtn);

  auto* layout = new QHBoxLayout(&window);
  layout->addWidget(table, 0, Qt::AlignTop);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korvane::gui
