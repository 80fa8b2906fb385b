#pragma once
// A file that stands in its folder but cannot be read, and the reason the message window must
// give for it. Without root it is a file nobody may read; root reads every file, so there it is a
// link to the reading process's own memory, whose first bytes the system refuses as an I/O error.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/text/sjis.hpp"

namespace korvane::testing {

struct UnreadableFile {
  std::filesystem::path path;
  std::string reason;  // cp932
};

inline UnreadableFile makeUnreadableFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) {
    std::ofstream(path, std::ios::binary) << "KORVANE DATA 1998-2009\r\n";
    fs::permissions(path, fs::perms::none);
    return {path, sj("読み込む権限がありません。")};
  }
  fs::create_symlink("/proc/self/mem", path);
  return {path, sj("読み取り中に入出力エラーが起きました（ディスクや接続の不具合）。")};
}

}  // namespace korvane::testing
