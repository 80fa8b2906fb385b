#include "app/app_state.hpp"

namespace korvane {

const std::filesystem::path& allHorsesFileName() {
  static const std::filesystem::path name(u8"全競走馬.um0");
  return name;
}

}  // namespace korvane
