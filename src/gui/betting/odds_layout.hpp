#pragma once
// What the two odds windows share: their table on the left, the entry buttons down the right and
// 完了 at the foot.

#include <initializer_list>

class QPushButton;
class QWidget;

namespace korvane::gui {

// Lays `window` out; Enter presses none of the entry buttons, which all ask for figures.
void layOutOddsWindow(QWidget& window, QWidget* table, std::initializer_list<QPushButton*> entries,
                      QPushButton* kanryouBtn);

}  // namespace korvane::gui
