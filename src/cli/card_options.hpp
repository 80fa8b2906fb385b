#pragma once
// The options every card command of korvane-cli shares, checked before any file is read.

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_text.hpp"
#include "core/engine/marking.hpp"

namespace korvane::cli {

struct CardOptions {
  std::filesystem::path file;
  bool csv = false;
  std::optional<std::string> development;  // cp932, one of the five developments
  BetDisplay kaime = BetDisplay::Standard;
  std::optional<std::array<std::string, 6>> symbols;  // cp932, one full-width character each
  Encoding encoding = Encoding::Utf8;
  std::optional<std::filesystem::path> custom;  // custom marking rules (.umc)
};

// Either the options or the reason (UTF-8, one line) why the command line is wrong.
struct ParsedCard {
  std::optional<CardOptions> options;
  std::string error;
};

// Gives the next argument as the value of the flag being handled, or nothing at the end.
using TakeValue = std::function<std::optional<std::string_view>()>;

// A command's own flags: nothing when `flag` is not the command's, "" when it was handled, else
// the reason (UTF-8) why it is wrong.
using ExtraFlag =
    std::function<std::optional<std::string>(std::string_view flag, const TakeValue& takeValue)>;

ParsedCard parseCardOptions(const std::vector<std::string_view>& args, const ExtraFlag& extra = {});

}  // namespace korvane::cli
