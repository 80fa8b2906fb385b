#pragma once
// The edge between the core's cp932 bytes and Qt's strings, and between paths and QString.

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvane::gui {

// cp932 bytes as shown on screen. Bytes that are no Shift-JIS (a damaged name in a file) show as
// U+FFFD, so the window still opens and the rest of the text stays readable.
QString toQt(const std::string& cp932);

// The user's text in cp932, or nothing when some character has no Shift-JIS code: the caller
// refuses the text with refusedTextMessage() rather than store a replaced character.
std::optional<std::string> fromQt(const QString& text);

// The message lines (cp932) that refuse text Shift-JIS cannot hold.
std::vector<std::string> refusedTextMessage();

QString pathToQt(const std::filesystem::path& path);
std::filesystem::path pathFromQt(const QString& path);

}  // namespace korvane::gui
