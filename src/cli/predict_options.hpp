#pragma once
// The options of `korvane-cli predict`, checked before any file is read.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_text.hpp"

namespace korvane::cli {

struct PredictOptions {
  std::filesystem::path file;
  bool csv = false;
  std::optional<std::string> development;  // cp932, one of the five developments
  int kaime = 1;
  std::optional<std::array<std::string, 6>> symbols;  // cp932, one full-width character each
  Encoding encoding = Encoding::Utf8;
};

// Either the options or the reason (UTF-8, one line) why the command line is wrong.
struct ParsedPredict {
  std::optional<PredictOptions> options;
  std::string error;
};

ParsedPredict parsePredict(const std::vector<std::string_view>& args);

}  // namespace korvane::cli
