#pragma once
// Line files: the whole file as a list of lines, written back with CR LF after every line.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
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
                          std::span<const std::string> lines) = 0;
  // Writes a file that nothing reads yet (a staged file of a set save) and flushes it, in place:
  // a half-written one is thrown away with its staging folder.
  virtual bool writeStaged(const std::filesystem::path& path,
                           std::span<const std::string> lines) = 0;
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
  bool writeLines(const std::filesystem::path& path, std::span<const std::string> lines) override;
  bool writeStaged(const std::filesystem::path& path, std::span<const std::string> lines) override;
  bool makeFolder(const std::filesystem::path& folder) override;
  bool moveFile(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool syncFolder(const std::filesystem::path& folder) override;
  bool removeAll(const std::filesystem::path& path) override;
};

}  // namespace korvane
