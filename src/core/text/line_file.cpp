#include "core/text/line_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <system_error>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and tells whether the data reached the file.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The refusal of the system, from its errno.
ReadStatus refusal(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return {ReadFault::Missing};
    case EACCES:
    case EPERM:
      return {ReadFault::NoPermission};
    case EISDIR:
      return {ReadFault::Folder};
    case ELOOP:
      return {ReadFault::LinkLoop};
    case ENXIO:  // a socket or a device without its driver
    case ENODEV:
      return {ReadFault::NotAFile};
    case ENOMEM:
      return {ReadFault::OutOfMemory};
    default:
      return {ReadFault::Unreadable, error};
  }
}

// The file's bytes, at most maxBytes; a pipe opened without waiting never blocks the program.
ReadStatus readContent(const std::filesystem::path& path, std::size_t maxBytes,
                       std::string& content) {
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) return refusal(errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return refusal(errno);
  if (S_ISDIR(info.st_mode)) return {ReadFault::Folder};
  if (!S_ISREG(info.st_mode)) return {ReadFault::NotAFile};
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    return {ReadFault::TooLarge};
  }
  // One byte more than the file holds, so that the read that finds its end needs no more room.
  content.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t done = 0;
  // A file that grows while it is read is still held to the limit.
  while (true) {
    if (done == content.size()) {
      if (content.size() > maxBytes) return {ReadFault::TooLarge};
      content.resize(content.size() + 4096);
    }
    const ssize_t n = ::read(fd.get(), content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return refusal(errno);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  content.resize(done);
  if (done > maxBytes) return {ReadFault::TooLarge};
  return {};
}

}  // namespace

std::size_t countLines(std::string_view text) {
  std::size_t lines = 0;
  LineCursor cursor(text);
  for (std::string_view line; cursor.next(line);) ++lines;
  return lines;
}

std::vector<std::string_view> lineViews(std::span<const std::string> lines) {
  return std::vector<std::string_view>(lines.begin(), lines.end());
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

std::filesystem::path folderOf(const std::filesystem::path& path) {
  const std::filesystem::path parent = path.parent_path();
  return parent.empty() ? std::filesystem::path(".") : parent;
}

// The reasons a user can act on in their words; any other the system's own name and text, which
// are plain ASCII and so show in every code page.
std::string systemErrorReason(int error) {
  switch (error) {
    case EIO:
      return sj("読み取り中に入出力エラーが起きました（ディスクや接続の不具合）。");
    case EMFILE:
    case ENFILE:
      return sj("開いているファイルが多すぎます。");
    case ENAMETOOLONG:
      return sj("ファイル名が長すぎます。");
    default:
      break;
  }
  const char* name = ::strerrorname_np(error);
  const char* text = ::strerrordesc_np(error);
  return sj("システムのエラーのため、読み込めませんでした（") +
         (name != nullptr && text != nullptr ? std::string(name) + ": " + text
                                             : sj("エラー番号 ") + std::to_string(error)) +
         sj("）。");
}

}  // namespace

ReadStatus readText(const std::filesystem::path& path, std::string& text, std::size_t maxBytes) {
  try {
    return readContent(path, maxBytes, text);
  } catch (const std::bad_alloc&) {
    return {ReadFault::OutOfMemory};
  }
}

LinesRead readLines(const std::filesystem::path& path, std::size_t maxBytes) {
  try {
    std::string text;
    const ReadStatus read = readText(path, text, maxBytes);
    if (read.fault != ReadFault::None) return {std::nullopt, read.fault, read.systemError};
    std::vector<std::string> strings;
    LineCursor cursor(text);
    for (std::string_view line; cursor.next(line);) strings.emplace_back(line);
    return {std::move(strings)};
  } catch (const std::bad_alloc&) {
    return {std::nullopt, ReadFault::OutOfMemory};
  }
}

std::string readFaultReason(ReadFault fault, int systemError) {
  switch (fault) {
    case ReadFault::None:
      break;
    case ReadFault::Missing:
      return sj("ファイルがありません。");
    case ReadFault::NoPermission:
      return sj("読み込む権限がありません。");
    case ReadFault::Folder:
      return sj("ファイルではなく、フォルダです。");
    case ReadFault::NotAFile:
      return sj("普通のファイルではありません（デバイス、パイプなど）。");
    case ReadFault::LinkLoop:
      return sj("リンクが輪になっていて、ファイルにたどり着けません。");
    case ReadFault::TooLarge:
      return sj("ファイルが大きすぎます。コルバンのファイルではありません。");
    case ReadFault::OutOfMemory:
      return sj("メモリが足りないため、読み込めませんでした。");
    case ReadFault::Unreadable:
      return systemErrorReason(systemError);
  }
  return std::string();
}

bool AtomicLineWriter::writeStaged(const std::filesystem::path& path,
                                   std::span<const std::string_view> lines) {
  std::string data;
  std::size_t size = 0;
  for (const std::string_view line : lines) size += line.size() + 2;
  data.reserve(size);
  for (const std::string_view line : lines) {
    data += line;
    data += "\r\n";
  }
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.get() < 0) return false;
  const bool ok = writeAll(fd.get(), data) && ::fsync(fd.get()) == 0;
  return fd.close() && ok;
}

bool AtomicLineWriter::writeLines(const std::filesystem::path& path,
                                  std::span<const std::string_view> lines) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  if (!writeStaged(temp, lines) || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return false;
  }
  // The new name must reach the disk too, or a power cut could bring back the old file.
  return syncFolder(folderOf(path));
}

bool AtomicLineWriter::makeFolder(const std::filesystem::path& folder) {
  return ::mkdir(folder.c_str(), 0755) == 0;
}

bool AtomicLineWriter::moveFile(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool AtomicLineWriter::syncFolder(const std::filesystem::path& folder) {
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) return false;
  const bool synced = ::fsync(fd.get()) == 0;
  return fd.close() && synced;
}

bool AtomicLineWriter::removeAll(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::remove_all(path, error);
  return !error;
}

}  // namespace korvane
