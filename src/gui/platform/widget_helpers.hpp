#pragma once
// The pieces every window is built from: captions written as the UTF-8 literals they are,
// buttons and labels that carry their control names, a window's hints from one table, and lists
// of byte-counted lines in the fixed-pitch font.

#include <QString>
#include <QStringList>
#include <span>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace korvane::gui {

// A caption, label or hint written in the source as UTF-8: the one way a window writes a text of
// its own. Texts that come from the core (cp932) go through toQt instead.
QString qs(const char* utf8);

// A button or label named `name`, which is also how tests find it.
QPushButton* button(QWidget* parent, const QString& name, const QString& caption);
QLabel* label(QWidget* parent, const QString& name, const QString& text = {});

// One radio item per caption, one under the other inside `box`, numbered from 0 in their order.
// The group is named `name` and each item `name` followed by its number, as tests find them.
QButtonGroup* radioItems(QGroupBox* box, const QString& name, const QStringList& captions);

// The hint a control shows when the mouse rests on it.
struct Hint {
  const char* control;  // object name
  const char* text;     // UTF-8
};

// Gives each control of `window` named in `hints` its hint: one table per window keeps every
// hint of the window in one place.
void setHints(QWidget& window, std::span<const Hint> hints);

// One row of fixedFont(): a line of text and a pixel, never below 15 pixels.
int fixedRowHeight();

// Fixed font, no scroll bars, no eliding; room for `rows` rows of `rowHeight` and for
// `widthBytes` half-width cells with the item's own margins, so that the widest line shows whole.
void shapeFixedList(QListWidget& list, int widthBytes, int rows, int rowHeight = fixedRowHeight());

// The lines of the list (cp932), one item of `rowHeight` per line.
void setFixedLines(QListWidget& list, const std::vector<std::string>& lines,
                   int rowHeight = fixedRowHeight());

// A list that only shows lines (cp932), room for `rows` of them: it takes no focus and selects
// nothing.
QListWidget* shownLinesList(QWidget* parent, const char* name, int widthBytes, int rows,
                            const std::vector<std::string>& lines = {});

// A list of choices (cp932) to pick one from, as tall as its items and as wide as the widest, so
// that every choice is seen at once.
QListWidget* choiceList(QWidget* parent, const char* name, std::span<const std::string> items);

}  // namespace korvane::gui
