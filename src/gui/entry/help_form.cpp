#include "gui/entry/help_form.hpp"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/entry/entry_texts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

THelpForm::THelpForm(QWidget* owner) : BaseDialog(owner) {
  setObjectName("THelpForm");
  setWindowTitle(qs("ヘルプ（どこか画面をクリックすると閉じます）"));
  QLabel* heading = label(this, "MidashiLbl", toQt(usageHeading()));
  HelpMem = new QPlainTextEdit(this);
  HelpMem->setObjectName("HelpMem");
  HelpMem->setReadOnly(true);
  QStringList lines;
  for (const std::string& line : usageLines()) lines << toQt(line);
  HelpMem->setPlainText(lines.join('\n'));
  HelpMem->setMinimumSize(HelpMem->fontMetrics().horizontalAdvance(QString(41, QChar(0x3042))),
                          HelpMem->fontMetrics().lineSpacing() * 23);
  HelpMem->viewport()->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(HelpMem);
}

void THelpForm::mousePressEvent(QMouseEvent* event) {
  BaseDialog::mousePressEvent(event);
  accept();
}

bool THelpForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HelpMem->viewport() && event->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return BaseDialog::eventFilter(watched, event);
}

}  // namespace korvane::gui
