#pragma once
// Answers modal windows in tests: exec() blocks the test, so the answer is queued beforehand and
// given by a zero-delay timer as soon as the new modal window is in front.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace korvane::testing {

// Runs `action` on the next modal window that opens above the current one. Gives up silently
// after `timeoutMs` (the test's own checks then fail) so that no test ever hangs.
inline void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000) {
  QPointer<QWidget> before = QApplication::activeModalWidget();
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, [timer, clock, before, action, timeoutMs] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool opened = modal != nullptr && modal != before.data() && modal->isVisible();
    if (!opened && clock->elapsed() < timeoutMs) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (opened) action(modal);
  });
  timer->start();
}

// As onNextModal, for a window of a known class. A window of another class is closed unanswered,
// so that the test fails on its checks instead of waiting for a person.
template <class Window>
void onNextModalOf(std::function<void(Window&)> action, int timeoutMs = 5000) {
  onNextModal(
      [action](QWidget* modal) {
        if (auto* window = qobject_cast<Window*>(modal)) {
          action(*window);
        } else {
          modal->close();
        }
      },
      timeoutMs);
}

// Counts the modal windows that `act` opens, closing each as soon as it shows. `act` returns only
// when every window it opened is closed again, so no test has to wait to prove that none opened.
inline int modalWindowsOpenedBy(const std::function<void()>& act) {
  struct Watch : QObject {
    int opened = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
      auto* window = qobject_cast<QWidget*>(watched);
      if (event->type() == QEvent::Show && window != nullptr && window->isWindow() &&
          window->isModal()) {
        ++opened;
        QTimer::singleShot(0, window, &QWidget::close);
      }
      return false;
    }
  } watch;
  qApp->installEventFilter(&watch);
  act();
  qApp->removeEventFilter(&watch);
  return watch.opened;
}

}  // namespace korvane::testing
