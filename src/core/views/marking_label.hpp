#pragma once
// The prediction screen's UmcFileLbl, also the marking line of the prediction page.

#include <string>

namespace korvane {

struct AppState;

// The custom file in custom marking mode, else "コルバン指数による印付け" (cp932).
std::string markingLabel(const AppState& app);

}  // namespace korvane
