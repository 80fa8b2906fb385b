#pragma once
// The columns of one runner table: parallel lists in the fixed-pitch font with one row height, so
// that row k of every column is runner slot k. The prediction screen and the views opened from
// it (detail, marks, user evaluation, odds) share the way a press moves the selection: one row
// across all columns, never a scratched runner, and the 馬番 column as the way to let go.

#include <QListWidget>
#include <QWidget>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;

namespace korvane {
struct TRaceCard;
}

namespace korvane::gui {

// How a column answers a press.
enum class ColumnRole {
  Number,  // 馬番: a press lets go of the selection and never leaves an item selected
  Name,    // 馬名: a press below the last runner is ignored
  Row,     // any other column: a press below the last runner lets go of the selection
  Own,     // a column whose presses its window answers itself; it takes no part in the selection
};

// One list of the table. Presses and double clicks go to the table, which moves the selection
// of every column at once; a column never selects on its own (no drag, no keyboard).
class SlotColumn : public QListWidget {
  Q_OBJECT

 public:
  explicit SlotColumn(QWidget* parent = nullptr);

 signals:
  void pressedAt(int y);
  // The pointer moved over the rows (with mouse tracking on the viewport, also without a button
  // held), or left the column.
  void pointerAt(int y);
  void pointerLeft();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  // The second press of a double click is a press of its own: on the selected name it opens the
  // runner's past runs.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

class SlotLists : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 18;  // a card holds at most 18 runners

  explicit SlotLists(QWidget* parent = nullptr);

  // A column `widthBytes` half-width cells wide; `name` is its object name (UmaLst, …).
  SlotColumn* addColumn(const QString& name, int widthBytes, ColumnRole role);
  // A heading over `span` columns from `column` (0-based, in the order added). Level 0 is the
  // upper line of headings, level 1 the line right above the lists.
  void addHeading(QWidget* heading, int column, int span = 1, int level = 1);
  // A heading wider than its column, centred over it all the same: the heading may reach over
  // the columns beside it.
  void addHeadingOver(QLabel* heading, int column, int level = 0);
  // A field under column `column`, as wide as it (the marks screen's reliabilities).
  void addFooter(QWidget* footer, int column);

  // The runner slots the rows stand for: how many, and which are scratched (出走取消).
  void setSlots(const TRaceCard& card);
  // Rows that stand for no runner (the quinella pairs): `count` of them, all selectable.
  void setRows(int count);
  // The items of a column (cp932), one per row; the selected row stays selected.
  void setItems(QListWidget* column, const std::vector<std::string>& items);

  int selectedSlot() const { return selected_; }
  // Selects `slot` in every column but 馬番; 0, a scratched slot or one beyond the runners lets
  // go instead.
  void selectSlot(int slot);

  int rowHeight() const { return rowHeight_; }

 signals:
  // The table's selection moved (0: nothing selected).
  void selectionChanged(int slot);
  // A press on the row that was already selected; the selection stays.
  void selectedRowPressed(QListWidget* column, int slot);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Column {
    SlotColumn* list;
    ColumnRole role;
  };

  void columnPressed(const Column& column, int y);
  bool selectable(int slot) const;
  void showSelection(const Column& column) const;

  struct Over {
    QLabel* heading;
    int column;
  };

  QGridLayout* grid_;
  std::vector<Column> columns_;
  std::vector<Over> over_;
  int rowHeight_;
  int runnerCount_ = 0;
  std::vector<bool> scratched_;  // [slot - 1]
  int selected_ = 0;
};

}  // namespace korvane::gui
