#include "core/views/marking_label.hpp"

#include "core/app/app_state.hpp"
#include "core/custom/custom_edit.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

std::string markingLabel(const AppState& app) {
  return app.settings.shirushi == MarkingMode::Custom ? customFileLabel(app.custom.file)
                                    : sj("コルバン指数による印付け");
}

}  // namespace korvane
