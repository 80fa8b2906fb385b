#include "gui/platform/widget_helpers.hpp"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"

namespace korvane::gui {

QString qs(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QButtonGroup* radioItems(QGroupBox* box, const QString& name, const QStringList& captions) {
  auto* group = new QButtonGroup(box);
  group->setObjectName(name);
  auto* items = new QVBoxLayout(box);
  for (int item = 0; item < captions.size(); ++item) {
    auto* radio = new QRadioButton(captions[item], box);
    radio->setObjectName(name + QString::number(item));
    group->addButton(radio, item);
    items->addWidget(radio);
  }
  return group;
}

void setHints(QWidget& window, std::span<const Hint> hints) {
  for (const Hint& hint : hints) {
    QWidget* control = window.findChild<QWidget*>(hint.control);
    Q_ASSERT_X(control != nullptr, "setHints", hint.control);
    if (control != nullptr) control->setToolTip(qs(hint.text));
  }
}

int fixedRowHeight() {
  return std::max(15, QFontMetrics(fixedFont()).height() + 1);
}

void shapeFixedList(QListWidget& list, int widthBytes, int rows, int rowHeight) {
  list.setFont(fixedFont());
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list.setUniformItemSizes(true);
  list.setSpacing(0);
  list.setTextElideMode(Qt::ElideNone);
  const int frame = 2 * list.frameWidth();
  list.setFixedSize(cellsWidth(widthBytes + 1) + frame + 8, rows * rowHeight + frame);
}

void setFixedLines(QListWidget& list, const std::vector<std::string>& lines, int rowHeight) {
  list.clear();
  for (const std::string& line : lines) {
    auto* item = new QListWidgetItem(toQt(line), &list);
    item->setSizeHint(QSize(list.width(), rowHeight));
  }
}

QListWidget* shownLinesList(QWidget* parent, const char* name, int widthBytes, int rows,
                            const std::vector<std::string>& lines) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  shapeFixedList(*list, widthBytes, rows);
  list->setFocusPolicy(Qt::NoFocus);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  setFixedLines(*list, lines);
  return list;
}

QListWidget* choiceList(QWidget* parent, const char* name, std::span<const std::string> items) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setFont(fixedFont());
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (const std::string& item : items) list->addItem(toQt(item));
  const int frame = 2 * list->frameWidth();
  list->setFixedHeight(list->count() * list->sizeHintForRow(0) + frame);
  list->setFixedWidth(list->sizeHintForColumn(0) + frame + 8);
  return list;
}

}  // namespace korvane::gui
