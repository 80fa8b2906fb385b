#include "core/app/app_state.hpp"

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

Marking AppState::marking() const {
  return Marking{settings.shirushi, custom.rules, settings.kaime};
}

std::string AppState::fileLabel() const {
  if (editingAllHorses()) return sj("全競走馬");
  return utf8ToCp932Lossy(editedFile.filename().string());
}

}  // namespace korvane
