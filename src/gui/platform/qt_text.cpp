#include "gui/platform/qt_text.hpp"

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane::gui {

QString toQt(const std::string& cp932) {
  QString shown;
  std::string_view rest(cp932);
  while (!rest.empty()) {
    const Converted converted = cp932ToUtf8(rest);
    if (converted.ok) {
      shown += QString::fromStdString(converted.text);
      break;
    }
    shown += QString::fromStdString(cp932ToUtf8(rest.substr(0, converted.badOffset)).text);
    shown += QChar::ReplacementCharacter;
    rest.remove_prefix(converted.badOffset + 1);
  }
  return shown;
}

std::optional<std::string> fromQt(const QString& text) {
  Converted converted = utf8ToCp932(text.toStdString());
  if (!converted.ok) return std::nullopt;
  return std::move(converted.text);
}

std::vector<std::string> refusedTextMessage() {
  return {sj("入力された文字の中に、使えない文字があります。"),
          sj("（データはシフトJISで保存するため、その文字は保存できません）"),
          sj("別の文字に直して下さい。")};
}

QString pathToQt(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

std::filesystem::path pathFromQt(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

}  // namespace korvane::gui
