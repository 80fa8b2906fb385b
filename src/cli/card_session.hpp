#pragma once
// One race card loaded from a file and predicted, the common start of every card command.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "card_options.hpp"
#include "generator/quiet_platform.hpp"

namespace korvane::cli {

struct CardSession {
  gen::QuietPlatform platform;
  AppState app{platform.dialogs, platform.clock, platform.writer};
};

// The card options, or nothing after the reason and the usage were written to `err` (the
// command then exits with kExitUsage).
std::optional<CardOptions> cardOptionsOrUsage(const std::vector<std::string_view>& args,
                                              std::ostream& err, const ExtraFlag& extra = {});

// Loads the options' file, refuses a card that cannot be predicted, applies the development,
// symbols, bet display and custom rules, and runs the prediction. 0 when the prediction stands
// in session.app.result, else the exit status after the reason was written to `err`.
int predictCard(const CardOptions& options, CardSession& session, std::ostream& err);

// Writes a page; 0, or the exit status after the reason was written to `err`.
int emitPage(std::ostream& out, std::ostream& err, const std::vector<std::string>& page,
             Encoding encoding);

}  // namespace korvane::cli
