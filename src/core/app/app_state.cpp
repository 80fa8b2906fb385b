#include "core/app/app_state.hpp"

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

const std::filesystem::path& allHorsesFileName() {
  static const std::filesystem::path name(u8"全競走馬.um0");
  return name;
}

std::string AppState::fileLabel() const {
  if (editingAllHorses()) return sj("全競走馬");
  return utf8ToCp932Lossy(editedFile.filename().string());
}

}  // namespace korvane
