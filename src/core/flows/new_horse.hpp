#pragma once
// 新しい馬 on the main window and the name window's 完了: registering a horse by name, sex and
// age before its record editor opens.

#include <optional>
#include <string>
#include <string_view>

#include "core/entry/horse_identity.hpp"

namespace korvane {

struct AppState;
class Dialogs;

// Whether the name window may open: not with 12000 horses (said in a message).
bool roomForNewHorse(AppState& app);

// The name window's 完了: the name padded to 18 bytes, or nothing after telling the user that
// no name was typed (the window stays open).
std::optional<std::string> acceptTypedName(Dialogs& dialogs, std::string_view typed);

// Registers the horse of the name window; it becomes the current horse. False, after a
// message, when a horse of the same name is registered.
bool registerNewHorse(AppState& app, const NameChoice& choice);

}  // namespace korvane
