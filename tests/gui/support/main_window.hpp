#pragma once
// The main window as it stands after start-up, without the title window's pauses.

#include <QtTest>
#include <memory>

#include "core/app/app_state.hpp"
#include "gui/app/main_form.hpp"

namespace korvane::testing {

inline std::unique_ptr<gui::TMainForm> openMainForm(AppState& app) {
  auto form = std::make_unique<gui::TMainForm>(app, gui::MainFormOptions{.showTitle = false});
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get())) qFatal("the main window never showed");
  form->startupFinished();
  return form;
}

}  // namespace korvane::testing
