#pragma once
// Line files: the whole file as a list of lines, written back with CR LF after every line.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The largest file of the all-horses set or race file that is read: a race file of all 12000
// horses is about 5 MB, so anything much larger is not one of ours.
inline constexpr std::size_t kMaxDataFileBytes = 16u << 20;
// korvane.ini and the custom files (.umc) are a few hundred bytes.
inline constexpr std::size_t kMaxSmallFileBytes = 64u << 10;

// Why a file could not be read.
enum class ReadFault {
  None,
  Missing,
  NoPermission,
  Folder,
  NotAFile,    // a device, a pipe, a socket: nothing the program reads
  LinkLoop,    // links that lead round in a circle
  TooLarge,    // larger than the caller's limit
  Unreadable,  // any other refusal of the system, kept in systemError
  OutOfMemory,
};

struct LinesRead {
  std::optional<std::vector<std::string>> lines;  // set when the file was read
  ReadFault fault = ReadFault::None;
  int systemError = 0;  // the errno behind an Unreadable fault
};

// Reads a whole regular file (after following links) of at most maxBytes into lines. Lines end
// with CR LF; LF alone is accepted too, and a last line without an end is still a line. Anything
// else (a device, a pipe, a larger file) is refused at once, before a byte is read.
LinesRead readLines(const std::filesystem::path& path, std::size_t maxBytes = kMaxDataFileBytes);

// How a read went: the fault, and the errno behind an Unreadable one.
struct ReadStatus {
  ReadFault fault = ReadFault::None;
  int systemError = 0;
};

// Reads a whole file as readLines does, into `text` as it stands.
ReadStatus readText(const std::filesystem::path& path, std::string& text,
                    std::size_t maxBytes = kMaxDataFileBytes);

// Where the first line feed at or after `from` stands in `text`, or text.size() when none does.
// Eight bytes are looked at at once: most lines of the files are a few bytes.
inline std::size_t findLineFeed(std::string_view text, std::size_t from) {
  static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");
  constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;
  constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Full;
  const char* const data = text.data();
  std::size_t pos = from;
  for (; pos + 8 <= text.size(); pos += 8) {
    std::uint64_t word;
    std::memcpy(&word, data + pos, 8);
    // The top bit of every byte that is a line feed, and no other bit.
    const std::uint64_t x = word ^ (kEveryByte * '\n');
    const std::uint64_t feeds = ~(((x & kLowBits) + kLowBits) | x | kLowBits);
    if (feeds != 0) return pos + static_cast<std::size_t>(std::countr_zero(feeds)) / 8;
  }
  for (; pos < text.size(); ++pos) {
    if (data[pos] == '\n') return pos;
  }
  return text.size();
}

// Reads the lines of a text one after another, ended as readLines ends them: CR LF or LF, and a
// last line without an end is still a line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // Where the next line begins.
  std::size_t offset() const { return pos_; }
  std::string_view text() const { return text_; }
  // Puts the next line into `line`; false at the end of the text.
  bool next(std::string_view& line) {
    const std::size_t size = text_.size();
    if (pos_ >= size) return false;
    const std::size_t feed = findLineFeed(text_, pos_);
    const std::size_t stop = feed > pos_ && text_[feed - 1] == '\r' ? feed - 1 : feed;
    line = std::string_view(text_.data() + pos_, stop - pos_);
    pos_ = feed + (feed < size ? 1 : 0);
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The number of lines of a text, as LineCursor reads them.
std::size_t countLines(std::string_view text);

// Views of lines kept as strings.
std::vector<std::string_view> lineViews(std::span<const std::string> lines);

// Why the file could not be read, for the message window (cp932), e.g. "読み込む権限がありません。".
// An Unreadable fault is told from its systemError.
std::string readFaultReason(ReadFault fault, int systemError = 0);

// The one door through which the program writes files, so that tests can make any step of a save
// fail. Every call returns false on failure.
class LineWriter {
 public:
  virtual ~LineWriter() = default;
  // Writes every line followed by CR LF. On failure the file that stood at the path before is
  // left exactly as it was.
  virtual bool writeLines(const std::filesystem::path& path,
                          std::span<const std::string_view> lines) = 0;
  bool writeLines(const std::filesystem::path& path, std::span<const std::string> lines) {
    return writeLines(path, lineViews(lines));
  }
  // Writes a file that nothing reads yet (a staged file of a set save) and flushes it, in place:
  // a half-written one is thrown away with its staging folder.
  virtual bool writeStaged(const std::filesystem::path& path,
                           std::span<const std::string_view> lines) = 0;
  bool writeStaged(const std::filesystem::path& path, std::span<const std::string> lines) {
    return writeStaged(path, lineViews(lines));
  }
  // Makes a folder inside an existing one.
  virtual bool makeFolder(const std::filesystem::path& folder) = 0;
  // Renames a file within one file system, replacing what stood at `to`.
  virtual bool moveFile(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Flushes a folder's entries to disk, so that renames inside it survive a power cut.
  virtual bool syncFolder(const std::filesystem::path& folder) = 0;
  // Removes a file or a folder with everything in it; a path that is not there is no failure.
  virtual bool removeAll(const std::filesystem::path& path) = 0;
};

// Writes into a temporary file beside the target, flushes it to disk, renames it over the target
// and flushes the folder, so that a crash or a full disk never leaves a truncated file.
class AtomicLineWriter : public LineWriter {
 public:
  using LineWriter::writeLines;
  using LineWriter::writeStaged;
  bool writeLines(const std::filesystem::path& path,
                  std::span<const std::string_view> lines) override;
  bool writeStaged(const std::filesystem::path& path,
                   std::span<const std::string_view> lines) override;
  bool makeFolder(const std::filesystem::path& folder) override;
  bool moveFile(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool syncFolder(const std::filesystem::path& folder) override;
  bool removeAll(const std::filesystem::path& path) override;
};

}  // namespace korvane
