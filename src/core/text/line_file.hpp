#pragma once
// Line files: the whole file as a list of lines, written back with CR LF after every line.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/byte_masks.hpp"

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

// Reads the lines of a text one after another, ended as readLines ends them: CR LF or LF, and a
// last line without an end is still a line. The line feeds are found 64 bytes at a time and then
// taken one by one.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text)
      : text_(text), feeds_(bitsAt<lineFeedBits>(text.data(), text.size(), 0)) {}
  // Where the next line begins.
  std::size_t offset() const { return pos_; }
  std::string_view text() const { return text_; }
  // Puts the next line into `line`; false at the end of the text.
  bool next(std::string_view& line) {
    std::size_t end;
    const std::size_t from = pos_;
    if (nextLineEnds(&end, 1) == 0) return false;
    line = lineBetween(from, end);
    return true;
  }
  // Finds where the next `count` lines end, as far as the text has them, and gives how many it
  // found: ends[k] is where the line feed of the k-th stands (the text's size for a last line
  // without one).
  std::size_t nextLineEnds(std::size_t* ends, std::size_t count) {
    const std::size_t size = text_.size();
    std::size_t pos = pos_, window = window_;
    std::uint64_t feeds = feeds_;
    std::size_t done = 0;
    while (done < count && pos < size) {
      // The lines that end in this window.
      for (; feeds != 0 && done < count; ++done) {
        const std::size_t feed = window + static_cast<std::size_t>(std::countr_zero(feeds));
        feeds &= feeds - 1;
        ends[done] = feed;
        pos = feed + 1;
      }
      if (done == count || pos >= size) break;
      window += kMaskBytes;
      if (window >= size) {
        ends[done++] = size;  // the last line, without an end
        pos = size;
        break;
      }
      feeds = bitsAt<lineFeedBits>(text_.data(), size, window);
    }
    pos_ = pos;
    window_ = window;
    feeds_ = feeds;
    return done;
  }
  // The line that begins at `from` and whose line feed (or the text's end) stands at `end`,
  // without its CR.
  std::string_view lineBetween(std::size_t from, std::size_t end) const {
    const std::size_t stop = end > from && text_[end - 1] == '\r' ? end - 1 : end;
    return std::string_view(text_.data() + from, stop - from);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;     // where the next line begins
  std::size_t window_ = 0;  // where the 64 bytes begin whose line feeds are in feeds_
  std::uint64_t feeds_;     // the line feeds of the window not yet passed
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
