#pragma once
// The fuzz targets read real files: each input is written to a scratch file of this process first.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace korvane::fuzzing {

inline const std::filesystem::path& scratchFolder() {
  static const std::filesystem::path folder = [] {
    auto dir =
        std::filesystem::temp_directory_path() / ("korvane_fuzz_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
  }();
  return folder;
}

inline std::filesystem::path writeScratch(const std::uint8_t* data, std::size_t size,
                                          const char* name) {
  const auto file = scratchFolder() / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return file;
}

}  // namespace korvane::fuzzing
