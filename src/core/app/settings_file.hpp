#pragma once
// korvane.ini: six lines beside the all-horses files (window Left, Top, "load=Y", the six mark
// symbols, "Shirushi=0", "Kaime=1"), cp932 with CR LF. Older versions wrote fewer lines or only
// five symbols; every such file still reads.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/app/settings.hpp"

namespace korvane {

// dataFolder / "korvane.ini".
std::filesystem::path settingsFilePath(const std::filesystem::path& dataFolder);

// The settings a file's lines give; whatever is missing or unreadable keeps its default.
// The marking mode always starts standard, whatever line 5 says.
Settings parseSettings(std::span<const std::string> lines);
// A missing or unreadable file gives the defaults.
Settings readSettingsFile(const std::filesystem::path& file);

std::vector<std::string> settingsLines(const Settings& settings);

}  // namespace korvane
