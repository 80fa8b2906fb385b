#include "gui/platform/qt_dialogs.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/app_state.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/platform/window_place.hpp"

namespace korvane::gui {

namespace {

// The message window's rows: one line every 24 pixels, 閉じる 16 pixels below the last line.
constexpr int kLineStep = 24;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

}  // namespace

TPrintForm::TPrintForm(const std::vector<std::string>& lines, QWidget* parent)
    : BaseDialog(parent) {
  setObjectName("TPrintForm");
  setWindowTitle(qs("コルバン"));
  const int n = std::clamp(static_cast<int>(lines.size()), 1, 8);
  const QFont font = fixedFont();
  const QFontMetrics metrics(font);
  int width = kButtonWidth;
  std::array<QLabel*, 8> shown{};
  for (int i = 0; i < 8; ++i) {
    QLabel* line = label(this, QString("M%1Lbl").arg(i + 1));
    line->setFont(font);
    if (i < n && i < static_cast<int>(lines.size())) line->setText(toQt(lines[i]));
    width = std::max(width, metrics.horizontalAdvance(line->text()));
    line->setVisible(i < n);
    shown[i] = line;
  }
  width += 48;
  for (int i = 0; i < 8; ++i) shown[i]->setGeometry(24, 8 + kLineStep * i, width - 48, kLineStep);

  QPushButton* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  tojiruBtn->setDefault(true);
  tojiruBtn->setGeometry((width - kButtonWidth) / 2, kLineStep * n + 16, kButtonWidth,
                         kButtonHeight);
  connect(tojiruBtn, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(width, kLineStep * n + 53);
}

TKakuninForm::TKakuninForm(const std::string& line1, const std::string& line2, QWidget* parent)
    : BaseDialog(parent) {
  withoutCloseBox();
  setObjectName("TKakuninForm");
  setWindowTitle(qs("確認"));
  QLabel* kakuninLbl = label(this, "KakuninLbl", toQt(line1));
  QLabel* kakuninLbl2 = label(this, "KakuninLbl2", toQt(line2));
  for (QLabel* line : {kakuninLbl, kakuninLbl2}) line->setFont(fixedFont());
  QPushButton* haiBtn = button(this, "HaiBtn", qs("はい"));
  QPushButton* iieBtn = button(this, "IieBtn", qs("いいえ"));
  iieBtn->setDefault(true);  // Enter must not confirm a destructive action by accident
  connect(haiBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(iieBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(haiBtn);
  buttons->addWidget(iieBtn);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 12, 24, 12);
  layout->addWidget(kakuninLbl);
  layout->addWidget(kakuninLbl2);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());
}

TWaitForm::TWaitForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("TWaitForm");
  setWindowTitle(qs("少しお待ち下さい"));
  MessageLbl = label(this, "MessageLbl");
  MessageLbl->setFont(fixedFont());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 16, 24, 16);
  layout->addWidget(MessageLbl);
}

void TWaitForm::setText(const std::string& text) {
  MessageLbl->setText(toQt(text));
  adjustSize();
}

QStringList qtNameFilters(const std::string& filterCp932) {
  const QStringList parts = toQt(filterCp932).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    // Qt reads the patterns from the parentheses at the end of a filter's name.
    if (!name.endsWith(')')) name += " (" + patterns + ")";
    filters << name;
  }
  return filters;
}

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

void QtDialogs::registerScreen(Screen screen, QWidget* window) {
  screens_[screen] = window;
}

void QtDialogs::registerScreen(Dialogs& dialogs, Screen screen, QWidget* window) {
  if (auto* qt = dynamic_cast<QtDialogs*>(&dialogs)) qt->registerScreen(screen, window);
}

void QtDialogs::attach(const AppState& app) {
  app_ = &app;
}

QWidget* QtDialogs::screenInFront() const {
  if (app_ != nullptr) {
    const auto found = screens_.find(app_->currentScreen);
    if (found != screens_.end() && found->second && found->second->isVisible()) {
      return found->second;
    }
  }
  return QApplication::activeWindow();
}

void QtDialogs::message(const std::vector<std::string>& lines) {
  QWidget* owner = screenInFront();
  TPrintForm form(lines, owner);
  form.exec();
}

bool QtDialogs::confirm(const std::string& line1, const std::string& line2) {
  QWidget* owner = screenInFront();
  TKakuninForm form(line1, line2, owner);
  return form.showModal();
}

void QtDialogs::showWait(const std::string& text) {
  QWidget* owner = screenInFront();
  if (!wait_) {
    // The screen behind is drawn first, so that it does not show half-updated lists meanwhile.
    if (owner != nullptr) owner->repaint();
    wait_ = std::make_unique<TWaitForm>(owner);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  wait_->setText(text);
  centreOn(*wait_, owner);
  wait_->show();
  wait_->raise();
  wait_->repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtDialogs::hideWait() {
  if (!wait_) return;
  wait_.reset();
  QApplication::restoreOverrideCursor();
}

std::optional<std::filesystem::path> QtDialogs::saveFile(const FileDialogRequest& request) {
  return fileDialog(request, true);
}

std::optional<std::filesystem::path> QtDialogs::openFile(const FileDialogRequest& request) {
  return fileDialog(request, false);
}

std::optional<std::filesystem::path> QtDialogs::fileDialog(const FileDialogRequest& request,
                                                           bool save) {
  QFileDialog dialog(screenInFront(), toQt(request.title), pathToQt(request.folder));
  dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
  // Qt's own dialog looks the same on every desktop and under test.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A typed name that is not there goes back to the program, which answers it with its own
  // message window rather than Qt's.
  dialog.setFileMode(QFileDialog::AnyFile);
  if (save && !request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = qtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(toQt(request.defaultExtension));
  if (!request.proposedName.empty()) dialog.selectFile(pathToQt(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return pathFromQt(dialog.selectedFiles().constFirst());
}

}  // namespace korvane::gui
