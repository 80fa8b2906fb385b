#pragma once
// Line files: the whole file as a list of lines, written back with CR LF after every line.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvane {

// Reads a whole file into lines. Lines end with CR LF; LF alone is accepted too, and a last line
// without an end is still a line. Returns nothing when the file cannot be opened or read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path);

// The one door through which the program writes files, so that tests can make a write fail.
class LineWriter {
 public:
  virtual ~LineWriter() = default;
  // Writes every line followed by CR LF. On failure returns false and the file that stood at the
  // path before is left exactly as it was.
  virtual bool writeLines(const std::filesystem::path& path,
                          std::span<const std::string> lines) = 0;
};

// Writes into a temporary file beside the target, flushes it to disk and renames it over the
// target, so that a crash or a full disk never leaves a truncated file.
class AtomicLineWriter : public LineWriter {
 public:
  bool writeLines(const std::filesystem::path& path, std::span<const std::string> lines) override;
};

}  // namespace korvane
