#include "core/text/line_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace korvane {

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  try {
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    // The stream buffer throws on a read error (a folder opened as a file, a failing disk).
    return std::nullopt;
  }
  if (in.bad()) return std::nullopt;

  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    const bool lastWithoutEnd = end == std::string::npos;
    if (lastWithoutEnd) end = content.size();
    std::size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines.emplace_back(content, start, stop - start);
    start = lastWithoutEnd ? end : end + 1;
  }
  return lines;
}

namespace {

bool writeAll(int fd, const std::string& data) {
  std::size_t written = 0;
  while (written < data.size()) {
    const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool AtomicLineWriter::writeLines(const std::filesystem::path& path,
                                  std::span<const std::string> lines) {
  std::string data;
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  data.reserve(size);
  for (const std::string& line : lines) {
    data += line;
    data += "\r\n";
  }

  std::filesystem::path temp = path;
  temp += ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return false;
  }
  return true;
}

}  // namespace korvane
